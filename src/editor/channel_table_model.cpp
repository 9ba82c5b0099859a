#include "editor/channel_table_model.h"

#include "editor/edit_history.h"
#include "exchange/csv_exchange.h"
#include "image/channel_names.h"
#include "image/channel_record.h"
#include "image/frequency_range.h"
#include "image/image_check.h"
#include "image/memory_map.h"
#include "image/radio_model.h"
#include "image/special_memories.h"
#include "image/tone_tables.h"
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
    if (column == ChannelTableModel::Tone)
        return tone != ToneMode::Tone && tone != ToneMode::Mute;
    if (column == ChannelTableModel::DcsCode)
        return tone != ToneMode::Dcs;
    return false;
}

} // namespace

Result<std::uint32_t> ChannelTableModel::typedMegahertz(const QString& typed)
{
    const QString text = typed.trimmed();
    const qsizetype point = text.indexOf('.');
    // Export writes six decimals, the sixth always 0: zeros past the fifth say nothing.
    const auto finer = [&] {
        return std::any_of(text.begin() + point + 6, text.end(), [](QChar c) { return c != '0'; });
    };
    if (point >= 0 && text.size() - point - 1 > 5 && finer())
        return Error{
            QString("\"%1\" has more than 5 decimals; channels hold 10 Hz steps").arg(text).toStdString(),
            {}};
    return parseMegahertz(text.toStdString());
}

ChannelTableModel::ChannelTableModel(std::shared_ptr<EditHistory> history, QObject* parent, Rows rows)
    : QAbstractTableModel(parent), m_history(std::move(history)), m_rows(rows)
{
    readSpecials();
    connect(m_history.get(), &EditHistory::changed, this,
            [this](const BlockStore& previous, const QObject*) { showChanges(previous); });
    connect(m_history.get(), &EditHistory::reset, this, [this] {
        beginResetModel();
        readSpecials();
        endResetModel();
    });
}

void ChannelTableModel::readSpecials()
{
    m_specials =
        m_rows == Rows::Specials ? specialMemoriesOf(m_history->store()) : std::vector<SpecialMemory>{};
}

const SpecialMemory* ChannelTableModel::specialOfRow(int row) const
{
    return m_rows == Rows::Specials && row >= 0 && row < static_cast<int>(m_specials.size())
               ? &m_specials[static_cast<std::size_t>(row)]
               : nullptr;
}

Location ChannelTableModel::rowLocation(int row) const
{
    const SpecialMemory* special = specialOfRow(row);
    return special ? special->where : channelLocation(row);
}

ChannelRecordView ChannelTableModel::rowRecord(int row) const
{
    return ChannelRecordView(m_history->store(), rowLocation(row));
}

bool ChannelTableModel::rowInUse(const BlockStore& store, int row) const
{
    const SpecialMemory* special = specialOfRow(row);
    return special ? isSpecialInUse(store, *special) : isChannelActive(store, row);
}

void ChannelTableModel::setRowInUse(BlockStore& store, int row, bool inUse) const
{
    if (const SpecialMemory* special = specialOfRow(row))
        setSpecialInUse(store, *special, inUse);
    else
        setChannelActive(store, row, inUse);
}

QString ChannelTableModel::rowTitle(int row) const
{
    const SpecialMemory* special = specialOfRow(row);
    return special ? QString::fromStdString(special->name) : QString("Channel %1").arg(row + 1);
}

bool ChannelTableModel::fixedByLaw(int row, int column) const
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

int ChannelTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || m_history->store().blockCount() < kMemoryImageMinBlocks)
        return 0;
    return m_rows == Rows::Specials ? static_cast<int>(m_specials.size()) : kChannelCount;
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QStringList ChannelTableModel::choices(int column)
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

QStringList ChannelTableModel::stepChoices(StepGroup group)
{
    QStringList steps;
    for (int position = 0; position < static_cast<int>(tuningStepsHertz(group).size()); ++position)
        steps << QString::fromStdString(tuningStepText(group, position));
    return steps;
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QStringList titles = {
        "Ch",        "Active",  "RX MHz",   "Mode", "Step kHz", "Shift", "Offset / TX MHz", "TX mode",
        "Tone mode", "Tone Hz", "DCS code", "Skip", "IPO",      "ATT",   "Tag shown",       "Tag text"};
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    // The special memories go by name, and only PMS-L and PMS-U can be out of use.
    if (role == Qt::DisplayRole && m_rows == Rows::Specials && (section == Channel || section == Active))
        return section == Channel ? QString("Memory") : QString("In use");
    if (role == Qt::DisplayRole)
        return titles[section];
    if (role == Qt::ToolTipRole && section == Offset)
        return QString("The repeater offset for a minus or plus shift, the transmit frequency for split");
    if (role == Qt::ToolTipRole && section == Step)
        return QString("The tuning step of the channel's mode: the record keeps one for SSB/CW/DIG/PKT, "
                       "one for AM and one for FM");
    if (role == Qt::ToolTipRole && section == Ipo)
        return QString("IPO: the receiver's preamp off");
    if (role == Qt::ToolTipRole && section == Att)
        return QString("ATT: the attenuator on");
    return {};
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const
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

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int channel = channelOfRow(index.row());
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
        if ((column == Channel && m_rows == Rows::Channels) || column == RxFrequency || column == Offset ||
            column == Tone || column == DcsCode)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant ChannelTableModel::checkValue(int channel, int column) const
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

QVariant ChannelTableModel::displayValue(int channel, int column) const
{
    const ChannelRecordView record = rowRecord(channel);
    switch (column) {
    case Channel:
        if (const SpecialMemory* special = specialOfRow(channel))
            return QString::fromStdString(special->name);
        return channel + 1;
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

QVariant ChannelTableModel::editValue(int channel, int column) const
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

QVariant ChannelTableModel::sortValue(int channel, int column) const
{
    const ChannelRecordView record = rowRecord(channel);
    switch (column) {
    case Channel:
        return channel;
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

bool ChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
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
    QString reason;
    {
        const QString what =
            specialOfRow(index.row()) ? rowTitle(index.row()) : rowTitle(index.row()).toLower();
        const EditHistory::Step step(*m_history, QString("%1 of %2").arg(title, what), this);
        reason = store(index.row(), column, value);
    }
    if (!reason.isEmpty()) {
        emit refused(QString("%1, %2: %3").arg(rowTitle(index.row()), title, reason));
        return false;
    }
    if (!m_notice.isEmpty())
        emit refused(QString("%1, %2: %3").arg(rowTitle(index.row()), title, std::exchange(m_notice, {})));
    return true;
}

QString ChannelTableModel::store(int channel, int column, const QVariant& value)
{
    BlockStore& image = m_history->store();
    ChannelRecord record(image, rowLocation(channel));
    switch (column) {
    case Active:
        setRowInUse(image, channel, value.toInt() == Qt::Checked);
        return {};
    case TagShown:
        record.setTagShown(value.toInt() == Qt::Checked);
        return {};
    case Skip:
        record.setSkip(value.toInt() == Qt::Checked);
        return {};
    case Ipo:
        record.setIpo(value.toInt() == Qt::Checked);
        return {};
    case Att:
        record.setAtt(value.toInt() == Qt::Checked);
        return {};
    case RxFrequency:
    case Offset: {
        const QString reason = storeFrequency(record, column, value.toString(), specialOfRow(channel));
        // A frequency typed into a channel not in use puts it to use.
        if (reason.isEmpty())
            setRowInUse(image, channel, true);
        return reason;
    }
    case Tag:
        return storeTag(record, value.toString());
    case Tone:
    case DcsCode:
        if (value.typeId() == QMetaType::QString)
            return storeTypedTone(record, column, value.toString());
        return storeChoice(record, column, value.toInt());
    case Shift:
        return storeShift(record, value.toInt());
    default:
        return storeChoice(record, column, value.toInt());
    }
}

QString ChannelTableModel::storeTypedTone(ChannelRecord& record, int column, const QString& typed)
{
    const std::string text = typed.trimmed().toStdString();
    if (column == Tone) {
        const std::optional<int> number = parseCtcssHertz(text);
        if (!number)
            return QString("\"%1\" is not one of the radio's %2 tones (67.0 to 254.1 Hz)")
                .arg(typed.trimmed())
                .arg(kCtcssToneCount);
        return storeChoice(record, column, *number);
    }
    const std::optional<int> number = parseDcsCode(text);
    if (!number)
        return QString("\"%1\" is not one of the radio's %2 DCS codes (023 to 754)")
            .arg(typed.trimmed())
            .arg(kDcsCodeCount);
    return storeChoice(record, column, *number);
}

QString ChannelTableModel::storeShift(ChannelRecord& record, int choice)
{
    if (choice < 0 || choice >= choices(Shift).size())
        return "no such entry";
    // A repeater shift without an offset is filled with the band's usual one.
    const std::uint32_t usual = usualRepeaterOffset(radioOf(m_history->store()), record.rxFrequency());
    if (!record.changeShift(static_cast<ft817::Shift>(choice), usual))
        m_notice = "the offset is 0 and needs a value: there is no usual repeater offset on this band";
    return {};
}

QString ChannelTableModel::storeFrequency(ChannelRecord& record, int column, const QString& typed,
                                          const SpecialMemory* special)
{
    const Result<std::uint32_t> frequency = typedMegahertz(typed);
    if (!frequency)
        return QString::fromStdString(frequency.error().message);
    // A VFO band record or HOME memory holds only frequencies of its band.
    if (special && column == RxFrequency)
        if (const std::string problem = bandFrequencyProblem(*special, *frequency); !problem.empty())
            return QString::fromStdString(problem);
    // The receive frequency, and a split channel's transmit frequency, must be
    // one the radio tunes; a repeater offset is a difference and may be anything.
    const bool tunedOnly = column == RxFrequency || record.shift() == Shift::Split;
    if (const Status tuned = checkTuned(*frequency); tunedOnly && !tuned)
        return QString::fromStdString(tuned.error().message);
    if (column == RxFrequency) {
        record.setRxFrequency(*frequency);
        record.fitRxBandCode();
    } else {
        record.setTxFrequency(*frequency);
        record.fitTxBandCode();
    }
    return {};
}

QString ChannelTableModel::storeTag(ChannelRecord& record, const QString& text)
{
    if (text.size() > 8)
        return "a tag holds at most 8 characters";
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; }))
        return "a tag holds Latin-1 characters only";
    const std::string latin1 = text.toLatin1().toStdString();
    if (hasControlCharacter(latin1))
        return "a tag cannot show control characters";
    record.setTag(latin1);
    // A tag typed is a tag to show (and so one export keeps).
    if (!text.trimmed().isEmpty())
        record.setTagShown(true);
    return {};
}

QString ChannelTableModel::storeChoice(ChannelRecord& record, int column, int choice)
{
    const QStringList entries = column == Step ? stepChoices(stepGroupOf(record.mode())) : choices(column);
    if (choice < 0 || choice >= entries.size())
        return "no such entry";
    switch (column) {
    case Mode: {
        // A narrow entry sets both narrow bits, a wide one clears both.
        const bool narrow = choice >= kModes;
        record.setMode(narrow ? kNarrowModes[choice - kModes] : choice);
        record.setNarrow(narrow);
        break;
    }
    case Step:
        record.setTuningStep(stepGroupOf(record.mode()), choice);
        break;
    case TxMode:
        record.setTxMode(choice);
        break;
    case Shift:
        record.changeShift(static_cast<ft817::Shift>(choice), 0);
        break;
    case ToneMode:
        record.setToneMode(static_cast<ft817::ToneMode>(choice));
        break;
    case Tone:
        record.setCtcssTone(choice);
        break;
    case DcsCode:
        record.setDcsCode(choice);
        break;
    default:
        return "this cell cannot be changed";
    }
    return {};
}

void ChannelTableModel::showChanges(const BlockStore& previous)
{
    if (rowCount() == 0)
        return;
    const BlockStore& now = m_history->store();
    const int rows = rowCount();
    const auto differs = [&](int channel) {
        if (rowInUse(previous, channel) != rowInUse(now, channel))
            return true;
        const Location where = rowLocation(channel);
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
