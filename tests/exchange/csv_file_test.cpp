// The CSV reader and writer, whatever the columns mean.

#include "exchange/csv_file.h"

#include <gtest/gtest.h>

namespace ft817 {
namespace {

TEST(CsvText, QuotedFieldsHoldCommasQuotesAndLineBreaks)
{
    const CsvTable table = parseCsv("\xEF\xBB\xBF"
                                    "a,\"b,c\",\"say \"\"hi\"\"\"\r\n"
                                    "\n"
                                    "\"two\nlines\",,x\n"
                                    "last,row,here");
    ASSERT_TRUE(table.problems.empty());
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0].line, 1);
    EXPECT_EQ(table.rows[0].fields, (std::vector<std::string>{"a", "b,c", "say \"hi\""}));
    EXPECT_EQ(table.rows[1].line, 3);
    EXPECT_EQ(table.rows[1].fields, (std::vector<std::string>{"two\nlines", "", "x"}));
    EXPECT_EQ(table.rows[2].line, 5);
    EXPECT_EQ(table.rows[2].fields, (std::vector<std::string>{"last", "row", "here"}));
}

TEST(CsvText, MalformedRowsAreNamedByLineAndTheRestIsRead)
{
    const CsvTable table = parseCsv("ok,1\n"
                                    "\"closed\"x,2\n"
                                    "in\"side,3\n"
                                    "ok,4\n"
                                    "\"never closed,5\nmore\n");
    ASSERT_EQ(table.problems.size(), 3u);
    EXPECT_EQ(table.problems[0].line, 2);
    EXPECT_NE(table.problems[0].reason.find("after a closing quote"), std::string::npos);
    EXPECT_EQ(table.problems[1].line, 3);
    EXPECT_EQ(table.problems[2].line, 5);
    EXPECT_NE(table.problems[2].reason.find("never closed"), std::string::npos);
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[1].line, 4);
}

TEST(CsvText, WrittenFieldsReadBackUnchanged)
{
    const std::vector<std::string> fields = {"plain", "a,b", "q\"q", " lead", "trail ", "line\nbreak", ""};
    std::string row;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            row += ',';
        row += csvField(fields[i]);
    }
    EXPECT_EQ(csvField("plain"), "plain");
    EXPECT_EQ(csvField("q\"q"), "\"q\"\"q\"");
    const CsvTable table = parseCsv(row + "\n");
    ASSERT_EQ(table.rows.size(), 1u);
    EXPECT_EQ(table.rows[0].fields, fields);
}

// A spreadsheet's copy of cells: tabs between fields, commas are text, and
// quotes never make a row malformed.
TEST(CsvText, TabSeparatedTextIsReadWithSpreadsheetQuotes)
{
    const CsvTable table = parseCsv("a,b\t\"say \"\"hi\"\"\"\t12\" dish\r\n"
                                    "\n"
                                    "\"open\t\"a\"b\"\t\"\"\n"
                                    "\tlast\t",
                                    kTabSeparated);
    ASSERT_TRUE(table.problems.empty());
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0].fields, (std::vector<std::string>{"a,b", "say \"hi\"", "12\" dish"}));
    EXPECT_EQ(table.rows[1].line, 3);
    EXPECT_EQ(table.rows[1].fields, (std::vector<std::string>{"\"open", "a\"b", ""}));
    EXPECT_EQ(table.rows[2].line, 4);
    EXPECT_EQ(table.rows[2].fields, (std::vector<std::string>{"", "last", ""}));

    // Commas separate fields only where they are the separator.
    EXPECT_EQ(parseCsv("a\tb,c\n").rows[0].fields, (std::vector<std::string>{"a\tb", "c"}));
}

} // namespace
} // namespace ft817
