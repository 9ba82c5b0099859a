#pragma once
// CSV text in general, whatever its columns mean: cutting a text into rows of
// fields, and writing one field. Plain C++, no knowledge of the radio.

#include <string>
#include <string_view>
#include <vector>

namespace ft817 {

// Something wrong (or worth knowing) about one line of a CSV file.
struct CsvProblem {
    int line = 0;       // 1-based line of the file where the row starts
    std::string reason; // what is wrong, fit to follow "line N: "
    // "line N: reason".
    std::string text() const { return "line " + std::to_string(line) + ": " + reason; }
    friend bool operator==(const CsvProblem&, const CsvProblem&) = default;
};

// One row of a CSV file: its fields with quoting removed.
struct CsvRow {
    int line = 0;
    std::vector<std::string> fields;
};

// A CSV text cut into rows; malformed rows are left out and named in problems.
struct CsvTable {
    std::vector<CsvRow> rows;
    std::vector<CsvProblem> problems;
};

// How a text separates its fields and how strictly it is read.
struct CsvFormat {
    char separator = ',';
    // Quotes as a spreadsheet's copy of cells has them: a field runs to the
    // next separator or line end whatever it holds, and one wholly in double
    // quotes loses them (inner pairs become one). No row is ever malformed.
    bool lenientQuotes = false;
};
// Comma-separated files as export writes them.
inline constexpr CsvFormat kCommaSeparated{};
// Tab-separated text, as spreadsheets put copied cells on the clipboard.
inline constexpr CsvFormat kTabSeparated{'\t', true};

// Cuts CSV text into rows: fields separated by the format's separator, a
// field in double quotes may hold separators, line breaks and doubled quotes
// (unless the quotes are lenient); LF, CRLF and CR end rows; blank lines and a
// leading UTF-8 byte order mark are skipped.
CsvTable parseCsv(std::string_view text, CsvFormat format = kCommaSeparated);
// One field as CSV writes it: in double quotes (inner quotes doubled) when it
// holds a comma, quote, line break, or leading or trailing blank.
std::string csvField(std::string_view text);
// One row as CSV writes it: its fields joined by commas, then a line break.
std::string csvRow(const std::vector<std::string>& fields);

} // namespace ft817
