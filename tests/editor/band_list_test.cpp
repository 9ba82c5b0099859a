// Band list texts: band frequencies right-aligned for a fixed-pitch list.

#include "editor/band_list.h"

#include <gtest/gtest.h>

namespace ft817 {
namespace {

TEST(BandListText, SixToEightDigitsComeOutNineCharactersWide)
{
    const struct {
        std::uint32_t frequency;
        const char* text;
    } cases[] = {
        {14250000, " 14250000"},      {10000000, " 10000000"},
        {9999999, "  9999999"},       {7050000, "  7050000"},
        {1000000, "  1000000"},       {999999, "   999999"},
        {350000, "   350000"},        {100000, "   100000"},
        {18000, "   18000"},          {0, "   0"},
        {4294967295u, " 4294967295"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bandListText(c.frequency).toStdString(), c.text) << c.frequency;
}

} // namespace
} // namespace ft817
