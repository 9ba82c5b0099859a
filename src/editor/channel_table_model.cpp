#include "editor/channel_table_model.h"

#include "image/memory_map.h"

namespace ft817 {

ChannelTableModel::ChannelTableModel(std::shared_ptr<EditHistory> history, QObject* parent)
    : MemoryTableModel(std::move(history), parent)
{
}

int ChannelTableModel::memoryCount() const
{
    return kChannelCount;
}

} // namespace ft817
