// Copying channels from the channel list as CSV and pasting rows back.

#include "exchange/channel_clipboard.h"
#include "image/channel_record.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "sim/default_memory.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ft817 {
namespace {

BlockStore defaultStore()
{
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
    return *BlockStore::load(*buildImageFile(memory.image, memory.blockLengths));
}

TEST(ChannelClipboard, CopyTakesTheActiveSelectedChannelsWithExportsHeader)
{
    const std::string csv = copyChannelsCsv(defaultStore(), {1, 8, 12});
    EXPECT_EQ(csv.substr(0, 9), "Location,");
    EXPECT_NE(csv.find("\n2,RPT R7,145.725000,-,"), std::string::npos);
    EXPECT_NE(csv.find(",Tag text,Tag shown\n"), std::string::npos);
    EXPECT_NE(csv.find(",RPT R7,yes\n"), std::string::npos);
    EXPECT_NE(csv.find("\n13,"), std::string::npos);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 3); // header, channels 2 and 13
}

TEST(ChannelClipboard, PasteWritesRowsFromTheChosenChannelOnWithOrWithoutHeaderOrTabs)
{
    BlockStore source = defaultStore();
    // A tag the radio does not show travels with its text and its flag.
    ChannelRecord::forChannel(source, 1).setTagShown(false);
    const std::string copied = copyChannelsCsv(source, {1, 2, 3});
    const std::string noHeader = copied.substr(copied.find('\n') + 1);
    std::string tabs = copied;
    std::replace(tabs.begin(), tabs.end(), ',', '\t');
    for (const std::string& text : {copied, noHeader, tabs}) {
        const CsvImport pasted = pasteChannelsCsv(source, text, 19);
        ASSERT_TRUE(pasted.ok()) << pasted.problems.front().text();
        EXPECT_EQ(pasted.channels, (std::vector<int>{19, 20, 21}));
        for (int i = 0; i < 3; ++i) {
            const ChannelRecordView from = ChannelRecordView::forChannel(source, 1 + i);
            const ChannelRecordView to = ChannelRecordView::forChannel(pasted.store, 19 + i);
            EXPECT_EQ(to.rxFrequency(), from.rxFrequency());
            EXPECT_EQ(to.shift(), from.shift());
            EXPECT_EQ(to.toneNumber(), from.toneNumber());
            EXPECT_EQ(to.tag(), from.tag());
            EXPECT_EQ(to.tagShown(), from.tagShown());
            EXPECT_TRUE(isChannelActive(pasted.store, 19 + i));
        }
    }
}

TEST(ChannelClipboard, PasteRefusesABadRowByItsLineOrRowsPastChannel200AndChangesNothing)
{
    const BlockStore store = defaultStore();
    const std::string copied = copyChannelsCsv(store, {0, 1});
    std::string bad = copied;
    bad.replace(bad.find("145.725000"), 10, "145.7250001");
    const CsvImport refused = pasteChannelsCsv(store, bad, 40);
    ASSERT_EQ(refused.problems.size(), 1u);
    EXPECT_EQ(refused.problems.front().line, 3);
    EXPECT_EQ(refused.store, store);

    const CsvImport tooFar = pasteChannelsCsv(store, copied, 199);
    ASSERT_FALSE(tooFar.ok());
    EXPECT_EQ(tooFar.problems.front().line, 3);
    EXPECT_NE(tooFar.problems.front().reason.find("past channel 200"), std::string::npos);

    EXPECT_FALSE(pasteChannelsCsv(store, "\n\n", 0).ok());
    EXPECT_FALSE(pasteChannelsCsv(store, copyChannelsCsv(store, {8}), 0).ok()); // the header alone
}

} // namespace
} // namespace ft817
