// The reading rule for typed numbers and the frequency commit, as tables.

#include "text/number_reading.h"

#include <gtest/gtest.h>

#include <random>

namespace ft817 {
namespace {

struct WholeCase {
    const char* text;
    std::int64_t expected;
};

TEST(NumberReading, ReadsAndRoundsHalfToEven)
{
    const WholeCase cases[] = {
        {"144.5", 144},
        {"145.5", 146},
        {"12.5", 12},
        {"13.5", 14},
        {"0.5", 0},
        {"1.5", 2},
        {"2.5", 2},
        {"-2.5", -2},
        {"-3.5", -4},
        {"144.51", 145},
        {"144.49999", 144},
        {"144.500", 144},
        {"7000000x", 7000000},
        {"x7000000", 0},
        {"12abc", 12},
        {"", 0},
        {"   ", 0},
        {"  700000", 700000},
        {" 17", 17},
        {"-5", -5},
        {"  -5", -5},
        {"5-3", 5},
        {"--5", 0},
        {"-", 0},
        {".", 0},
        {".5", 0},
        {".51", 1},
        {"5.", 5},
        {"1 2 3", 123},
        {"\t42", 42},
        {"+7", 7},
        {"+-7", 0},
        {"1e5", 1},
        {"1.2.3", 1},
        {"0049", 49},
        {"-0.3", 0},
        {"00000000", 0},
        {"99999999", 99999999},
        {"abc", 0},
        {"1,5", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readWholeNumber(c.text), c.expected) << '"' << c.text << '"';
}

TEST(NumberReading, HalvesAreExactInLongTexts)
{
    // A binary fraction would lose the half here; the digits themselves keep it.
    EXPECT_EQ(readWholeNumber("9007199254740993.5"), 9007199254740994);
    EXPECT_EQ(readWholeNumber("9007199254740992.5"), 9007199254740992);
    EXPECT_EQ(readWholeNumber("2.50000000000000000000000001"), 3);
}

TEST(NumberReading, HugeNumbersAreHeldNotOverflowed)
{
    const std::string digits(400, '9');
    const TypedNumber number = readNumber(digits);
    EXPECT_EQ(number.whole, TypedNumber::kMaxWhole);
    EXPECT_TRUE(number.isGreaterThan(200));
    EXPECT_EQ(readNumber("-" + digits).rounded(), -static_cast<std::int64_t>(TypedNumber::kMaxWhole));
}

TEST(NumberReading, ComparesExactly)
{
    EXPECT_TRUE(readNumber("49.4").isGreaterThan(49));
    EXPECT_FALSE(readNumber("49.0").isGreaterThan(49));
    EXPECT_FALSE(readNumber("49").isGreaterThan(49));
    EXPECT_TRUE(readNumber("50").isGreaterThan(49));
    EXPECT_TRUE(readNumber("-0.3").isNegative());
    EXPECT_FALSE(readNumber("-0").isNegative());
    EXPECT_FALSE(readNumber("-0.000").isNegative());
    EXPECT_TRUE(readNumber("-0").isGreaterThan(-5));
    EXPECT_TRUE(readNumber("-4.9").isGreaterThan(-5));
    EXPECT_FALSE(readNumber("-5.1").isGreaterThan(-5));
    EXPECT_FALSE(readNumber("-5").isGreaterThan(-5));
    EXPECT_FALSE(readNumber("abc").hasDigits);
}

// The four record bytes a frequency is stored as, most significant first.
std::array<std::uint8_t, 4> bigEndian(std::uint32_t v)
{
    return {static_cast<std::uint8_t>(v >> 24), static_cast<std::uint8_t>(v >> 16),
            static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
}

struct FrequencyCase {
    const char* text;
    std::array<std::uint8_t, 4> expected;
};

TEST(FrequencyCommit, StoresBigEndianFromLastEightCharacters)
{
    const FrequencyCase cases[] = {
        {"  700000", {0x00, 0x0A, 0xAE, 0x60}},
        {"700000", {0x00, 0x0A, 0xAE, 0x60}},
        {"14520000", {0x00, 0xDD, 0x8E, 0xC0}},
        {"99999999", {0x05, 0xF5, 0xE0, 0xFF}},
        {"123456789", {0x01, 0x65, 0xEC, 0x15}},
        {"7000000.5", {0, 0, 0, 0}},
        {"7000000x", {0x00, 0x6A, 0xCF, 0xC0}},
        {"x7000000", {0, 0, 0, 0}},
        {"", {0, 0, 0, 0}},
        {"abc", {0, 0, 0, 0}},
        {"144.5", {0, 0, 0, 144}},
        {"145.5", {0, 0, 0, 146}},
        {"+7000000", {0x00, 0x6A, 0xCF, 0xC0}},
        {"1234567-5", {0x00, 0x03, 0x94, 0x47}},  // last eight: 234567-5
        {"4294967295", {0x05, 0xA9, 0x15, 0xFF}}, // last eight: 94967295
        {"9-0.3", {0, 0, 0, 9}},
        {"-0", {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const auto frequency = typedFrequency(c.text);
        ASSERT_TRUE(frequency.has_value()) << '"' << c.text << '"';
        EXPECT_EQ(bigEndian(*frequency), c.expected) << '"' << c.text << '"';
    }
}

TEST(FrequencyCommit, NegativeEntryStoresNothing)
{
    for (const char* text : {"-5", "-7000000", " -1", "-0.3", "abc-1234567", "- 5"})
        EXPECT_FALSE(typedFrequency(text).has_value()) << '"' << text << '"';
}

TEST(FrequencyCommit, ReadsEveryEightDigitValueExactly)
{
    std::mt19937 random(817);
    std::uniform_int_distribution<std::uint32_t> values(0, 99'999'999);
    for (int i = 0; i < 5000; ++i) {
        const std::uint32_t v = i < 10 ? static_cast<std::uint32_t>(i) : values(random);
        ASSERT_EQ(typedFrequency(std::to_string(v)), v);
    }
}

struct ChannelCase {
    std::string text;
    int expected;
};

TEST(TypedChannel, ClampsToTheTwoHundredChannels)
{
    const ChannelCase cases[] = {
        {"0", 0},     {"-5", 0},  {"abc", 0},  {"", 0},        {"250", 199},  {"200", 199},
        {"201", 199}, {"1", 0},   {" 17", 16}, {"12abc", 11},  {" 200", 199}, {"2.5", 1},
        {"3.5", 3},   {"2.7", 2}, {"0.4", 0},  {"200.5", 199}, {"1.5", 1},    {std::string(300, '9'), 199},
    };
    for (const auto& c : cases)
        EXPECT_EQ(typedChannelIndex(c.text), c.expected) << '"' << c.text << '"';
}

struct ClampCase {
    const char* text;
    int highest;
    const char* newText; // nullptr: the box keeps its text
    std::uint8_t stored;
};

TEST(NumberEntryClamp, ClampsOnTheBoxText)
{
    const ClampCase cases[] = {
        {"50", 49, "49", 49},         {"104", 103, "103", 103},
        {"-3", 49, "0", 0},           {"-3", 103, "0", 0},
        {"49.4", 49, "49", 49},       {"12.5", 49, nullptr, 12},
        {"13.5", 49, nullptr, 14},    {"", 49, nullptr, 0},
        {"abc", 103, nullptr, 0},     {" 8", 49, nullptr, 8},
        {"49", 49, nullptr, 49},      {"48.6", 49, nullptr, 49},
        {"-0.3", 49, "0", 0},         {"-0", 49, nullptr, 0},
        {"103.0", 103, nullptr, 103}, {"99999999999999999999999", 49, "49", 49},
    };
    for (const auto& c : cases) {
        const ClampedEntry entry = clampNumberEntry(c.text, c.highest);
        if (c.newText)
            EXPECT_EQ(entry.newText, std::optional<std::string>(c.newText)) << '"' << c.text << '"';
        else
            EXPECT_FALSE(entry.newText.has_value()) << '"' << c.text << '"';
        EXPECT_EQ(entry.stored, c.stored) << '"' << c.text << '"';
    }
}

TEST(TagEntry, PadsToEightAndStoresSingleBytes)
{
    EXPECT_EQ(paddedTag(u"ABC"), u"ABC     ");
    EXPECT_EQ(paddedTag(u""), u"        ");
    EXPECT_EQ(paddedTag(u"ABCDEFGH"), u"ABCDEFGH");
    EXPECT_EQ(paddedTag(u"ABCDEFGHIJ"), u"ABCDEFGHIJ");
    using Tag = std::array<std::uint8_t, 8>;
    EXPECT_EQ(tagBytes(u"ABC"), (Tag{0x41, 0x42, 0x43, 0x20, 0x20, 0x20, 0x20, 0x20}));
    EXPECT_EQ(tagBytes(u""), (Tag{0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20}));
    EXPECT_EQ(tagBytes(u"ABCDEFGHIJ"), (Tag{'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'}));
    // Latin-1 characters keep their code; others become "?".
    EXPECT_EQ(tagBytes(u"\u00C5\u00FCx\u20AC"), (Tag{0xC5, 0xFC, 'x', '?', 0x20, 0x20, 0x20, 0x20}));
}

} // namespace
} // namespace ft817
