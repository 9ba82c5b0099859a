// The radio's settings in the block store: channel and band record places,
// the VFO and band select bytes, the current channel and both bitmaps.

#include "image/memory_map.h"
#include "support/image_samples.h"

#include <gtest/gtest.h>

namespace ft817 {
namespace {

BlockStore patternStore(std::uint32_t seed)
{
    return *BlockStore::fromPayloads(test::patternPayloads(test::ft817PayloadLengths(), seed));
}

// Every (index, block, xor) where two stores differ.
std::vector<std::tuple<int, int, int>> differences(const BlockStore& a, const BlockStore& b)
{
    std::vector<std::tuple<int, int, int>> found;
    for (int block = 0; block < a.blockCount(); ++block)
        for (int index = 0; index < kBlockColumnSize; ++index)
            if (a.byte(index, block) != b.byte(index, block))
                found.emplace_back(index, block, a.byte(index, block) ^ b.byte(index, block));
    return found;
}

TEST(MemoryMap, ChannelRecordsLieFiveToABlockFromBlock8)
{
    const std::vector<std::pair<int, Location>> table = {{0, {8, 1}}, {1, {8, 27}},   {4, {8, 105}},
                                                         {5, {9, 1}}, {11, {10, 27}}, {199, {47, 105}}};
    for (const auto& [channel, where] : table)
        EXPECT_EQ(channelLocation(channel), where) << "channel " << channel;
}

TEST(MemoryMap, BandRecordsFillBlocks2To5)
{
    EXPECT_EQ(bandLocation(Vfo::A, 0), (Location{2, 1}));
    EXPECT_EQ(bandLocation(Vfo::A, 7), (Location{2, 183}));
    EXPECT_EQ(bandLocation(Vfo::A, 8), (Location{3, 1}));
    EXPECT_EQ(bandLocation(Vfo::A, 14), (Location{3, 157}));
    EXPECT_EQ(bandLocation(Vfo::B, 0), (Location{4, 1}));
    EXPECT_EQ(bandLocation(Vfo::B, 14), (Location{5, 157}));
}

TEST(MemoryMap, BandFrequencyIsBigEndianAtRecordBytes10To13)
{
    BlockStore store = patternStore(1);
    store.setByte(157 + 10, 5, 0x01);
    store.setByte(157 + 11, 5, 0x5B);
    store.setByte(157 + 12, 5, 0xD3);
    store.setByte(157 + 13, 5, 0xF0);
    EXPECT_EQ(bandFrequency(store, Vfo::B, 14), 22795248u);
    store.setByte(183 + 10, 2, 0xFF);
    store.setByte(183 + 11, 2, 0xFF);
    store.setByte(183 + 12, 2, 0xFF);
    store.setByte(183 + 13, 2, 0xFF);
    EXPECT_EQ(bandFrequency(store, Vfo::A, 7), 4294967295u);
}

TEST(MemoryMap, BandSelectHalvesChooseEachVfosBand)
{
    BlockStore store = patternStore(1);
    struct Case {
        std::uint8_t byte;
        int a, b;
    };
    for (const Case& c : {Case{0x2A, 10, 2}, Case{0x00, 0, 0}, Case{0xE7, 7, 14}, Case{0xF3, 3, -1},
                          Case{0x0F, -1, 0}, Case{0xFF, -1, -1}}) {
        store.setByte(5, 1, c.byte);
        EXPECT_EQ(selectedBand(store, Vfo::A), c.a) << int(c.byte);
        EXPECT_EQ(selectedBand(store, Vfo::B), c.b) << int(c.byte);
        EXPECT_EQ(store.byte(5, 1), c.byte);
    }
    store.setByte(5, 1, 0xF3);
    EXPECT_EQ(bandSelectValue(store, Vfo::B), 15);
}

TEST(MemoryMap, SelectingAVfoChangesOnlyBit0)
{
    BlockStore store = patternStore(2);
    store.setByte(1, 1, 0xFE);
    EXPECT_EQ(selectedVfo(store), Vfo::A);
    selectVfo(store, Vfo::A);
    EXPECT_EQ(store.byte(1, 1), 0xFE);
    selectVfo(store, Vfo::B);
    EXPECT_EQ(store.byte(1, 1), 0xFF);
    EXPECT_EQ(selectedVfo(store), Vfo::B);

    store.setByte(1, 1, 0x01);
    EXPECT_EQ(selectedVfo(store), Vfo::B);
    const BlockStore before = store;
    selectVfo(store, Vfo::A);
    EXPECT_EQ(differences(before, store), (std::vector<std::tuple<int, int, int>>{{1, 1, 0x01}}));
}

TEST(MemoryMap, BitmapBitsOfAChannel)
{
    EXPECT_EQ(activeBitLocation(0), (BitLocation{7, 2, 0x01}));
    EXPECT_EQ(activeBitLocation(8), (BitLocation{7, 3, 0x01}));
    EXPECT_EQ(activeBitLocation(15), (BitLocation{7, 3, 0x80}));
    EXPECT_EQ(activeBitLocation(199), (BitLocation{7, 26, 0x80}));
    // The second bitmap starts at index 28, where the radio keeps it.
    EXPECT_EQ(secondBitLocation(0), (BitLocation{7, 28, 0x01}));
    EXPECT_EQ(secondBitLocation(10), (BitLocation{7, 29, 0x04}));
    EXPECT_EQ(secondBitLocation(199), (BitLocation{7, 52, 0x80}));
}

TEST(MemoryMap, SettingAndClearingChannel10ChangesOnlyItsTwoBits)
{
    BlockStore store = patternStore(3);
    store.setBits(3, 7, 0x04, 0);
    store.setBits(29, 7, 0x04, 0);
    const BlockStore cleared = store;
    EXPECT_FALSE(isChannelActive(store, 10));

    setChannelActive(store, 10, true);
    EXPECT_TRUE(isChannelActive(store, 10));
    EXPECT_TRUE(isSecondBitSet(store, 10));
    EXPECT_EQ(differences(cleared, store),
              (std::vector<std::tuple<int, int, int>>{{3, 7, 0x04}, {29, 7, 0x04}}));

    setChannelActive(store, 10, false);
    EXPECT_EQ(store, cleared);
}

TEST(MemoryMap, BitmapUpdatesNeverTouchIndex27Or53)
{
    BlockStore store = patternStore(4);
    store.setByte(27, 7, 0x04);
    store.setByte(53, 7, 0xA5);
    for (int n = 0; n < kChannelCount; ++n) {
        setChannelActive(store, n, true);
        EXPECT_TRUE(isChannelActive(store, n));
    }
    for (int i = 2; i <= 26; ++i) {
        EXPECT_EQ(store.byte(i, 7), 0xFF);
        EXPECT_EQ(store.byte(i + 26, 7), 0xFF);
    }
    for (int n = 0; n < kChannelCount; ++n)
        setChannelActive(store, n, false);
    for (int i = 2; i <= 26; ++i) {
        EXPECT_EQ(store.byte(i, 7), 0);
        EXPECT_EQ(store.byte(i + 26, 7), 0);
    }
    EXPECT_EQ(store.byte(27, 7), 0x04);
    EXPECT_EQ(store.byte(53, 7), 0xA5);
    EXPECT_EQ(store.byte(1, 7), patternStore(4).byte(1, 7));
}

TEST(MemoryMap, CurrentChannelOutsideTheMemoriesOpensChannel1AndIsKept)
{
    BlockStore store = patternStore(5);
    for (auto [stored, shown] : {std::pair{0, 0}, {11, 11}, {199, 199}, {200, 0}, {203, 0}, {255, 0}}) {
        store.setByte(1, 7, static_cast<std::uint8_t>(stored));
        EXPECT_EQ(shownChannel(store), shown) << stored;
        EXPECT_EQ(currentChannelByte(store), stored);
    }
    setCurrentChannel(store, 42);
    EXPECT_EQ(store.byte(1, 7), 42);
}

} // namespace
} // namespace ft817
