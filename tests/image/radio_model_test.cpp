#include "image/radio_model.h"

#include <gtest/gtest.h>

namespace ft817 {
namespace {

TEST(RadioModel, FiveRadiosWithTheirBlockCountsAndCloneBytes)
{
    const auto& layouts = knownRadioModels();
    ASSERT_EQ(layouts.size(), 5u);
    const std::vector<std::pair<int, int>> expected = {
        {50, 6609}, {50, 6621}, {51, 6753}, {50, 6673}, {51, 6805}};
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        EXPECT_EQ(layouts[i].blockCount(), expected[i].first) << layouts[i].name;
        EXPECT_EQ(layouts[i].cloneBytes(), expected[i].second) << layouts[i].name;
        EXPECT_EQ(radioModelOf(layouts[i].payloadLengths), &layouts[i]);
    }
}

TEST(RadioModel, UnknownLengthsAndPrefixes)
{
    const auto& ft817 = knownRadioModels()[0].payloadLengths;
    std::vector<int> cut(ft817.begin(), ft817.end() - 1);
    EXPECT_EQ(radioModelOf(cut), nullptr);
    EXPECT_EQ(radioModelOf(std::vector<int>{300, 300}), nullptr);

    EXPECT_EQ(radioModelsStartingWith({}).size(), 5u);
    // Blocks 0..48 are the same on the three FT-817 radios; block 3 rules out the FT-818s.
    EXPECT_EQ(radioModelsStartingWith(cut).size(), 3u);
    EXPECT_EQ(radioModelsStartingWith(std::vector<int>{2, 40, 208, 208}).size(), 2u);
    EXPECT_TRUE(radioModelsStartingWith(std::vector<int>{2, 41}).empty());
}

} // namespace
} // namespace ft817
