#include "exchange/csv_file.h"

#include <optional>

namespace ft817 {

namespace {

// Cuts one row starting at pos; advances pos past its line end and line by
// the line breaks read.
struct RowReader {
    std::string_view text;
    CsvFormat format;
    std::size_t pos = 0;
    int line = 1;

    bool atEnd() const { return pos >= text.size(); }

    // Consumes a line end at pos if there is one.
    bool takeLineEnd()
    {
        if (atEnd())
            return true;
        if (text[pos] == '\n') {
            ++pos;
            ++line;
            return true;
        }
        if (text[pos] == '\r') {
            ++pos;
            if (!atEnd() && text[pos] == '\n')
                ++pos;
            ++line;
            return true;
        }
        return false;
    }

    void skipRestOfLine()
    {
        while (!atEnd() && text[pos] != '\n' && text[pos] != '\r')
            ++pos;
        takeLineEnd();
    }

    bool atFieldEnd() const
    {
        return atEnd() || text[pos] == format.separator || text[pos] == '\n' || text[pos] == '\r';
    }

    // A field up to the next separator or line end; one wholly in double
    // quotes loses them, and a doubled quote inside it becomes one.
    void readLenient(std::string& field)
    {
        while (!atFieldEnd())
            field += text[pos++];
        if (field.size() < 2 || field.front() != '"' || field.back() != '"')
            return;
        std::string inner;
        for (std::size_t i = 1; i + 1 < field.size(); ++i) {
            inner += field[i];
            if (field[i] == '"' && field[i + 1] == '"')
                ++i;
        }
        field = std::move(inner);
    }

    // One row, or why it is malformed (the rest of its line is skipped).
    std::optional<std::string> read(std::vector<std::string>& fields)
    {
        fields.assign(1, std::string());
        while (true) {
            std::string& field = fields.back();
            if (format.lenientQuotes) {
                readLenient(field);
            } else if (!atEnd() && text[pos] == '"') {
                const int opened = line;
                ++pos;
                while (true) {
                    if (atEnd())
                        return "a quote opened on line " + std::to_string(opened) + " is never closed";
                    const char c = text[pos];
                    if (c == '"') {
                        if (pos + 1 < text.size() && text[pos + 1] == '"') {
                            field += '"';
                            pos += 2;
                            continue;
                        }
                        ++pos;
                        break;
                    }
                    if (c == '\n' || (c == '\r' && !(pos + 1 < text.size() && text[pos + 1] == '\n')))
                        ++line;
                    field += c;
                    ++pos;
                }
                if (!atFieldEnd()) {
                    skipRestOfLine();
                    return std::string("text after a closing quote (a quote inside a field must be doubled)");
                }
            } else {
                while (!atFieldEnd()) {
                    if (text[pos] == '"') {
                        skipRestOfLine();
                        return std::string("a quote inside a field that does not start with one");
                    }
                    field += text[pos++];
                }
            }
            if (!atEnd() && text[pos] == format.separator) {
                ++pos;
                fields.emplace_back();
                continue;
            }
            takeLineEnd();
            return std::nullopt;
        }
    }
};

} // namespace

CsvTable parseCsv(std::string_view text, CsvFormat format)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    CsvTable table;
    RowReader reader{text, format};
    std::vector<std::string> fields;
    while (!reader.atEnd()) {
        const int line = reader.line;
        if (reader.takeLineEnd())
            continue; // blank line
        if (const auto problem = reader.read(fields))
            table.problems.push_back({line, *problem});
        else
            table.rows.push_back({line, fields});
    }
    return table;
}

std::string csvField(std::string_view text)
{
    const bool needsQuotes = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                             (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!needsQuotes)
        return std::string(text);
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

std::string csvRow(const std::vector<std::string>& fields)
{
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        out += csvField(fields[i]);
    }
    out += '\n';
    return out;
}

} // namespace ft817
