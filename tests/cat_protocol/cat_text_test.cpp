#include "cat_protocol/cat_text.h"

#include <gtest/gtest.h>

namespace ft817 {
namespace {

struct SendCase {
    const char* text;
    CatCommand bytes;
};

TEST(CatText, DigitsPairFromTheEndIntoPackedBcd)
{
    const SendCase cases[] = {
        {"43970000", {0x43, 0x97, 0x00, 0x00, 0x01}}, // 439.700 MHz
        {"14525000", {0x14, 0x52, 0x50, 0x00, 0x01}}, // eight digits fill all four bytes
        {"1452500", {0x01, 0x45, 0x25, 0x00, 0x01}},  // lone leading digit in a low nibble
        {"145250", {0x00, 0x14, 0x52, 0x50, 0x01}},   // six: byte 0 untouched
        {"14525", {0x00, 0x01, 0x45, 0x25, 0x01}},    // five: the least that sends
        {"00000", {0x00, 0x00, 0x00, 0x00, 0x01}},    // lowest
        {"99999999", {0x99, 0x99, 0x99, 0x99, 0x01}}, // highest
        {"50000", {0x00, 0x05, 0x00, 0x00, 0x01}},    // "5" alone becomes 0x05
        {"12000", {0x00, 0x01, 0x20, 0x00, 0x01}},    // "12" straddles two bytes here
        {"012345", {0x00, 0x01, 0x23, 0x45, 0x01}},   // "12" paired gives 0x12, not 3
    };
    for (const SendCase& c : cases) {
        SCOPED_TRACE(c.text);
        const CatTextReading build = readCatText(c.text);
        ASSERT_TRUE(build.command.has_value());
        EXPECT_EQ(*build.command, c.bytes);
        EXPECT_TRUE(build.reason.empty());
    }
}

TEST(CatText, ShortTextsSendNothingAndSayNothing)
{
    for (const char* text : {"", "1", "12", "123", "1234", "abcd", "é12"}) {
        SCOPED_TRACE(text);
        const CatTextReading build = readCatText(text);
        EXPECT_FALSE(build.command.has_value());
        EXPECT_TRUE(build.reason.empty());
    }
}

TEST(CatText, BadTextsSendNothingAndSayWhy)
{
    const struct {
        const char* text;
        const char* reasonPart;
    } cases[] = {
        {"Text1", "digits only"}, // the box's initial text
        {"1452500a", "digits only"}, {"14 525", "digits only"},     {"-14525", "digits only"},
        {"1452.50", "digits only"},  {"１４５２５", "digits only"}, // full-width digits are not digits
        {"123456789", "at most 8"},  {"000000000000", "at most 8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const CatTextReading build = readCatText(c.text);
        EXPECT_FALSE(build.command.has_value());
        EXPECT_NE(build.reason.find(c.reasonPart), std::string::npos) << build.reason;
    }
}

TEST(CatText, MeaningNamesTheFrequency)
{
    EXPECT_EQ(readCatText("43970000").meaning, "set frequency 439.70000 MHz");
    EXPECT_EQ(readCatText("14525").meaning, "set frequency 0.14525 MHz");
    EXPECT_EQ(readCatText("00145250").meaning, "set frequency 1.45250 MHz");
}

} // namespace
} // namespace ft817
