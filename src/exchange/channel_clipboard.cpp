#include "exchange/channel_clipboard.h"

#include "exchange/csv_file.h"
#include "image/channel_rows.h"
#include "image/memory_map.h"
#include "text/text_format.h"

#include <algorithm>

namespace ft817 {
namespace {

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

} // namespace

std::string copyChannelsCsv(const BlockStore& store, const std::vector<int>& channels)
{
    const std::vector<int> chosen = sortedChannels(channels);
    BlockStore only = store;
    for (int channel = 0; channel < kChannelCount; ++channel)
        if (!std::binary_search(chosen.begin(), chosen.end(), channel))
            setChannelActive(only, channel, false);
    return exportChannelsCsv(only, CsvTags::AllWithShownFlag);
}

CsvImport pasteChannelsCsv(const BlockStore& image, std::string_view text, int first)
{
    const std::size_t lineEnd = text.find_first_of("\r\n");
    const bool tabs = text.substr(0, lineEnd).find('\t') != std::string_view::npos;
    CsvTable table = parseCsv(text, tabs ? kTabSeparated : kCommaSeparated);

    CsvImport result;
    result.store = image;
    result.problems = table.problems;
    std::erase_if(table.rows, isEmptyRow);
    if (table.rows.empty() && result.problems.empty())
        result.problems.push_back({1, "there are no rows to paste"});
    if (!result.problems.empty())
        return result;

    // Import reads the first row as the header: export's own when the text has none.
    CsvTable rows;
    std::size_t firstRow = 0;
    if (isHeaderRow(table.rows.front())) {
        rows.rows.push_back(table.rows.front());
        firstRow = 1;
    } else {
        // Rows copied from the list carry the tag columns too; other rows are
        // export's columns, as many as the first row has (other programs' rows
        // stop after the common ones).
        std::vector<std::string> header = csvHeader(CsvTags::AllWithShownFlag);
        const std::size_t fields = table.rows.front().fields.size();
        if (fields != header.size()) {
            header = csvHeader(CsvTags::ShownInName);
            header.resize(std::clamp(fields, kCommonCsvColumns, header.size()));
        }
        rows.rows.push_back({0, std::move(header)});
    }
    if (firstRow == table.rows.size()) {
        result.problems.push_back({table.rows.front().line, "there are no rows to paste below the header"});
        return result;
    }
    rows.rows.reserve(1 + table.rows.size() - firstRow);
    const std::vector<std::string>& header = rows.rows.front().fields;
    const auto location =
        static_cast<std::size_t>(std::find_if(header.begin(), header.end(),
                                              [](const std::string& f) { return trimmed(f) == "Location"; }) -
                                 header.begin());

    int channel = first;
    for (std::size_t r = firstRow; r < table.rows.size(); ++r, ++channel) {
        CsvRow row = table.rows[r];
        if (channel >= kChannelCount) {
            result.problems.push_back({row.line, "this row would go past channel 200"});
            continue;
        }
        if (location < row.fields.size())
            row.fields[location] = std::to_string(channel + 1);
        rows.rows.push_back(std::move(row));
    }
    if (!result.problems.empty())
        return result;
    return importChannelsTable(image, rows);
}

} // namespace ft817
