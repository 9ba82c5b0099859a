#include "exchange/csv_exchange.h"

#include "editing/memory_edit.h"
#include "exchange/csv_channel_row.h"
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

// One row being read: its fields, its line, and where problems and notes go.
struct RowReading {
    const RowFields& row;
    int line;
    std::vector<CsvProblem>& problems;
    std::vector<CsvProblem>& notes;
    const std::vector<SpecialMemory>& specials; // of the image's model

    void refuse(std::string reason) { problems.push_back({line, std::move(reason)}); }
};

void readLocation(RowReading& in, CsvChannelRow& out)
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
                  ", not " + quotedField(in.row["Location"]));
    else
        out.channel = number - 1;
}

// A + or - offset moves the transmit frequency; it must stay one the radio tunes.
void checkRepeaterTransmit(RowReading& in, const CsvChannelRow& out)
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
void readFrequencies(RowReading& in, CsvChannelRow& out)
{
    if (const auto frequency = parseMegahertz(in.row["Frequency"])) {
        out.frequency = *frequency;
    } else {
        in.refuse("Frequency: " + frequency.error().message);
    }

    const std::string_view duplex = trimmed(in.row["Duplex"]);
    if (const auto shift = shiftNamedInCsv(duplex))
        out.shift = *shift;
    else
        in.refuse("Duplex must be empty, -, + or split (the radio has no " + quotedField(duplex) + ")");

    const std::string_view offset = trimmed(in.row["Offset"]);
    if (!offset.empty()) {
        if (const auto value = parseMegahertz(offset)) {
            out.offset = *value;
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
void readTones(RowReading& in, CsvChannelRow& out)
{
    const std::string_view tone = trimmed(in.row["Tone"]);
    if (const auto mode = toneModeNamedInCsv(tone))
        out.toneMode = *mode;
    else
        in.refuse("Tone must be empty, Tone, TSQL or DTCS (the radio has no " + quotedField(tone) + ")");

    auto readTone = [&](std::string_view column) -> std::optional<int> {
        const std::string_view text = trimmed(in.row[column]);
        if (text.empty())
            return std::nullopt;
        const auto found = parseCtcssHertz(text);
        if (!found)
            in.refuse(std::string(column) + ": " + quotedField(text) +
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
            in.refuse("DtcsCode " + quotedField(code) + " is not one of the radio's 104 DCS codes");
    }
    const std::string_view polarity = trimmed(in.row["DtcsPolarity"]);
    if (out.toneMode == ToneMode::Dcs && !polarity.empty() && polarity != "NN")
        in.refuse("DtcsPolarity " + quotedField(polarity) + ": the radio uses normal DCS polarity (NN) only");
}

void readMode(RowReading& in, CsvChannelRow& out)
{
    const std::string_view mode = trimmed(in.row["Mode"]);
    if (mode.empty())
        return;
    out.mode = modeNamed(mode);
    if (!out.mode)
        in.refuse("Mode " + quotedField(mode) + " is not a mode of the radio (LSB USB CW CWR AM FM DIG PKT)");
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
    in.refuse(std::string(column) + " must be Y or empty, not " + quotedField(text));
    return std::nullopt;
}

// TStep, Skip and this tool's own columns.
void readSettings(RowReading& in, CsvChannelRow& out)
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
            in.refuse("Skip must be empty or S (skipped in scans), not " + quotedField(skip));
        }
    }
    if (const std::string_view txMode = trimmed(in.row["TxMode"]); !txMode.empty()) {
        out.txMode = modeNamed(txMode);
        if (!out.txMode)
            in.refuse("TxMode " + quotedField(txMode) +
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
        in.refuse(std::string(column) + " " + quotedField(name) +
                  " has a character a tag cannot hold (tags are 8 Latin-1 characters)");
        return std::nullopt;
    }
    if (hasControlCharacter(*latin1)) {
        in.refuse(std::string(column) + " " + quotedField(name) +
                  " holds a control character, which a tag cannot show");
        return std::nullopt;
    }
    return latin1;
}

// The tag text and its shown flag from the columns the tool's own copy adds.
void readCopiedTag(RowReading& in, CsvChannelRow& out)
{
    out.tagText = readTagText(in, kTagTextColumn);
    if (out.tagText && out.tagText->size() > static_cast<std::size_t>(record::kTagLength))
        in.refuse(std::string(kTagTextColumn) + " " + quotedField(in.row[kTagTextColumn]) +
                  " is longer than a tag's 8 characters");
    if (!in.row.has(kTagShownColumn))
        return;
    const std::string_view shown = trimmed(in.row[kTagShownColumn]);
    if (shown == "yes" || shown == "no")
        out.tagShown = shown == "yes";
    else
        in.refuse(std::string(kTagShownColumn) + " " + quotedField(shown) + " is neither yes nor no");
}

void readName(RowReading& in, CsvChannelRow& out)
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
        in.notes.push_back({in.line, "Name " + quotedField(name) + " cut to " +
                                         quotedField(latin1ToUtf8(out.name)) +
                                         " (a tag holds 8 characters)"});
    }
}

// Reads one row; pushes a problem for each field that cannot be written exactly.
std::optional<CsvChannelRow> readChannelRow(const RowFields& row, int line, std::vector<CsvProblem>& problems,
                                            std::vector<CsvProblem>& notes,
                                            const std::vector<SpecialMemory>& specials)
{
    const std::size_t problemsBefore = problems.size();
    RowReading in{row, line, problems, notes, specials};
    CsvChannelRow out;
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
    const std::string name = record.tagHighBit() ? exportedTag(record) : std::string();
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
        fields.push_back(latin1ToUtf8(exportedTag(record)));
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
        const Location where = channelRow->target().where();
        const auto [earlier, fresh] = lineOfRecord.emplace(std::pair{where.block, where.index}, row.line);
        if (!fresh) {
            result.problems.push_back({row.line, channelRow->target().name() +
                                                     " is already written by line " +
                                                     std::to_string(earlier->second)});
            continue;
        }
        if (std::string problem = storedNumberProblem(working, *channelRow); !problem.empty()) {
            result.problems.push_back({row.line, std::move(problem)});
            continue;
        }
        // The row is written into a copy, kept only when every field of it was written.
        BlockStore written = working;
        std::vector<CsvProblem> notes;
        if (std::string problem = writeChannelRow(written, *channelRow, row.line, notes); !problem.empty()) {
            result.problems.push_back({row.line, std::move(problem)});
            continue;
        }
        working = std::move(written);
        result.notes.insert(result.notes.end(), notes.begin(), notes.end());
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
