#include "exchange/channel_clipboard.h"

#include "exchange/csv_file.h"
#include "image/channel_rows.h"
#include "image/memory_map.h"
#include "text/text_format.h"

#include <algorithm>
#include <map>

namespace ft817 {
namespace {

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
