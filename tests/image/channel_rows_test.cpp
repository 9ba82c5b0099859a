// Whole-channel operations of the channel list (delete, move, insert) and the record writers they use
// for the shift and the shown tag.

#include "image/channel_record.h"
#include "image/channel_rows.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "sim/default_memory.h"

#include <gtest/gtest.h>

namespace ft817 {
namespace {

BlockStore defaultStore()
{
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
    return *BlockStore::load(*buildImageFile(memory.image, memory.blockLengths));
}

std::array<std::uint8_t, kRecordSize> recordBytes(const BlockStore& store, int channel)
{
    return ChannelRecordView::forChannel(store, channel).bytes();
}

// ---- record writers ----

TEST(ChannelRecordShift, WritesBitsFiveToSevenAsRealRadiosKeepingTheRest)
{
    struct Case {
        std::uint8_t before;
        Shift shift;
        std::uint8_t after;
    };
    const Case cases[] = {
        {0x04, Shift::Simplex, 0x04}, {0x04, Shift::Minus, 0x64},   {0x05, Shift::Plus, 0xA5},
        {0x04, Shift::Split, 0xE4},   {0xE4, Shift::Simplex, 0x04}, {0xFF, Shift::Minus, 0x7F},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encodeShift(c.before, c.shift), c.after) << int(c.before) << " " << int(c.shift);
        EXPECT_EQ(decodeShift(encodeShift(c.before, c.shift)), c.shift);
    }
}

TEST(ChannelRecordTagShown, SwitchesBitSevenOnly)
{
    EXPECT_EQ(encodeTagShown(0x05, true), 0x85);
    EXPECT_EQ(encodeTagShown(0xC5, false), 0x45);
    EXPECT_TRUE(decodeTagShown(0x85));
    EXPECT_FALSE(decodeTagShown(0x45));
}

// ---- delete, move, insert ----

TEST(ChannelRows, DeleteMakesInactiveAndKeepsTheRecords)
{
    BlockStore store = defaultStore();
    const BlockStore before = store;
    deleteChannels(store, {3, 1, 3});
    EXPECT_FALSE(isChannelActive(store, 1));
    EXPECT_FALSE(isSecondBitSet(store, 3));
    EXPECT_TRUE(isChannelActive(store, 2));
    EXPECT_EQ(recordBytes(store, 1), recordBytes(before, 1));
}

TEST(ChannelRows, MoveUpTakesARunWithItsBitmapBitsAndNamesTheNewPlaces)
{
    BlockStore store = defaultStore(); // 0..7 active, 8..11 inactive, 12 active
    const BlockStore before = store;
    const auto moved = moveChannels(store, {12, 7}, -1);
    ASSERT_TRUE(moved.ok());
    EXPECT_EQ(*moved, (std::vector<int>{6, 11}));
    EXPECT_EQ(recordBytes(store, 11), recordBytes(before, 12));
    EXPECT_EQ(recordBytes(store, 12), recordBytes(before, 11));
    EXPECT_EQ(recordBytes(store, 6), recordBytes(before, 7));
    EXPECT_TRUE(isChannelActive(store, 11));
    EXPECT_FALSE(isChannelActive(store, 12));
    EXPECT_EQ(isSecondBitSet(store, 11), isSecondBitSet(before, 12));

    // A run moves as one: 1 and 2 down leaves them at 2 and 3 in their order.
    BlockStore run = defaultStore();
    ASSERT_TRUE(moveChannels(run, {1, 2}, +1).ok());
    EXPECT_EQ(recordBytes(run, 2), recordBytes(before, 1));
    EXPECT_EQ(recordBytes(run, 3), recordBytes(before, 2));
    EXPECT_EQ(recordBytes(run, 1), recordBytes(before, 3));
}

TEST(ChannelRows, MovePastEitherEndIsRefusedAndChangesNothing)
{
    BlockStore store = defaultStore();
    const BlockStore before = store;
    EXPECT_FALSE(moveChannels(store, {0, 5}, -1).ok());
    EXPECT_FALSE(moveChannels(store, {199}, +1).ok());
    EXPECT_EQ(store, before);
}

TEST(ChannelRows, InsertOpensAnInactivePlaceAndIsRefusedWhenChannel200IsInUse)
{
    BlockStore store = defaultStore();
    const BlockStore before = store;
    const Status full = insertChannel(store, 5);
    EXPECT_FALSE(full.ok());
    EXPECT_NE(full.error().message.find("channel 200"), std::string::npos);
    EXPECT_EQ(store, before);

    deleteChannels(store, {199});
    const BlockStore emptied = store;
    ASSERT_TRUE(insertChannel(store, 5).ok());
    EXPECT_FALSE(isChannelActive(store, 5));
    EXPECT_EQ(recordBytes(store, 5), recordBytes(emptied, 199));
    for (int channel = 6; channel < kChannelCount; ++channel) {
        EXPECT_EQ(recordBytes(store, channel), recordBytes(emptied, channel - 1));
        EXPECT_EQ(isChannelActive(store, channel), isChannelActive(emptied, channel - 1));
    }
    for (int channel = 0; channel < 5; ++channel)
        EXPECT_EQ(recordBytes(store, channel), recordBytes(emptied, channel));
}

} // namespace
} // namespace ft817
