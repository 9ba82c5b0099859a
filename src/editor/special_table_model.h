#pragma once
// The special memories of the image's model (special_memories.h; none for a
// layout of no known model) as a table, one row per memory, in the channel
// list's columns (memory_table_model.h): the Ch column, titled "Memory",
// shows the memory's name and the Active column, titled "In use", is the
// in-use flag of PMS-L and PMS-U (always on for the others).

#include "editor/memory_table_model.h"

#include <vector>

namespace ft817 {

class SpecialTableModel : public MemoryTableModel {
    Q_OBJECT
public:
    // A table of the special memories of the image that history keeps; the model shares the history.
    explicit SpecialTableModel(std::shared_ptr<EditHistory> history, QObject* parent = nullptr);

    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

protected:
    int memoryCount() const override { return static_cast<int>(m_specials.size()); }
    EditTarget rowTarget(int row) const override;
    void readMemories() override;

private:
    std::vector<SpecialMemory> m_specials;
};

} // namespace ft817
