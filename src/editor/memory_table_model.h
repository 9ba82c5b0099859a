#pragma once
// The memories of the loaded image as a table, one row per memory, read from
// and written to the image in place (the image is the only copy of the data):
// what the channel list's tabs share (channel_table_model.h for the 200
// channels, special_table_model.h for the special memories). Columns show the
// radio's own meaning of the record: the shift from byte 1 bits 6..7, the tag
// as shown from byte 0 bit 7, tones in hertz and DCS codes from the radio's
// tables. A cell only translates between its text and the memory edits of
// editing/memory_edit.h, which check and write every value; every edit is one
// step of the edit history, and a value that cannot be stored exactly is
// refused with a reason and nothing changes. When the image changes (here, in
// the editor, by undo) only the rows whose record or in-use flag changed are redrawn.

#include "editing/memory_edit.h"
#include "image/block_store.h"
#include "image/channel_names.h"
#include "image/channel_record.h"
#include "image/special_memories.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <memory>

namespace ft817 {

class EditHistory;

class MemoryTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Channel,
        Active,
        RxFrequency,
        Mode,
        Step,
        Shift,
        Offset,
        TxMode,
        ToneMode,
        Tone,
        DcsCode,
        Skip,
        Ipo,
        Att,
        TagShown,
        Tag,
        ColumnCount
    };
    // The value a column sorts by (numbers as numbers).
    static constexpr int SortRole = Qt::UserRole;
    // The entries a cell is picked from (a QStringList; empty for a typed cell):
    // the Step cell offers the steps of its channel's mode group.
    static constexpr int ChoicesRole = Qt::UserRole + 1;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The entries of a column edited by picking from a list (empty for others;
    // the Step column's depend on the row, see ChoicesRole); the edit value of
    // such a cell is the entry's position, -1 for none. The Mode column lists
    // the eight modes, then the narrow ones "CW-N", "CWR-N", "FM-N".
    static QStringList choices(int column);
    // The tuning steps of a group of modes as the Step cell lists them ("12.50").
    static QStringList stepChoices(StepGroup group);

signals:
    // An edit was refused, or stored but wants attention; reason says why, fit for the status bar.
    void refused(const QString& reason);

protected:
    // A table over the image that history keeps; the model shares the history.
    explicit MemoryTableModel(std::shared_ptr<EditHistory> history, QObject* parent);

    // How many memories the rows are, while an image is loaded.
    virtual int memoryCount() const = 0;
    // The memory a row shows.
    virtual EditTarget rowTarget(int row) const = 0;
    // Reads the memories again when the image is replaced as a whole.
    virtual void readMemories() {}

    const BlockStore& image() const;

private:
    // The special memory a row shows, or nullptr for a channel's row.
    const SpecialMemory* specialOfRow(int row) const { return rowTarget(row).special; }
    ChannelRecordView rowRecord(int row) const;
    bool rowInUse(const BlockStore& store, int row) const;
    // "Channel 5", or the special memory's name.
    QString rowTitle(int row) const;
    // A 60 m channel's frequencies and mode, which US law fixes.
    bool fixedByLaw(int row, int column) const;

    QVariant checkValue(int row, int column) const;
    QVariant displayValue(int row, int column) const;
    QVariant editValue(int row, int column) const;
    QVariant sortValue(int row, int column) const;
    // Writes one cell's value through the memory edits, or gives why it cannot be written.
    EditOutcome store(int row, int column, const QVariant& value);
    // A frequency cell: typed MHz, into the receive frequency or bytes 14-17.
    static EditOutcome storeFrequency(MemoryEdit& edit, int column, const QString& typed);
    // The tag: Latin-1 characters only; a tag typed is a tag shown.
    static EditOutcome storeTag(MemoryEdit& edit, const QString& text);
    // A tone in hertz or a DCS code as typed ("88.5", "023"): one of the radio's table.
    static EditOutcome storeTypedTone(MemoryEdit& edit, int column, const QString& typed);
    // A list cell (mode, step, shift, tone mode, tone, DCS code): the entry's number.
    EditOutcome storeChoice(MemoryEdit& edit, int column, int choice) const;
    void showChanges(const BlockStore& previous);

    std::shared_ptr<EditHistory> m_history;
};

} // namespace ft817
