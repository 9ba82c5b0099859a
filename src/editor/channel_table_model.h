#pragma once
// The 200 memory channels as a table, one row per channel (the columns and
// their editing in memory_table_model.h).

#include "editor/memory_table_model.h"

namespace ft817 {

class ChannelTableModel : public MemoryTableModel {
    Q_OBJECT
public:
    // A table of the channels of the image that history keeps; the model shares the history.
    explicit ChannelTableModel(std::shared_ptr<EditHistory> history, QObject* parent = nullptr);

    // The channel (0..199) a row shows.
    static int channelOfRow(int row) { return row; }

protected:
    int memoryCount() const override;
    EditTarget rowTarget(int row) const override { return EditTarget::ofChannel(channelOfRow(row)); }
};

} // namespace ft817
