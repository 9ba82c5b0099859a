// The shared text conversions, as tables.

#include "text/text_format.h"

#include <gtest/gtest.h>

#include <array>

namespace ft817 {
namespace {

TEST(TextFormat, MegahertzHasFiveDecimals)
{
    EXPECT_EQ(megahertzText(0), "0.00000");
    EXPECT_EQ(megahertzText(700000), "7.00000");
    EXPECT_EQ(megahertzText(14572500), "145.72500");
    EXPECT_EQ(megahertzText(4294967295u), "42949.67295");
}

TEST(TextFormat, HexPairsInEitherCase)
{
    const std::array<std::uint8_t, 5> bytes = {0x43, 0x97, 0x00, 0xAF, 0x01};
    EXPECT_EQ(hexBytes(bytes, " "), "43 97 00 AF 01");
    EXPECT_EQ(hexBytes(bytes, "", HexLetters::Lower), "439700af01");
    EXPECT_EQ(hexBytes({}, " "), "");
    EXPECT_EQ(hexByte(0x5A), "5A");
    EXPECT_EQ(hexByte(0xFF, HexLetters::Lower), "ff");
}

TEST(TextFormat, CountsInTheSingularOnlyForOne)
{
    EXPECT_EQ(countOf(1, "block", "blocks"), "1 block");
    EXPECT_EQ(countOf(0, "block", "blocks"), "0 blocks");
}

TEST(TextFormat, ListsInWordsEndWithOr)
{
    EXPECT_EQ(orList({}), "");
    EXPECT_EQ(orList({"50"}), "50");
    EXPECT_EQ(orList({"50", "51"}), "50 or 51");
    EXPECT_EQ(orList({"FT-817", "FT-817ND", "FT-818"}), "FT-817, FT-817ND or FT-818");
}

TEST(TextFormat, TrimsBlanksAndTabsOnly)
{
    EXPECT_EQ(trimmed("  a b\t"), "a b");
    EXPECT_EQ(trimmed("\t \t"), "");
    EXPECT_EQ(trimmed("\na\n"), "\na\n");
}

TEST(TextFormat, Latin1AndUtf8BothWays)
{
    EXPECT_EQ(latin1ToUtf8("A\xC5\xFF"), "A\u00C5\u00FF");
    EXPECT_EQ(utf8ToLatin1("A\u00C5\u00FF"), std::optional<std::string>("A\xC5\xFF"));
    EXPECT_FALSE(utf8ToLatin1("\u20AC").has_value());   // past U+00FF
    EXPECT_FALSE(utf8ToLatin1("\xC5").has_value());     // cut short
    EXPECT_FALSE(utf8ToLatin1("\xC1\x81").has_value()); // overlong "A"
}

} // namespace
} // namespace ft817
