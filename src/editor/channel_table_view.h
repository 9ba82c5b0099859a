#pragma once
// The channel list's table, which can store the cell being typed in on
// request (before Done writes the image).

#include <QTableView>

namespace ft817 {

class ChannelTableView : public QTableView {
    Q_OBJECT
public:
    explicit ChannelTableView(QWidget* parent = nullptr) : QTableView(parent) {}

    // Stores what the open cell editor holds, if one is open, and closes it.
    void commitOpenEditor();
};

} // namespace ft817
