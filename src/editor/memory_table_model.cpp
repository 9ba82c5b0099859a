#include "editor/memory_table_model.h"

#include "editor/edit_history.h"
#include "image/channel_names.h"
#include "image/channel_record.h"
#include "image/frequency_range.h"
#include "image/image_check.h"
#include "image/memory_map.h"
#include "image/radio_model.h"
#include "image/special_memories.h"
#include "image/tone_tables.h"
#include "text/megahertz.h"
#include "text/text_format.h"

#include <QBrush>
#include <QPalette>

#include <algorithm>
#include <utility>

namespace ft817 {
namespace {

constexpr int kModes = static_cast<int>(kModeNames.size());

QString fromName(std::string_view name)
{
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QStringList modeNames()
{
    QStringList names;
    for (const std::string_view name : kModeNames)
        names << fromName(name);
    return names;
}

// The Mode column's entries after the eight modes: the narrow ones, by mode.
constexpr int kNarrowModes[] = {2, 3, 5};

// The Mode cell's entry of a mode, narrow or not.
int listedModeIndex(int mode, bool narrow)
{
    if (!narrow || !hasNarrow(mode))
        return mode;
    return static_cast<int>(kModes + (std::find(std::begin(kNarrowModes), std::end(kNarrowModes), mode) -
                                      std::begin(kNarrowModes)));
}

// The list's names of the shifts or tone modes, in the order of their values.
QStringList listedNames(const std::array<ValueNames, 4>& table)
{
    QStringList names;
    for (const ValueNames& entry : table)
        names << fromName(entry.listed);
    return names;
}

const QStringList kListedShifts = listedNames(kShiftNames);
const QStringList kListedToneModes = listedNames(kToneModeNames);

// A stored frequency (10 Hz units) as MHz with five decimals: 14561250 -> "145.61250".
QString megahertz(std::uint32_t value)
{
    return QString::fromStdString(megahertzText(value));
}

// A number outside the radio's table, shown as the number stored.
QString orStoredNumber(const std::string& text, int number)
{
    return text.empty() ? "#" + QString::number(number) : QString::fromStdString(text);
}

bool hasSecondFrequency(Shift shift)
{
    return shift != Shift::Simplex;
}

// The tag as the list shows it: Latin-1, without the blanks or zero bytes
// that pad it; other control bytes inside it as a middle dot.
QString shownTag(const std::string& stored)
{
    QString text = QString::fromLatin1(stored.data(), static_cast<qsizetype>(stored.size()));
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == QChar(0)))
        text.chop(1);
    for (QChar& c : text)
        if (c.unicode() < 0x20)
            c = QChar(0xB7);
    return text;
}

// True when a column's stored value is not used by the channel as it is set
// (a tone without a tone mode, a code without DCS): shown, but dimmed.
bool unusedValue(const ChannelRecordView& record, int column)
{
    const ToneMode tone = record.toneMode();
    if (column == MemoryTableModel::Tone)
        return tone != ToneMode::Tone && tone != ToneMode::Mute;
    if (column == MemoryTableModel::DcsCode)
        return tone != ToneMode::Dcs;
    return false;
}

} // namespace

MemoryTableModel::MemoryTableModel(std::shared_ptr<EditHistory> history, QObject* parent)
    : QAbstractTableModel(parent), m_history(std::move(history))
{
    connect(m_history.get(), &EditHistory::changed, this,
            [this](const BlockStore& previous, const QObject*) { showChanges(previous); });
    connect(m_history.get(), &EditHistory::reset, this, [this] {
        beginResetModel();
        readMemories();
        endResetModel();
    });
}

const BlockStore& MemoryTableModel::image() const
{
    return m_history->store();
}

ChannelRecordView MemoryTableModel::rowRecord(int row) const
{
    return ChannelRecordView(m_history->store(), rowTarget(row).where());
}

bool MemoryTableModel::rowInUse(const BlockStore& store, int row) const
{
    const SpecialMemory* special = specialOfRow(row);
    return special ? isSpecialInUse(store, *special) : isChannelActive(store, rowTarget(row).channel);
}

QString MemoryTableModel::rowTitle(int row) const
{
    const SpecialMemory* special = specialOfRow(row);
    return special ? QString::fromStdString(special->name) : tr("Channel %1").arg(rowTarget(row).channel + 1);
}

bool MemoryTableModel::fixedByLaw(int row, int column) const
{
    const SpecialMemory* special = specialOfRow(row);
    if (!special)
        return false;
    const RecordPart part = column == RxFrequency ? RecordPart::RxFrequency
                            : column == Mode      ? RecordPart::Mode
                            : column == Shift     ? RecordPart::Shift
                            : column == Offset    ? RecordPart::TxFrequency
                            : column == TxMode    ? RecordPart::TxMode
                                                  : RecordPart::Other;
    return ft817::fixedByLaw(*special, part);
}

int MemoryTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || m_history->store().blockCount() < kMemoryImageMinBlocks)
        return 0;
    return memoryCount();
}

int MemoryTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QStringList MemoryTableModel::choices(int column)
{
    switch (column) {
    case Mode: {
        QStringList names = modeNames();
        for (const int mode : kNarrowModes)
            names << QString::fromStdString(listedModeName(mode, true));
        return names;
    }
    case TxMode:
        return modeNames();
    case Shift:
        return kListedShifts;
    case ToneMode:
        return kListedToneModes;
    case Tone: {
        QStringList tones;
        for (int number = 0; number < kCtcssToneCount; ++number)
            tones << QString::fromStdString(ctcssHertzText(number));
        return tones;
    }
    case DcsCode: {
        QStringList codes;
        for (int number = 0; number < kDcsCodeCount; ++number)
            codes << QString::fromStdString(dcsCodeText(number));
        return codes;
    }
    default:
        return {};
    }
}

QStringList MemoryTableModel::stepChoices(StepGroup group)
{
    QStringList steps;
    for (int position = 0; position < static_cast<int>(tuningStepsHertz(group).size()); ++position)
        steps << QString::fromStdString(tuningStepText(group, position));
    return steps;
}

QVariant MemoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // Made at each call: the texts follow the language installed.
    const QStringList titles = {"Ch",
                                "Active",
                                "RX MHz",
                                tr("Mode"),
                                tr("Step kHz"),
                                tr("Shift"),
                                tr("Offset / TX MHz"),
                                tr("TX mode"),
                                tr("Tone mode"),
                                tr("Tone Hz"),
                                tr("DCS code"),
                                tr("Skip"),
                                "IPO",
                                "ATT",
                                tr("Tag shown"),
                                tr("Tag text")};
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return titles[section];
    if (role == Qt::ToolTipRole && section == Offset)
        return tr("The repeater offset for a minus or plus shift, the transmit frequency for split");
    if (role == Qt::ToolTipRole && section == Step)
        return tr("The tuning step of the channel's mode: the record keeps one for SSB/CW/DIG/PKT, "
                  "one for AM and one for FM");
    if (role == Qt::ToolTipRole && section == Ipo)
        return tr("IPO: the receiver's preamp off");
    if (role == Qt::ToolTipRole && section == Att)
        return tr("ATT: the attenuator on");
    return {};
}

Qt::ItemFlags MemoryTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const ChannelRecordView record = rowRecord(index.row());
    const SpecialMemory* special = specialOfRow(index.row());
    if (fixedByLaw(index.row(), index.column()))
        return flags;
    switch (index.column()) {
    case Channel:
        return flags;
    case Active:
        // Only PMS-L and PMS-U of the special memories can be out of use.
        return special && !special->hasInUseFlag() ? flags : flags | Qt::ItemIsUserCheckable;
    case TagShown:
    case Skip:
    case Ipo:
    case Att:
        return flags | Qt::ItemIsUserCheckable;
    case Offset:
        return hasSecondFrequency(record.shift()) ? flags | Qt::ItemIsEditable : flags;
    case TxMode:
        return record.shift() == ft817::Shift::Split ? flags | Qt::ItemIsEditable : flags;
    default:
        return flags | Qt::ItemIsEditable;
    }
}

QVariant MemoryTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int channel = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return displayValue(channel, column);
    case Qt::EditRole:
        return editValue(channel, column);
    case SortRole:
        return sortValue(channel, column);
    case Qt::CheckStateRole:
        return checkValue(channel, column);
    case ChoicesRole:
        return column == Step ? stepChoices(stepGroupOf(rowRecord(channel).mode())) : choices(column);
    case Qt::ToolTipRole:
        if (fixedByLaw(channel, column))
            return QString::fromUtf8(kFixedByLawReason.data(),
                                     static_cast<qsizetype>(kFixedByLawReason.size()));
        return {};
    case Qt::ForegroundRole:
        if (!rowInUse(m_history->store(), channel) || unusedValue(rowRecord(channel), column))
            return QBrush(QPalette().color(QPalette::Disabled, QPalette::Text));
        return {};
    case Qt::TextAlignmentRole:
        if ((column == Channel && !specialOfRow(index.row())) || column == RxFrequency || column == Offset ||
            column == Tone || column == DcsCode)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant MemoryTableModel::checkValue(int channel, int column) const
{
    const ChannelRecordView record = rowRecord(channel);
    const auto state = [](bool on) { return on ? Qt::Checked : Qt::Unchecked; };
    switch (column) {
    case Active:
        return state(rowInUse(m_history->store(), channel));
    case TagShown:
        return state(record.tagShown());
    case Skip:
        return state(record.skip());
    case Ipo:
        return state(record.ipo());
    case Att:
        return state(record.att());
    default:
        return {};
    }
}

QVariant MemoryTableModel::displayValue(int channel, int column) const
{
    const ChannelRecordView record = rowRecord(channel);
    switch (column) {
    case Channel:
        if (const SpecialMemory* special = specialOfRow(channel))
            return QString::fromStdString(special->name);
        return rowTarget(channel).channel + 1;
    case RxFrequency:
        return megahertz(record.rxFrequency());
    case Mode:
        return choices(Mode).value(listedModeIndex(record.mode(), record.narrow()));
    case Step: {
        const std::string step = tuningStepText(stepGroupOf(record.mode()), record.tuningStep());
        return step.empty() ? "#" + QString::number(record.tuningStep()) : QString::fromStdString(step);
    }
    case Shift:
        return fromName(namesOf(record.shift()).listed);
    case Offset:
        return hasSecondFrequency(record.shift()) ? megahertz(record.txFrequency()) : QString();
    case TxMode:
        return record.shift() == ft817::Shift::Split ? choices(TxMode).value(record.txMode()) : QString();
    case ToneMode:
        return fromName(namesOf(record.toneMode()).listed);
    case Tone:
        return orStoredNumber(ctcssHertzText(record.ctcssTone()), record.ctcssTone());
    case DcsCode:
        return orStoredNumber(dcsCodeText(record.dcsCode()), record.dcsCode());
    case Tag:
        return shownTag(record.tag());
    default:
        return {};
    }
}

QVariant MemoryTableModel::editValue(int channel, int column) const
{
    const ChannelRecordView record = rowRecord(channel);
    switch (column) {
    case Mode:
        return listedModeIndex(record.mode(), record.narrow());
    case Step:
        return record.tuningStep() < static_cast<int>(tuningStepsHertz(stepGroupOf(record.mode())).size())
                   ? record.tuningStep()
                   : -1;
    case TxMode:
        return record.txMode();
    case Shift:
        return static_cast<int>(record.shift());
    case ToneMode:
        return static_cast<int>(record.toneMode());
    case Tone:
        return record.ctcssTone() < kCtcssToneCount ? record.ctcssTone() : -1;
    case DcsCode:
        return record.dcsCode() < kDcsCodeCount ? record.dcsCode() : -1;
    case Offset:
        return megahertz(record.txFrequency());
    default:
        return displayValue(channel, column);
    }
}

QVariant MemoryTableModel::sortValue(int channel, int column) const
{
    const ChannelRecordView record = rowRecord(channel);
    switch (column) {
    case Channel:
        return rowTarget(channel).channel;
    case Active:
        return rowInUse(m_history->store(), channel) ? 0 : 1;
    case RxFrequency:
        return static_cast<qulonglong>(record.rxFrequency());
    case Offset:
        return hasSecondFrequency(record.shift()) ? static_cast<qlonglong>(record.txFrequency()) : -1LL;
    case Step: {
        const auto steps = tuningStepsHertz(stepGroupOf(record.mode()));
        const auto position = static_cast<std::size_t>(record.tuningStep());
        return position < steps.size() ? steps[position] : 0;
    }
    case Tone:
        return record.ctcssTone();
    case DcsCode:
        return record.dcsCode();
    case TagShown:
    case Skip:
    case Ipo:
    case Att:
        return checkValue(channel, column).toInt() == Qt::Checked ? 0 : 1;
    default:
        return displayValue(channel, column);
    }
}

bool MemoryTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.row() >= rowCount())
        return false;
    const int column = index.column();
    const bool checkCell = flags(index) & Qt::ItemIsUserCheckable;
    if (checkCell != (role == Qt::CheckStateRole) || (!checkCell && role != Qt::EditRole))
        return false;
    if (!(flags(index) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable)))
        return false;
    const QString title = headerData(column, Qt::Horizontal).toString();
    EditOutcome outcome;
    {
        const QString what = specialOfRow(index.row())
                                 ? rowTitle(index.row())
                                 : tr("channel %1").arg(rowTarget(index.row()).channel + 1);
        const EditHistory::Step step(*m_history, tr("%1 of %2").arg(title, what), this);
        outcome = store(index.row(), column, value);
    }
    const std::string& said = outcome ? outcome.notice : outcome.refusal;
    if (!said.empty())
        emit refused(QString("%1, %2: %3").arg(rowTitle(index.row()), title, QString::fromStdString(said)));
    return outcome.ok();
}

EditOutcome MemoryTableModel::store(int row, int column, const QVariant& value)
{
    MemoryEdit edit(m_history->store(), rowTarget(row));
    const bool checked = value.toInt() == Qt::Checked;
    switch (column) {
    case Active:
        return edit.setInUse(checked);
    case TagShown:
        return edit.setTagShown(checked);
    case Skip:
        return edit.setSkip(checked);
    case Ipo:
        return edit.setIpo(checked);
    case Att:
        return edit.setAtt(checked);
    case RxFrequency:
    case Offset: {
        EditOutcome stored = storeFrequency(edit, column, value.toString());
        // A frequency typed into a memory not in use puts it to use.
        if (stored)
            stored = edit.setInUse(true);
        return stored;
    }
    case Tag:
        return storeTag(edit, value.toString());
    case Tone:
    case DcsCode:
        if (value.typeId() == QMetaType::QString)
            return storeTypedTone(edit, column, value.toString());
        return storeChoice(edit, column, value.toInt());
    default:
        return storeChoice(edit, column, value.toInt());
    }
}

EditOutcome MemoryTableModel::storeTypedTone(MemoryEdit& edit, int column, const QString& typed)
{
    const std::string text = typed.trimmed().toStdString();
    if (column == Tone) {
        if (const std::optional<int> number = parseCtcssHertz(text))
            return edit.setCtcssTone(*number);
        return EditOutcome::refused(tr("\"%1\" is not one of the radio's %2 tones (67.0 to 254.1 Hz)")
                                        .arg(typed.trimmed())
                                        .arg(kCtcssToneCount)
                                        .toStdString());
    }
    if (const std::optional<int> number = parseDcsCode(text))
        return edit.setDcsCode(*number);
    return EditOutcome::refused(tr("\"%1\" is not one of the radio's %2 DCS codes (023 to 754)")
                                    .arg(typed.trimmed())
                                    .arg(kDcsCodeCount)
                                    .toStdString());
}

EditOutcome MemoryTableModel::storeFrequency(MemoryEdit& edit, int column, const QString& typed)
{
    const Result<std::uint32_t> frequency = typedMegahertz(typed.trimmed().toStdString());
    if (!frequency)
        return EditOutcome::refused(frequency.error().message);
    return column == RxFrequency ? edit.setRxFrequency(*frequency) : edit.setSecondFrequency(*frequency);
}

EditOutcome MemoryTableModel::storeTag(MemoryEdit& edit, const QString& text)
{
    if (text.size() > record::kTagLength)
        return EditOutcome::refused(tr("a tag holds at most 8 characters").toStdString());
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; }))
        return EditOutcome::refused(tr("a tag holds Latin-1 characters only").toStdString());
    EditOutcome stored = edit.setTagText(text.toLatin1().toStdString());
    // A tag typed is a tag to show (and so one export keeps).
    if (stored && !text.trimmed().isEmpty())
        stored = edit.setTagShown(true);
    return stored;
}

EditOutcome MemoryTableModel::storeChoice(MemoryEdit& edit, int column, int choice) const
{
    const QStringList entries =
        column == Step ? stepChoices(stepGroupOf(edit.record().mode())) : choices(column);
    if (choice < 0 || choice >= entries.size())
        return EditOutcome::refused(tr("no such entry").toStdString());
    switch (column) {
    case Mode: {
        // A narrow entry sets both narrow bits, a wide one clears both.
        const bool narrow = choice >= kModes;
        EditOutcome stored = edit.setMode(narrow ? kNarrowModes[choice - kModes] : choice);
        return stored ? edit.setNarrow(narrow) : stored;
    }
    case Step:
        return edit.setTuningStep(choice);
    case TxMode:
        return edit.setTxMode(choice);
    case Shift:
        // A repeater shift without an offset is filled with the band's usual one.
        return edit.changeShift(static_cast<ft817::Shift>(choice),
                                usualRepeaterOffset(radioOf(image()), edit.record().rxFrequency()));
    case ToneMode:
        return edit.setToneMode(static_cast<ft817::ToneMode>(choice));
    case Tone:
        return edit.setCtcssTone(choice);
    case DcsCode:
        return edit.setDcsCode(choice);
    default:
        return EditOutcome::refused(tr("this cell cannot be changed").toStdString());
    }
}

void MemoryTableModel::showChanges(const BlockStore& previous)
{
    if (rowCount() == 0)
        return;
    const BlockStore& now = m_history->store();
    const int rows = rowCount();
    const auto differs = [&](int channel) {
        if (rowInUse(previous, channel) != rowInUse(now, channel))
            return true;
        const Location where = rowTarget(channel).where();
        for (int k = 0; k < kRecordSize; ++k)
            if (previous.byte(where.index + k, where.block) != now.byte(where.index + k, where.block))
                return true;
        return false;
    };
    for (int channel = 0; channel < rows;) {
        if (!differs(channel)) {
            ++channel;
            continue;
        }
        const int first = channel;
        while (channel + 1 < rows && differs(channel + 1))
            ++channel;
        emit dataChanged(index(first, 0), index(channel, ColumnCount - 1));
        ++channel;
    }
}

} // namespace ft817
