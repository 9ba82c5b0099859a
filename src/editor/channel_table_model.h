#pragma once
// The 200 memory channels as a table, one row per channel, read from and
// written to the loaded image in place (the image is the only copy of the
// data). Columns show the radio's own meaning of the record: the shift from
// byte 1 bits 6..7, the tag as shown from byte 0 bit 7, tones in hertz and
// DCS codes from the radio's tables. Every edit is one step of the edit
// history; a value that cannot be stored exactly is refused with a reason
// and nothing changes. When the image changes (here, in the editor, by undo)
// only the rows whose record or active bit changed are redrawn.

#include "image/block_store.h"
#include "image/channel_names.h"
#include "image/channel_record.h"
#include "image/special_memories.h"
#include "platform/result.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <memory>

namespace ft817 {

class EditHistory;

class ChannelTableModel : public QAbstractTableModel {
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

    // Which memories the rows are: the 200 channels, or the special memories of
    // the image's model (special_memories.h; none for a layout of no known
    // model), whose Ch column shows their name and whose Active column is the
    // in-use flag of PMS-L and PMS-U (always on for the others).
    enum class Rows { Channels, Specials };

    // A table over the image that history keeps; the model shares the history.
    explicit ChannelTableModel(std::shared_ptr<EditHistory> history, QObject* parent = nullptr,
                               Rows rows = Rows::Channels);

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
    // MHz as typed into a cell ("145.6125", or "145.612500" as export writes
    // it): nothing but zeros past the fifth decimal (10 Hz steps); otherwise why not.
    static Result<std::uint32_t> typedMegahertz(const QString& typed);
    // The channel (0..199) a row shows.
    static int channelOfRow(int row) { return row; }

signals:
    // An edit was refused, or stored but wants attention; reason says why, fit for the status bar.
    void refused(const QString& reason);

private:
    void readSpecials();
    // The special memory a row shows, or nullptr for a channel's row.
    const SpecialMemory* specialOfRow(int row) const;
    Location rowLocation(int row) const;
    ChannelRecordView rowRecord(int row) const;
    bool rowInUse(const BlockStore& store, int row) const;
    void setRowInUse(BlockStore& store, int row, bool inUse) const;
    // "Channel 5", or the special memory's name.
    QString rowTitle(int row) const;
    // A 60 m channel's frequencies and mode, which US law fixes.
    bool fixedByLaw(int row, int column) const;

    QVariant checkValue(int channel, int column) const;
    QVariant displayValue(int channel, int column) const;
    QVariant editValue(int channel, int column) const;
    QVariant sortValue(int channel, int column) const;
    // Writes one cell's value, or gives why it cannot be written.
    QString store(int channel, int column, const QVariant& value);
    // A frequency cell: typed MHz, in 10 Hz steps, one the radio tunes where it must,
    // and within the band of a special memory that has one.
    static QString storeFrequency(ChannelRecord& record, int column, const QString& typed,
                                  const SpecialMemory* special);
    // The tag: at most 8 Latin-1 characters, none of them a control character.
    static QString storeTag(ChannelRecord& record, const QString& text);
    // A tone in hertz or a DCS code as typed ("88.5", "023"): one of the radio's table.
    static QString storeTypedTone(ChannelRecord& record, int column, const QString& typed);
    // A shift; minus or plus on a channel without an offset takes the band's usual one.
    QString storeShift(ChannelRecord& record, int choice);
    // A list cell (mode, step, shift, tone mode, tone, DCS code): the entry's number.
    static QString storeChoice(ChannelRecord& record, int column, int choice);
    void showChanges(const BlockStore& previous);

    std::shared_ptr<EditHistory> m_history;
    Rows m_rows = Rows::Channels;
    std::vector<SpecialMemory> m_specials;
    // What an edit that was stored still wants the person to know (for the status bar).
    QString m_notice;
};

} // namespace ft817
