// The radio's CTCSS and DCS tables and the lookups between numbers, hertz and codes.

#include "image/tone_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace ft817 {
namespace {

TEST(ToneTables, NumbersTheRadioUsesMapToTheRightToneAndCode)
{
    EXPECT_EQ(ctcssHertz(8), 88.5);
    EXPECT_EQ(ctcssHertz(0), 67.0);
    EXPECT_EQ(ctcssHertz(49), 254.1);
    EXPECT_EQ(ctcssHertzText(12), "100.0");
    EXPECT_EQ(ctcssText(8), "88.5 Hz");
    EXPECT_EQ(dcsCode(0), 23);
    EXPECT_EQ(dcsCodeText(0), "023");
    EXPECT_EQ(dcsText(0), "DCS 023");
    EXPECT_EQ(dcsCodeText(5), "036");
    EXPECT_EQ(dcsCodeText(103), "754");
}

TEST(ToneTables, NumbersOutsideTheTablesFindNothing)
{
    for (const int number : {-1, 50, 103, 255}) {
        EXPECT_FALSE(ctcssHertz(number)) << number;
        EXPECT_EQ(ctcssHertzText(number), "") << number;
        EXPECT_EQ(ctcssText(number), "not in the radio's table") << number;
    }
    for (const int number : {-1, 104, 255}) {
        EXPECT_FALSE(dcsCode(number)) << number;
        EXPECT_EQ(dcsCodeText(number), "") << number;
        EXPECT_EQ(dcsText(number), "not in the radio's table") << number;
    }
}

TEST(ToneTables, EveryEntryLooksUpBackToItsNumber)
{
    for (int number = 0; number < kCtcssToneCount; ++number) {
        EXPECT_EQ(ctcssNumberForHertz(*ctcssHertz(number)), number);
        EXPECT_EQ(parseCtcssHertz(ctcssHertzText(number)), number);
        if (number > 0) {
            EXPECT_LT(kCtcssTenthsOfHertz[static_cast<std::size_t>(number - 1)],
                      kCtcssTenthsOfHertz[static_cast<std::size_t>(number)]);
        }
    }
    for (int number = 0; number < kDcsCodeCount; ++number) {
        EXPECT_EQ(dcsNumberForCode(*dcsCode(number)), number);
        EXPECT_EQ(parseDcsCode(dcsCodeText(number)), number);
        if (number > 0) {
            EXPECT_LT(kDcsCodes[static_cast<std::size_t>(number - 1)],
                      kDcsCodes[static_cast<std::size_t>(number)]);
        }
    }
}

TEST(ToneTables, HertzMatchAfterRoundingToATenth)
{
    EXPECT_EQ(ctcssNumberForHertz(88.54), 8);
    EXPECT_EQ(ctcssNumberForHertz(88.46), 8);
    EXPECT_FALSE(ctcssNumberForHertz(88.56)); // 88.6 Hz is not a tone
    EXPECT_FALSE(ctcssNumberForHertz(88.0));
    EXPECT_FALSE(ctcssNumberForHertz(-88.5));
    EXPECT_FALSE(ctcssNumberForHertz(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(ctcssNumberForHertz(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(ctcssNumberForHertz(1e300));
}

TEST(ToneTables, ReadsToneAndCodeText)
{
    struct Case {
        const char* text;
        std::optional<int> tone;
        std::optional<int> code;
    };
    const Case cases[] = {
        {"88.5", 8, std::nullopt},
        {" 100 ", 12, std::nullopt},
        {"67.00", 0, std::nullopt},
        {"023", std::nullopt, 0},
        {"23", std::nullopt, 0},
        {"754", std::nullopt, 103},
        {"", std::nullopt, std::nullopt},
        {"abc", std::nullopt, std::nullopt},
        {"-88.5", std::nullopt, std::nullopt},
        {"88.5Hz", std::nullopt, std::nullopt},
        {"024", std::nullopt, std::nullopt},
        {"0230", std::nullopt, std::nullopt},
        {"08", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseCtcssHertz(c.text), c.tone) << c.text;
        EXPECT_EQ(parseDcsCode(c.text), c.code) << c.text;
    }
}

} // namespace
} // namespace ft817
