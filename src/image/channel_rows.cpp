#include "image/channel_rows.h"

#include "image/channel_record.h"
#include "image/csv_file.h"
#include "image/frequency_range.h"
#include "image/memory_map.h"
#include "platform/text_format.h"

#include <algorithm>
#include <map>

namespace ft817 {
namespace {

// A channel's bit in one bitmap.
bool bitmapBit(const BlockStore& store, const BitLocation& where)
{
    return (store.byte(where.index, where.block) & where.mask) != 0;
}

void setBitmapBit(BlockStore& store, const BitLocation& where, bool on)
{
    store.setBits(where.index, where.block, where.mask, on ? where.mask : 0);
}

// Cuts tab-separated text (a spreadsheet's copy) into rows: LF, CRLF and CR
// end rows, a field wholly in double quotes loses them (inner pairs become one).
CsvTable parseTabSeparated(std::string_view text)
{
    CsvTable table;
    int line = 1;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view row = text.substr(start, end - start);
        if (!row.empty()) {
            CsvRow parsed{line, {}};
            std::size_t from = 0;
            while (true) {
                const std::size_t tab = row.find('\t', from);
                std::string field(
                    row.substr(from, tab == std::string_view::npos ? std::string_view::npos : tab - from));
                if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
                    std::string inner;
                    for (std::size_t i = 1; i + 1 < field.size(); ++i) {
                        inner += field[i];
                        if (field[i] == '"' && field[i + 1] == '"')
                            ++i;
                    }
                    field = inner;
                }
                parsed.fields.push_back(std::move(field));
                if (tab == std::string_view::npos)
                    break;
                from = tab + 1;
            }
            table.rows.push_back(std::move(parsed));
        }
        if (end == text.size())
            break;
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        ++line;
    }
    return table;
}

bool isHeaderRow(const CsvRow& row)
{
    const auto has = [&](std::string_view name) {
        return std::any_of(row.fields.begin(), row.fields.end(),
                           [&](const std::string& f) { return trimmed(f) == name; });
    };
    return has("Location") && has("Frequency");
}

bool isEmptyRow(const CsvRow& row)
{
    return std::all_of(row.fields.begin(), row.fields.end(),
                       [](const std::string& f) { return trimmed(f).empty(); });
}

void renumberLines(std::vector<CsvProblem>& problems, const std::map<int, int>& originalLine)
{
    for (CsvProblem& problem : problems) {
        const auto found = originalLine.find(problem.line);
        if (found != originalLine.end())
            problem.line = found->second;
    }
}

} // namespace

std::vector<int> sortedChannels(std::vector<int> channels)
{
    std::erase_if(channels, [](int c) { return c < 0 || c >= kChannelCount; });
    std::sort(channels.begin(), channels.end());
    channels.erase(std::unique(channels.begin(), channels.end()), channels.end());
    return channels;
}

void swapChannels(BlockStore& store, int first, int second)
{
    if (first == second)
        return;
    const Location a = channelLocation(first);
    const Location b = channelLocation(second);
    for (int k = 0; k < kRecordSize; ++k) {
        const std::uint8_t fromA = store.byte(a.index + k, a.block);
        store.setByte(a.index + k, a.block, store.byte(b.index + k, b.block));
        store.setByte(b.index + k, b.block, fromA);
    }
    for (auto bitOf : {activeBitLocation, secondBitLocation}) {
        const bool bitA = bitmapBit(store, bitOf(first));
        setBitmapBit(store, bitOf(first), bitmapBit(store, bitOf(second)));
        setBitmapBit(store, bitOf(second), bitA);
    }
}

void deleteChannels(BlockStore& store, const std::vector<int>& channels)
{
    for (const int channel : sortedChannels(channels))
        setChannelActive(store, channel, false);
}

Result<std::vector<int>> moveChannels(BlockStore& store, const std::vector<int>& channels, int step)
{
    std::vector<int> moving = sortedChannels(channels);
    if (moving.empty() || (step != 1 && step != -1))
        return moving;
    if (step < 0 && moving.front() == 0)
        return Error{"channel 1 is already at the top", {}};
    if (step > 0 && moving.back() == kChannelCount - 1)
        return Error{"channel 200 is already at the bottom", {}};
    // Upwards the highest channel of a run moves first into the place the
    // one above it left, downwards the lowest: so a run moves as one.
    if (step > 0)
        std::reverse(moving.begin(), moving.end());
    for (int& channel : moving) {
        swapChannels(store, channel, channel + step);
        channel += step;
    }
    return sortedChannels(moving);
}

Status insertChannel(BlockStore& store, int at)
{
    if (at < 0 || at >= kChannelCount)
        return Error{"no channel " + std::to_string(at + 1) + " to insert at", {}};
    if (isChannelActive(store, kChannelCount - 1))
        return Error{"channel 200 is in use and would be pushed out; delete it or move it first", {}};
    for (int channel = kChannelCount - 1; channel > at; --channel)
        swapChannels(store, channel, channel - 1);
    return {};
}

Status fillChannels(BlockStore& store, const std::vector<int>& channels, std::uint32_t start,
                    std::uint32_t step)
{
    const std::vector<int> filling = sortedChannels(channels);
    if (filling.empty())
        return {};
    const std::uint64_t last = std::uint64_t{start} + std::uint64_t{step} * (filling.size() - 1);
    if (last > 0xFFFFFFFFu)
        return Error{"the last frequency would be above 42949.67295 MHz, the most a channel holds", {}};
    // Every frequency of the series must be one the radio tunes.
    for (std::size_t i = 0; i < filling.size(); ++i) {
        if (const Status tuned = checkTuned(static_cast<std::uint32_t>(start + std::uint64_t{step} * i));
            !tuned)
            return tuned;
    }

    const ChannelRecordView model = ChannelRecordView::forChannel(store, filling.front());
    const bool active = isChannelActive(store, filling.front());
    const int mode = model.mode();
    const Shift shift = model.shift();
    const std::uint32_t second = model.txFrequency();
    const int txMode = model.txMode();
    const ToneMode toneMode = model.toneMode();
    const auto tone = static_cast<std::uint8_t>(model.toneNumber());
    const auto code = static_cast<std::uint8_t>(model.dcsNumber());
    const bool tagShown = model.tagShown();
    const std::string tag = model.tag();

    for (std::size_t i = 0; i < filling.size(); ++i) {
        ChannelRecord record = ChannelRecord::forChannel(store, filling[i]);
        record.setRxFrequency(static_cast<std::uint32_t>(start + std::uint64_t{step} * i));
        record.setMode(mode);
        record.setShift(shift);
        record.setTxFrequency(second);
        record.setTxMode(txMode);
        record.setToneMode(toneMode);
        record.setToneNumber(tone);
        record.setDcsNumber(code);
        record.setTagShown(tagShown);
        record.setTag(tag);
        setChannelActive(store, filling[i], active);
    }
    return {};
}

std::string copyChannelsCsv(const BlockStore& store, const std::vector<int>& channels)
{
    const std::vector<int> chosen = sortedChannels(channels);
    BlockStore only = store;
    for (int channel = 0; channel < kChannelCount; ++channel)
        if (!std::binary_search(chosen.begin(), chosen.end(), channel))
            setChannelActive(only, channel, false);
    return exportChannelsCsv(only);
}

CsvImport pasteChannelsCsv(const BlockStore& image, std::string_view text, int first)
{
    const std::size_t lineEnd = text.find_first_of("\r\n");
    const bool tabs = text.substr(0, lineEnd).find('\t') != std::string_view::npos;
    CsvTable table = tabs ? parseTabSeparated(text) : parseCsv(text);

    CsvImport result;
    result.store = image;
    result.problems = table.problems;
    std::erase_if(table.rows, isEmptyRow);
    if (table.rows.empty() && result.problems.empty())
        result.problems.push_back({1, "there are no rows to paste"});
    if (!result.problems.empty())
        return result;

    std::vector<std::string> header(kCsvColumns.begin(), kCsvColumns.end());
    std::map<int, int> originalLine; // line of the text given to import -> line of the pasted text
    std::size_t firstRow = 0;
    if (isHeaderRow(table.rows.front())) {
        header = table.rows.front().fields;
        originalLine[1] = table.rows.front().line;
        firstRow = 1;
    }
    if (firstRow == table.rows.size()) {
        result.problems.push_back({table.rows.front().line, "there are no rows to paste below the header"});
        return result;
    }
    std::size_t location = header.size();
    for (std::size_t i = 0; i < header.size(); ++i)
        if (trimmed(header[i]) == "Location")
            location = i;

    std::string csv = csvRow(header);
    int csvLine = 2;
    int channel = first;
    for (std::size_t r = firstRow; r < table.rows.size(); ++r, ++channel) {
        CsvRow row = table.rows[r];
        if (channel >= kChannelCount) {
            result.problems.push_back({row.line, "this row would go past channel 200"});
            continue;
        }
        if (location < row.fields.size())
            row.fields[location] = std::to_string(channel + 1);
        const std::string joined = csvRow(row.fields);
        originalLine[csvLine] = row.line;
        csvLine += static_cast<int>(std::count(joined.begin(), joined.end(), '\n'));
        csv += joined;
    }
    if (!result.problems.empty())
        return result;

    result = importChannelsCsv(image, csv);
    renumberLines(result.problems, originalLine);
    renumberLines(result.notes, originalLine);
    return result;
}

} // namespace ft817
