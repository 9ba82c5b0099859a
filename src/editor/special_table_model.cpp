#include "editor/special_table_model.h"

#include "editor/edit_history.h"

namespace ft817 {

SpecialTableModel::SpecialTableModel(std::shared_ptr<EditHistory> history, QObject* parent)
    : MemoryTableModel(std::move(history), parent)
{
    readMemories();
}

void SpecialTableModel::readMemories()
{
    m_specials = specialMemoriesOf(image());
}

EditTarget SpecialTableModel::rowTarget(int row) const
{
    // Rows are only asked for within memoryCount().
    return EditTarget::ofSpecial(m_specials.at(static_cast<std::size_t>(row)));
}

QVariant SpecialTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The special memories go by name, and only PMS-L and PMS-U can be out of use.
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && (section == Channel || section == Active))
        return section == Channel ? tr("Memory") : tr("In use");
    return MemoryTableModel::headerData(section, orientation, role);
}

} // namespace ft817
