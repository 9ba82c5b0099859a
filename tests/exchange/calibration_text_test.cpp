// The calibration backup's text: written, read back, refused when not whole, compared.
#include "exchange/calibration_text.h"

#include <gtest/gtest.h>

namespace ft817 {
namespace {

Bytes sampleBytes()
{
    Bytes bytes(85);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 29 + 1);
    bytes[4] = 0xD8;
    bytes[5] = 0xBF;
    return bytes;
}

TEST(CalibrationText, OneLinePerByteWithHeaderAndNamesAndReadsBack)
{
    const std::string text = calibrationText(sampleBytes(), "2026-12-09 15:04:05");
    EXPECT_EQ(text.substr(0, text.find('\n')),
              "# ft817clone calibration backup, 2026-12-09 15:04:05, radio version bytes D8 BF");
    EXPECT_NE(text.find("\n0x0004  0xD8  216  radio version"), std::string::npos);
    EXPECT_NE(text.find("\n0x0007  0xCC  204  HF1RXG (soft calibration item 01)\n"), std::string::npos);
    EXPECT_NE(text.find("\n0x0054  0x"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 86);
    const Result<CalibrationBackup> back = readCalibrationText(text);
    ASSERT_TRUE(back) << back.error().message;
    EXPECT_EQ(back->bytes, sampleBytes());
    EXPECT_NE(calibrationJson(*back).find("\"version\": \"D8 BF\""), std::string::npos);
}

TEST(CalibrationText, TextThatIsNotWholeIsRefusedNamingTheLine)
{
    const std::string text = calibrationText(sampleBytes(), "2026-12-09 15:04:05");
    const auto without = [&](const std::string& line) {
        std::string changed = text;
        changed.erase(changed.find(line), line.size());
        return changed;
    };
    const struct {
        std::string text;
        const char* why;
    } cases[] = {
        {without("0x0010"), "line 18"},
        {text.substr(0, text.rfind("0x0054")), "0x0054 is missing"},
        {text + "0x0003  0x58   88\n", "0x0003 comes twice"},
        {without(" 216") + "", "line 6"},
        {text.substr(text.find('\n') + 1), "line 1: the first line must be the header"},
        {std::string(), "the file is empty"},
    };
    for (const auto& c : cases) {
        const Result<CalibrationBackup> back = readCalibrationText(c.text);
        ASSERT_FALSE(back) << c.why;
        EXPECT_NE(back.error().message.find(c.why), std::string::npos) << back.error().message;
    }
}

// Every byte line is read exactly as it is written; a line that is anything
// else (a sign, a blank too few, text after the value) is refused and never
// stores a byte anywhere.
TEST(CalibrationText, MalformedByteLinesAreRefusedWithTheLineAndReason)
{
    const std::string text = calibrationText(sampleBytes(), "2026-12-09 15:04:05");
    const std::string line3 = "0x0003  0x58   88  EEPROM checksum\n";
    ASSERT_NE(text.find(line3), std::string::npos);
    const auto with = [&](const std::string& line) {
        std::string changed = text;
        changed.replace(changed.find(line3), line3.size(), line + "\n");
        return changed;
    };
    const struct {
        std::string line;
        const char* why;
    } cases[] = {
        {"0x-001  0x40   64", "line 5: the line must begin with the address as 0x and four hexadecimal"},
        {"0x+003  0x58   88", "line 5: the line must begin with the address"},
        {"0x0x03  0x58   88", "line 5: the line must begin with the address"},
        {"0x0055  0x58   88", "line 5: address 0x0055 is past 0x0054"},
        {"0x0003 0x-1 -1", "line 5: two blanks and the value as 0x and two hexadecimal digits"},
        {"0x0003  0x58  -88",
         "line 5: two blanks and the value in decimal, in three columns, must follow 0x58"},
        {"0x0003  0x58 88", "line 5: two blanks and the value in decimal"},
        {"0x0003  0x58   89", "line 5: 0x58 is 88, not 89"},
        {"0x0003  0x58  088", "line 5: the value in decimal is written without leading zeros"},
        {"0x0003  0x58   88 trailing", "line 5: only two blanks and \"EEPROM checksum\" may follow"},
        {"0x0003  0x58   88 ", "line 5: only two blanks"},
        {"0x0006  0xAF  175  note", "line 5: nothing may follow the value at 0x0006"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const Result<CalibrationBackup> back = readCalibrationText(with(c.line));
        ASSERT_FALSE(back);
        EXPECT_NE(back.error().message.find(c.why), std::string::npos) << back.error().message;
    }
}

TEST(CalibrationText, ByteOrderMarkLineEndsAndNamelessLinesAreRead)
{
    std::string text = calibrationText(sampleBytes(), "2026-12-09 15:04:05");
    std::string crlf = "\xEF\xBB\xBF";
    for (const char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    // The names are the writer's own; a line without one still holds its byte.
    text.replace(text.find("  HF1RXG (soft calibration item 01)"), 35, "");
    for (const std::string& form : {crlf, text, text + "\n# kept before the repair\n"}) {
        const Result<CalibrationBackup> back = readCalibrationText(form);
        ASSERT_TRUE(back) << back.error().message;
        EXPECT_EQ(back->bytes, sampleBytes());
        EXPECT_EQ(back->header.substr(0, 29), "ft817clone calibration backup");
    }
}

TEST(CalibrationText, ComparisonListsOnlyTheBytesThatDiffer)
{
    CalibrationBackup a{"a", sampleBytes()};
    CalibrationBackup b = a;
    EXPECT_TRUE(calibrationDifferences(a, b).empty());
    EXPECT_EQ(calibrationComparison(a, b), "");
    b.bytes[7] = 0x80;
    b.bytes[0x40] = 0x00;
    EXPECT_EQ(calibrationDifferences(a, b), (std::vector<int>{7, 0x40}));
    EXPECT_EQ(calibrationComparison(a, b).substr(0, 60),
              "0x0007  0xCC 204 -> 0x80 128  HF1RXG (soft calibration item ");
    EXPECT_NE(calibrationComparisonJson(a, b).find("{\"address\": 64, \"a\": "), std::string::npos);
}

} // namespace
} // namespace ft817
