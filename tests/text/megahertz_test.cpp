// MHz text as every cell, box, file column and option reads it.

#include "text/megahertz.h"

#include <gtest/gtest.h>

namespace ft817 {
namespace {

TEST(Megahertz, TypedTextMayCarryExportsSixthDecimalButNothingFiner)
{
    EXPECT_EQ(*typedMegahertz(" 145.6125 "), 14'561'250u);
    EXPECT_EQ(*typedMegahertz("145.612500"), 14'561'250u);
    const Result<std::uint32_t> finer = typedMegahertz("145.612501");
    ASSERT_FALSE(finer);
    EXPECT_EQ(finer.error().message, "\"145.612501\" has more than 5 decimals; channels hold 10 Hz steps");
    EXPECT_EQ(parseMegahertz("145.612501").error().message,
              "\"145.612501\" MHz is finer than the radio's 10 Hz steps");
}

// The simulated radio's --vfo takes any number of decimals, as it always did.
TEST(Megahertz, FinerDigitsRoundToTheNearestTenHertzWhereAsked)
{
    EXPECT_EQ(*parseMegahertz("145.612345", FinerDigits::Rounded), 14'561'235u);
    EXPECT_EQ(*parseMegahertz("145.6123449", FinerDigits::Rounded), 14'561'234u);
    EXPECT_EQ(*parseMegahertz("7", FinerDigits::Rounded), 700'000u);
}

TEST(Megahertz, RefusalsQuoteWhatWasGivenSafelyForATerminal)
{
    EXPECT_EQ(parseMegahertz("14\x1b[2J").error().message, "\"14\\x1B[2J\" is not a frequency in MHz");
}

} // namespace
} // namespace ft817
