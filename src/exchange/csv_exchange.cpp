#include "exchange/csv_exchange.h"

#include "image/channel_names.h"
#include "image/channel_record.h"
#include "image/frequency_range.h"
#include "image/memory_map.h"
#include "image/special_memories.h"
#include "image/tone_tables.h"
#include "text/text_format.h"

#include <algorithm>
#include <map>
#include <optional>

namespace ft817 {

namespace {

constexpr std::uint64_t kMaxStored = 4294967295u;

// The most of a field a message quotes; a longer field is quoted by its start.
constexpr std::size_t kQuotedBytes = 40;

// Text from the file in double quotes for a message on a terminal: control
// characters (escape sequences, NUL, line breaks) and bytes that are not
// UTF-8 appear as \xNN, never as themselves. A long field shows only its
// start, never cut inside a UTF-8 character, and says how long it is.
std::string quoted(std::string_view text)
{
    if (text.size() <= kQuotedBytes)
        return "\"" + terminalText(text, {}) + "\"";
    std::size_t cut = kQuotedBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return "\"" + terminalText(text.substr(0, cut), {}) + "...\" (" +
           countOf(static_cast<long long>(text.size()), "byte", "bytes") + " long)";
}

// The fields of a row, found by column name.
class RowFields {
public:
    RowFields(const std::map<std::string, std::size_t>& columns, const std::vector<std::string>& fields)
        : m_columns(&columns), m_fields(&fields)
    {
    }
    // The field under a column name; empty when the file has no such column.
    std::string_view operator[](std::string_view name) const
    {
        const auto found = m_columns->find(std::string(name));
        if (found == m_columns->end() || found->second >= m_fields->size())
            return {};
        return (*m_fields)[found->second];
    }
    // True when the file has a column of this name.
    bool has(std::string_view name) const { return m_columns->contains(std::string(name)); }

private:
    const std::map<std::string, std::size_t>* m_columns;
    const std::vector<std::string>* m_fields;
};

// Everything a good row says about its channel.
struct ChannelRow {
    int channel = 0;                        // 0..199, when the row is a channel's
    const SpecialMemory* special = nullptr; // the special memory the row names instead
    std::uint32_t frequency = 0;
    Shift shift = Shift::Simplex;
    std::optional<std::uint32_t> offset;
    ToneMode toneMode = ToneMode::None;
    std::optional<int> toneNumber;
    std::optional<int> dcsNumber;
    std::optional<int> mode;
    // Why the receive frequency is one the radio does not tune; empty when it tunes it.
    std::string untuned;
    std::string name; // Latin-1, at most 8 characters; empty clears the tag flags
    // Each of these only when the file has its column (TStep and TxMode: and a value).
    std::optional<std::string> tuningStep; // kHz as written; its group follows from the mode
    std::optional<bool> skip;
    std::optional<int> txMode;
    std::optional<bool> narrow;
    std::optional<bool> ipo;
    std::optional<bool> att;
    // From the tool's own copy: the tag text and whether it is shown, which win over Name.
    std::optional<std::string> tagText;
    std::optional<bool> tagShown;
};

// One row being read: its fields, its line, and where problems and notes go.
struct RowReading {
    const RowFields& row;
    int line;
    std::vector<CsvProblem>& problems;
    std::vector<CsvProblem>& notes;
    const std::vector<SpecialMemory>& specials; // of the image's model

    void refuse(std::string reason) { problems.push_back({line, std::move(reason)}); }
};

// Where a row's record lies and what to call it in a message.
Location recordLocation(const ChannelRow& row)
{
    return row.special ? row.special->where : channelLocation(row.channel);
}
std::string memoryName(const ChannelRow& row)
{
    return row.special ? row.special->name : "channel " + std::to_string(row.channel + 1);
}

void readLocation(RowReading& in, ChannelRow& out)
{
    const std::string_view location = trimmed(in.row["Location"]);
    if (const SpecialMemory* special = specialNamed(in.specials, location)) {
        out.special = special;
        return;
    }
    int number = 0;
    bool digits = !location.empty() && location.size() <= 3;
    for (const char c : location) {
        digits = digits && c >= '0' && c <= '9';
        if (digits)
            number = number * 10 + (c - '0');
    }
    if (!digits || number < 1 || number > kChannelCount)
        in.refuse("Location must be a channel number 1..200" +
                  std::string(
                      in.specials.empty()
                          ? ""
                          : " or the name of a special memory (VFO A 7 MHz, HOME 144 MHz, QMB, PMS-L, ...)") +
                  ", not " + quoted(in.row["Location"]));
    else
        out.channel = number - 1;
}

// A + or - offset moves the transmit frequency; it must stay one the radio tunes.
void checkRepeaterTransmit(RowReading& in, const ChannelRow& out)
{
    if ((out.shift != Shift::Plus && out.shift != Shift::Minus) || !out.offset || !checkTuned(out.frequency))
        return;
    const long long rx = out.frequency;
    const long long tx = out.shift == Shift::Plus ? rx + *out.offset : rx - *out.offset;
    const std::string sum = formatMegahertz(out.frequency) + (out.shift == Shift::Plus ? " + " : " - ") +
                            formatMegahertz(*out.offset) + " MHz";
    if (tx < 0) {
        in.refuse("Offset: " + sum + " is below zero");
        return;
    }
    if (tx > 0xFFFFFFFFLL) {
        in.refuse("Offset: " + sum + " is far above anything the radio tunes");
        return;
    }
    if (const Status tuned = checkTuned(static_cast<std::uint32_t>(tx)); !tuned)
        in.refuse("Offset: the transmit frequency " + sum + ": " + tuned.error().message);
}

// Frequency, Duplex and Offset.
void readFrequencies(RowReading& in, ChannelRow& out)
{
    if (const auto frequency = parseMegahertz(in.row["Frequency"])) {
        out.frequency = *frequency;
        // Refused later unless the channel already holds it (a row export
        // wrote of an erased record reads back unchanged).
        if (const Status tuned = checkTuned(*frequency); !tuned)
            out.untuned = "Frequency: " + tuned.error().message;
    } else {
        in.refuse("Frequency: " + frequency.error().message);
    }

    const std::string_view duplex = trimmed(in.row["Duplex"]);
    if (const auto shift = shiftNamedInCsv(duplex))
        out.shift = *shift;
    else
        in.refuse("Duplex must be empty, -, + or split (the radio has no " + quoted(duplex) + ")");

    const std::string_view offset = trimmed(in.row["Offset"]);
    if (!offset.empty()) {
        if (const auto value = parseMegahertz(offset)) {
            out.offset = *value;
            // For a split channel Offset is the frequency the radio transmits on.
            const Status tuned = checkTuned(*value);
            if (out.shift == Shift::Split && !tuned)
                in.refuse("Offset (the split TX frequency): " + tuned.error().message);
        } else {
            in.refuse("Offset: " + value.error().message);
        }
        checkRepeaterTransmit(in, out);
    } else if (!duplex.empty() && out.shift != Shift::Simplex) {
        in.refuse(out.shift == Shift::Split
                      ? std::string("Duplex split needs the TX frequency in Offset")
                      : "Duplex " + std::string(duplex) + " needs the repeater offset in Offset");
    }
}

// Tone, rToneFreq, cToneFreq, DtcsCode and DtcsPolarity.
void readTones(RowReading& in, ChannelRow& out)
{
    const std::string_view tone = trimmed(in.row["Tone"]);
    if (const auto mode = toneModeNamedInCsv(tone))
        out.toneMode = *mode;
    else
        in.refuse("Tone must be empty, Tone, TSQL or DTCS (the radio has no " + quoted(tone) + ")");

    auto readTone = [&](std::string_view column) -> std::optional<int> {
        const std::string_view text = trimmed(in.row[column]);
        if (text.empty())
            return std::nullopt;
        const auto found = parseCtcssHertz(text);
        if (!found)
            in.refuse(std::string(column) + ": " + quoted(text) +
                      " Hz is not one of the radio's 50 CTCSS tones");
        return found;
    };
    const auto rTone = readTone("rToneFreq");
    const auto cTone = readTone("cToneFreq");
    // Tone squelch listens on cToneFreq; everything else uses rToneFreq.
    if (out.toneMode == ToneMode::Mute)
        out.toneNumber = cTone ? cTone : rTone;
    else
        out.toneNumber = rTone ? rTone : cTone;

    const std::string_view code = trimmed(in.row["DtcsCode"]);
    if (!code.empty()) {
        out.dcsNumber = parseDcsCode(code);
        if (!out.dcsNumber)
            in.refuse("DtcsCode " + quoted(code) + " is not one of the radio's 104 DCS codes");
    }
    const std::string_view polarity = trimmed(in.row["DtcsPolarity"]);
    if (out.toneMode == ToneMode::Dcs && !polarity.empty() && polarity != "NN")
        in.refuse("DtcsPolarity " + quoted(polarity) + ": the radio uses normal DCS polarity (NN) only");
}

void readMode(RowReading& in, ChannelRow& out)
{
    const std::string_view mode = trimmed(in.row["Mode"]);
    if (mode.empty())
        return;
    out.mode = modeNamed(mode);
    if (!out.mode)
        in.refuse("Mode " + quoted(mode) + " is not a mode of the radio (LSB USB CW CWR AM FM DIG PKT)");
}

// A flag column of this tool's own: "Y" (or yes, on, 1) on, empty (or N, no, off, 0) off.
std::optional<bool> readFlag(RowReading& in, std::string_view column)
{
    if (!in.row.has(column))
        return std::nullopt;
    const std::string_view text = trimmed(in.row[column]);
    for (const std::string_view on : {"Y", "y", "yes", "Yes", "on", "On", "1"})
        if (text == on)
            return true;
    for (const std::string_view off : {"", "N", "n", "no", "No", "off", "Off", "0"})
        if (text == off)
            return false;
    in.refuse(std::string(column) + " must be Y or empty, not " + quoted(text));
    return std::nullopt;
}

// TStep, Skip and this tool's own columns.
void readSettings(RowReading& in, ChannelRow& out)
{
    if (const std::string_view step = trimmed(in.row["TStep"]); !step.empty())
        out.tuningStep = std::string(step);
    if (in.row.has("Skip")) {
        const std::string_view skip = trimmed(in.row["Skip"]);
        if (skip.empty() || skip == "S" || skip == "s") {
            out.skip = !skip.empty();
        } else if (skip == "P" || skip == "p") {
            out.skip = false;
            in.notes.push_back({in.line, "Skip P: the radio has no priority channels; read as not skipped"});
        } else {
            in.refuse("Skip must be empty or S (skipped in scans), not " + quoted(skip));
        }
    }
    if (const std::string_view txMode = trimmed(in.row["TxMode"]); !txMode.empty()) {
        out.txMode = modeNamed(txMode);
        if (!out.txMode)
            in.refuse("TxMode " + quoted(txMode) +
                      " is not a mode of the radio (LSB USB CW CWR AM FM DIG PKT)");
    }
    out.narrow = readFlag(in, "Narrow");
    out.ipo = readFlag(in, "IPO");
    out.att = readFlag(in, "ATT");
}

// A tag's text as a row gives it, in Latin-1; nothing after a refusal.
std::optional<std::string> readTagText(RowReading& in, std::string_view column)
{
    const std::string_view name = in.row[column];
    const auto latin1 = utf8ToLatin1(name);
    if (!latin1) {
        in.refuse(std::string(column) + " " + quoted(name) +
                  " has a character a tag cannot hold (tags are 8 Latin-1 characters)");
        return std::nullopt;
    }
    if (hasControlCharacter(*latin1)) {
        in.refuse(std::string(column) + " " + quoted(name) +
                  " holds a control character, which a tag cannot show");
        return std::nullopt;
    }
    return latin1;
}

// The tag text and its shown flag from the columns the tool's own copy adds.
void readCopiedTag(RowReading& in, ChannelRow& out)
{
    out.tagText = readTagText(in, kTagTextColumn);
    if (out.tagText && out.tagText->size() > static_cast<std::size_t>(record::kTagLength))
        in.refuse(std::string(kTagTextColumn) + " " + quoted(in.row[kTagTextColumn]) +
                  " is longer than a tag's 8 characters");
    if (!in.row.has(kTagShownColumn))
        return;
    const std::string_view shown = trimmed(in.row[kTagShownColumn]);
    if (shown == "yes" || shown == "no")
        out.tagShown = shown == "yes";
    else
        in.refuse(std::string(kTagShownColumn) + " " + quoted(shown) + " is neither yes nor no");
}

void readName(RowReading& in, ChannelRow& out)
{
    if (in.row.has(kTagTextColumn)) {
        readCopiedTag(in, out);
        return;
    }
    const std::optional<std::string> latin1 = readTagText(in, "Name");
    if (!latin1)
        return;
    const std::string_view name = in.row["Name"];
    out.name = *latin1;
    // A name of blanks only shows nothing, like an empty one.
    if (trimmed(out.name).empty())
        out.name.clear();
    if (out.name.size() > static_cast<std::size_t>(record::kTagLength)) {
        out.name.resize(record::kTagLength);
        in.notes.push_back({in.line, "Name " + quoted(name) + " cut to " + quoted(latin1ToUtf8(out.name)) +
                                         " (a tag holds 8 characters)"});
    }
}

// Reads one row; pushes a problem for each field that cannot be written exactly.
std::optional<ChannelRow> readChannelRow(const RowFields& row, int line, std::vector<CsvProblem>& problems,
                                         std::vector<CsvProblem>& notes,
                                         const std::vector<SpecialMemory>& specials)
{
    const std::size_t problemsBefore = problems.size();
    RowReading in{row, line, problems, notes, specials};
    ChannelRow out;
    readLocation(in, out);
    readFrequencies(in, out);
    readTones(in, out);
    readMode(in, out);
    readName(in, out);
    readSettings(in, out);
    if (problems.size() != problemsBefore)
        return std::nullopt;
    return out;
}

// A tag as export writes it: trailing blanks dropped, and each byte a tag
// cannot show (a control byte) as '?', so that the CSV reads back.
std::string shownTag(const ChannelRecordView& record)
{
    std::string name = record.tag();
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    for (char& c : name)
        if (hasControlCharacter(std::string_view(&c, 1)))
            c = '?';
    return name;
}

// Why a row cannot be written over the channel as it is stored (a frequency
// the radio does not tune that the channel does not already hold, a tone or
// code the row switches on but does not give, where the channel holds none
// of the radio's); empty when it can.
std::string storedNumberProblem(const BlockStore& store, const ChannelRow& row)
{
    const ChannelRecordView stored(store, recordLocation(row));
    if (!row.untuned.empty() && stored.rxFrequency() != row.frequency)
        return row.untuned;
    const int mode = row.mode.value_or(stored.mode());
    if (row.narrow.value_or(false) && !hasNarrow(mode))
        return "Narrow Y: " + std::string(modeName(mode)) + " has no narrow filter (CW, CWR and FM have)";
    if ((row.toneMode == ToneMode::Tone || row.toneMode == ToneMode::Mute) && !row.toneNumber &&
        stored.ctcssTone() >= kCtcssToneCount)
        return std::string("Tone ") + (row.toneMode == ToneMode::Tone ? "Tone" : "TSQL") +
               " needs rToneFreq or cToneFreq: " + memoryName(row) + " holds no tone of the radio's";
    if (row.toneMode == ToneMode::Dcs && !row.dcsNumber && stored.dcsCode() >= kDcsCodeCount)
        return "Tone DTCS needs DtcsCode: " + memoryName(row) + " holds no DCS code of the radio's";
    return {};
}

void writeChannelRow(BlockStore& store, const ChannelRow& row, int line, std::vector<CsvProblem>& notes);

// Why a row cannot be written over a special memory: a frequency outside the
// band of a VFO band record or HOME memory, or a change to what law fixes; empty when it can.
std::string specialRowProblem(const BlockStore& store, const ChannelRow& row)
{
    if (!row.special)
        return {};
    if (std::string problem = bandFrequencyProblem(*row.special, row.frequency); !problem.empty())
        return problem;
    // The row is written into a copy, and the copy's record compared with the stored one.
    BlockStore trial = store;
    std::vector<CsvProblem> unused;
    writeChannelRow(trial, row, 0, unused);
    const Location where = recordLocation(row);
    return lawFixedChange(*row.special, ChannelRecordView(store, where), ChannelRecordView(trial, where));
}

// The tuning step a row gives, into the step of the channel's mode group;
// a step that group does not have is told of and leaves the record's.
void writeTuningStep(ChannelRecord& record, const ChannelRow& row, int line, std::vector<CsvProblem>& notes)
{
    if (!row.tuningStep)
        return;
    const StepGroup group = stepGroupOf(record.mode());
    const std::optional<int> position = tuningStepNamed(group, *row.tuningStep);
    if (!position) {
        std::string steps;
        for (int p = 0; p < static_cast<int>(tuningStepsHertz(group).size()); ++p)
            steps += (p == 0 ? "" : ", ") + tuningStepText(group, p);
        const std::string kept = tuningStepText(group, record.tuningStep(group));
        notes.push_back({line, "TStep " + quoted(*row.tuningStep) + " kHz is not one of the " +
                                   std::string(stepGroupName(group)) + " steps (" + steps +
                                   " kHz); the channel keeps " + (kept.empty() ? "its own" : kept)});
        return;
    }
    if (record.tuningStep(group) != *position)
        record.setTuningStep(group, *position);
}

// Skip, IPO, ATT and narrow as the row gives them (narrow after the mode:
// a changed mode sets or clears both narrow bits).
void writeSettings(ChannelRecord& record, const ChannelRow& row, bool modeChanged)
{
    if (row.narrow && (modeChanged || record.narrow() != *row.narrow))
        record.setNarrow(*row.narrow);
    if (row.skip && record.skip() != *row.skip)
        record.setSkip(*row.skip);
    if (row.ipo && record.ipo() != *row.ipo)
        record.setIpo(*row.ipo);
    if (row.att && record.att() != *row.att)
        record.setAtt(*row.att);
    if (row.txMode && record.txMode() != *row.txMode)
        record.setTxMode(*row.txMode);
}

// The tag text as the tool's own copy carries it, and its shown flag when given.
void writeCopiedTag(ChannelRecord& record, const ChannelRow& row)
{
    if (shownTag(record) != *row.tagText)
        record.setTag(*row.tagText);
    if (row.tagShown && record.tagHighBit() != *row.tagShown)
        record.setTagOn(*row.tagShown);
}

// Writes what the row says; a field it gives as stored is not written at
// all, so every bit of the record the row does not change stays as it was.
void writeChannelRow(BlockStore& store, const ChannelRow& row, int line, std::vector<CsvProblem>& notes)
{
    ChannelRecord record(store, recordLocation(row));
    if (record.rxFrequency() != row.frequency)
        record.setRxFrequency(row.frequency);

    // A channel the row makes split transmits in the row's mode.
    if (row.shift == Shift::Split && record.shift() != Shift::Split)
        record.setTxMode(row.mode.value_or(record.mode()));
    if (record.shift() != row.shift)
        record.setShift(row.shift);
    if (row.offset && record.txFrequency() != *row.offset)
        record.setTxFrequency(*row.offset);
    // A simplex row over an erased record (0xFF bytes): no transmit frequency
    // the radio cannot tune stays behind; 0, as radios write it, stays.
    if (!row.offset && record.txFrequency() != 0 && !checkTuned(record.txFrequency()))
        record.setTxFrequency(row.frequency);

    if (record.toneMode() != row.toneMode)
        record.setToneMode(row.toneMode);
    if (row.toneNumber && record.ctcssTone() != *row.toneNumber)
        record.setCtcssTone(*row.toneNumber);
    if (row.dcsNumber && record.dcsCode() != *row.dcsNumber)
        record.setDcsCode(*row.dcsNumber);
    const bool modeChanged = row.mode && record.mode() != *row.mode;
    if (modeChanged)
        record.setMode(*row.mode);
    writeSettings(record, row, modeChanged);
    writeTuningStep(record, row, line, notes);

    if (row.tagText) {
        writeCopiedTag(record, row);
    } else if (row.name.empty()) {
        if (record.tagHighBit())
            record.setTagOn(false);
    } else {
        // The tag as export wrote it stays as stored, control bytes and all.
        if (shownTag(record) != row.name)
            record.setTag(row.name);
        // A radio shows the tag on bit 7 alone; a record that already has it keeps its flags.
        if (!record.tagHighBit())
            record.setTagOn(true);
    }

    // The band codes follow the frequencies, as a radio keeps them.
    record.fitBandCodes();

    if (row.special) {
        if (!isSpecialInUse(store, *row.special))
            setSpecialInUse(store, *row.special, true);
    } else if (!isChannelActive(store, row.channel)) {
        setChannelActive(store, row.channel, true);
    }
}

// The columns the header row names, by name; empty (with a problem named)
// when the table has no readable header or it lacks a needed column.
std::optional<std::map<std::string, std::size_t>> readHeader(const CsvTable& table,
                                                             std::vector<CsvProblem>& problems)
{
    // The first row names the columns; without a readable one nothing can be read.
    if (table.rows.empty() && table.problems.empty()) {
        problems.push_back({1, "the file is empty; it needs a header row naming the columns"});
        return std::nullopt;
    }
    if (table.rows.empty() ||
        (!table.problems.empty() && table.problems.front().line < table.rows.front().line))
        return std::nullopt;

    const CsvRow& header = table.rows.front();
    std::map<std::string, std::size_t> columns;
    for (std::size_t i = 0; i < header.fields.size(); ++i)
        columns.emplace(std::string(trimmed(header.fields[i])), i);
    std::string missing;
    for (const std::string_view needed : {"Location", "Name", "Frequency", "Duplex", "Offset", "Tone",
                                          "rToneFreq", "cToneFreq", "DtcsCode", "Mode"})
        if (columns.find(std::string(needed)) == columns.end())
            missing += (missing.empty() ? "" : ", ") + std::string(needed);
    if (!missing.empty()) {
        problems.push_back({header.line, "the header row lacks the column(s) " + missing});
        return std::nullopt;
    }
    return columns;
}

} // namespace

std::string formatMegahertz(std::uint32_t value)
{
    // The radio's 10 Hz steps leave the sixth decimal always 0.
    return megahertzText(value) + "0";
}

Result<std::uint32_t> parseMegahertz(std::string_view text)
{
    const std::string_view number = trimmed(text);
    if (number.empty())
        return Error{"no frequency given", {}};
    if (number.front() == '-')
        return Error{quoted(number) + " is negative", {}};
    std::uint64_t whole = 0;
    std::uint64_t fraction = 0; // in 10 Hz units: the first five decimals
    bool anyDigit = false;
    bool pastPoint = false;
    int decimals = 0;
    for (const char c : number) {
        if (c == '.' && !pastPoint) {
            pastPoint = true;
            continue;
        }
        if (c < '0' || c > '9')
            return Error{quoted(number) + " is not a frequency in MHz", {}};
        anyDigit = true;
        const int digit = c - '0';
        if (!pastPoint) {
            whole = whole * 10 + static_cast<std::uint64_t>(digit);
            if (whole > kMaxStored)
                return Error{quoted(number) +
                                 " MHz is above the highest frequency a channel holds (42949.67295 MHz)",
                             {}};
        } else if (decimals < 5) {
            fraction = fraction * 10 + static_cast<std::uint64_t>(digit);
            ++decimals;
        } else if (digit != 0) {
            return Error{quoted(number) + " MHz is finer than the radio's 10 Hz steps", {}};
        }
    }
    if (!anyDigit)
        return Error{quoted(number) + " is not a frequency in MHz", {}};
    for (; decimals < 5; ++decimals)
        fraction *= 10;
    const std::uint64_t value = whole * 100000 + fraction;
    if (value > kMaxStored)
        return Error{quoted(number) + " MHz is above the highest frequency a channel holds (42949.67295 MHz)",
                     {}};
    return static_cast<std::uint32_t>(value);
}

std::vector<std::string> csvHeader(CsvTags tags)
{
    std::vector<std::string> header(kCsvColumns.begin(), kCsvColumns.end());
    if (tags == CsvTags::AllWithShownFlag) {
        header.emplace_back(kTagTextColumn);
        header.emplace_back(kTagShownColumn);
    }
    return header;
}

namespace {

// One record as a CSV row, its Location given.
std::string recordCsvRow(const ChannelRecordView& record, const std::string& location, CsvTags tags)
{
    const std::string name = record.tagHighBit() ? shownTag(record) : std::string();
    const std::string tone = ctcssHertzText(record.ctcssTone());
    const auto flag = [](bool on) { return std::string(on ? "Y" : ""); };
    std::vector<std::string> fields = {
        location,
        latin1ToUtf8(name),
        formatMegahertz(record.rxFrequency()),
        std::string(namesOf(record.shift()).csv),
        formatMegahertz(record.txFrequency()),
        std::string(namesOf(record.toneMode()).csv),
        tone,
        tone,
        dcsCodeText(record.dcsCode()),
        "NN",
        std::string(modeName(record.mode())),
        tuningStepText(stepGroupOf(record.mode()), record.tuningStep()),
        record.skip() ? "S" : "",
        "",
        "",
        "",
        "",
        record.shift() == Shift::Split ? std::string(modeName(record.txMode())) : std::string(),
        flag(record.narrow()),
        flag(record.ipo()),
        flag(record.att()),
    };
    if (tags == CsvTags::AllWithShownFlag) {
        fields.push_back(latin1ToUtf8(shownTag(record)));
        fields.emplace_back(record.tagHighBit() ? "yes" : "no");
    }
    return csvRow(fields);
}

} // namespace

std::string exportChannelsCsv(const BlockStore& store, CsvTags tags)
{
    std::string out = csvRow(csvHeader(tags));
    for (int channel = 0; channel < kChannelCount; ++channel)
        if (isChannelActive(store, channel))
            out += recordCsvRow(ChannelRecordView::forChannel(store, channel), std::to_string(channel + 1),
                                tags);
    return out;
}

std::string exportSpecialsCsv(const BlockStore& store)
{
    std::string out = csvRow(csvHeader(CsvTags::ShownInName));
    for (const SpecialMemory& memory : specialMemoriesOf(store))
        if (isSpecialInUse(store, memory))
            out += recordCsvRow(ChannelRecordView(store, memory.where), memory.name, CsvTags::ShownInName);
    return out;
}

CsvImport importChannelsCsv(const BlockStore& image, std::string_view csv)
{
    return importChannelsTable(image, parseCsv(csv));
}

CsvImport importChannelsTable(const BlockStore& image, const CsvTable& table)
{
    CsvImport result;
    result.store = image;
    result.problems = table.problems;

    const auto columns = readHeader(table, result.problems);
    if (!columns)
        return result;
    const CsvRow& header = table.rows.front();

    BlockStore working = image;
    const std::vector<SpecialMemory> specials = specialMemoriesOf(image);
    // The line that wrote each record, by its place in the store.
    std::map<std::pair<int, int>, int> lineOfRecord;
    for (std::size_t r = 1; r < table.rows.size(); ++r) {
        const CsvRow& row = table.rows[r];
        // Spreadsheets leave rows of empty cells below the table; they say nothing.
        if (std::all_of(row.fields.begin(), row.fields.end(),
                        [](const std::string& f) { return trimmed(f).empty(); }))
            continue;
        if (row.fields.size() != header.fields.size()) {
            result.problems.push_back({row.line, std::to_string(row.fields.size()) +
                                                     " fields where the header has " +
                                                     std::to_string(header.fields.size())});
            continue;
        }
        const auto channelRow = readChannelRow(RowFields(*columns, row.fields), row.line, result.problems,
                                               result.notes, specials);
        if (!channelRow)
            continue;
        const Location where = recordLocation(*channelRow);
        const auto [earlier, fresh] = lineOfRecord.emplace(std::pair{where.block, where.index}, row.line);
        if (!fresh) {
            result.problems.push_back({row.line, memoryName(*channelRow) + " is already written by line " +
                                                     std::to_string(earlier->second)});
            continue;
        }
        if (std::string problem = storedNumberProblem(working, *channelRow); !problem.empty()) {
            result.problems.push_back({row.line, std::move(problem)});
            continue;
        }
        if (std::string problem = specialRowProblem(working, *channelRow); !problem.empty()) {
            result.problems.push_back({row.line, std::move(problem)});
            continue;
        }
        writeChannelRow(working, *channelRow, row.line, result.notes);
        if (channelRow->special)
            result.specials.push_back(channelRow->special->name);
        else
            result.channels.push_back(channelRow->channel);
    }

    std::stable_sort(result.problems.begin(), result.problems.end(),
                     [](const CsvProblem& a, const CsvProblem& b) { return a.line < b.line; });
    if (result.problems.empty())
        result.store = std::move(working);
    else {
        result.channels.clear();
        result.specials.clear();
    }
    return result;
}

} // namespace ft817
