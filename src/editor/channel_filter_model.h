#pragma once
// What the channel list shows of the 200 channels and in which order: the
// rows whose tag or receive frequency holds the typed text, with "Active
// only" the active channels alone, sorted by a column's own values (numbers
// as numbers). The memory itself is never reordered.

#include <QSortFilterProxyModel>

namespace ft817 {

class ChannelFilterModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    // Over a ChannelTableModel, given with setSourceModel().
    explicit ChannelFilterModel(QObject* parent = nullptr);

    // Keeps the rows whose tag or RX MHz holds text (letter case ignored); empty keeps all.
    void setText(const QString& text);
    // Keeps the active channels only, or all.
    void setActiveOnly(bool on);

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    QString m_text;
    bool m_activeOnly = false;
};

} // namespace ft817
