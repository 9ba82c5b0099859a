// The channel list's Fill: a run of frequencies written through the memory edits.

#include "editing/channel_fill.h"
#include "image/channel_record.h"
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

TEST(ChannelFill, GivesStepsAndCopiesTheFirstRowsFieldsKeepingEachRecordsOwnBits)
{
    BlockStore store = defaultStore();
    ChannelRecord::forChannel(store, 31).setByte(2, 0x5A);               // ATT and bits no field owns
    ChannelRecord::forChannel(store, 31).setByte(1, 0x1F);               // narrow bits set
    ASSERT_TRUE(fillChannels(store, {30, 31, 32, 1}, 525850, 100).ok()); // from channel 2 (minus, tone 8)
    const ChannelRecordView first = ChannelRecordView::forChannel(store, 1);
    const std::uint32_t expected[] = {525850, 525950, 526050, 526150};
    const int channels[] = {1, 30, 31, 32};
    for (int i = 0; i < 4; ++i) {
        const ChannelRecordView record = ChannelRecordView::forChannel(store, channels[i]);
        EXPECT_EQ(record.rxFrequency(), expected[i]);
        EXPECT_EQ(record.shift(), Shift::Minus);
        EXPECT_EQ(record.txFrequency(), 60000u);
        EXPECT_EQ(record.toneMode(), first.toneMode());
        EXPECT_EQ(record.toneNumber(), 8);
        EXPECT_EQ(record.tag(), first.tag());
        EXPECT_EQ(record.tagShown(), first.tagShown());
        EXPECT_TRUE(isChannelActive(store, channels[i]));
    }
    // Skip, IPO and ATT from the first row (all off); the bits no one knows stay.
    EXPECT_EQ(ChannelRecordView::forChannel(store, 31).byte(2), 0x4A);
    // The shift over bits 5..7, the narrow bits 3..4 cleared as the first row is wide FM,
    // the band code of 5.2605 MHz (HF) in bits 0..2.
    EXPECT_EQ(ChannelRecordView::forChannel(store, 31).byte(1), 0x60);

    const BlockStore before = store;
    EXPECT_FALSE(fillChannels(store, {40, 41}, 0xFFFFFFF0u, 0x20).ok());
    EXPECT_FALSE(fillChannels(store, {40, 41}, 5'599'990, 100).ok()); // the second past 56 MHz
    EXPECT_EQ(store, before);
}

// Filled from unused rows: the channels become active in the band's usual
// mode (FM on 2 m, elsewhere that of the channel before) with the fill's step.
TEST(ChannelFill, FromUnusedRowsMakesActiveChannelsInTheBandsUsualMode)
{
    BlockStore store = defaultStore();
    ASSERT_FALSE(isChannelActive(store, 40));
    ASSERT_TRUE(fillChannels(store, {40, 41}, 14'550'000, 1'250).ok()); // 145.5 MHz + 12.5 kHz
    for (const int n : {40, 41}) {
        const ChannelRecordView record = ChannelRecordView::forChannel(store, n);
        EXPECT_TRUE(isChannelActive(store, n));
        EXPECT_EQ(record.mode(), 5);
        EXPECT_EQ(tuningStepText(StepGroup::Fm, record.tuningStep()), "12.50");
    }
    ChannelRecord::forChannel(store, 59).setMode(1); // USB before channel 61
    ASSERT_TRUE(fillChannels(store, {60, 61}, 1'407'400, 100).ok());
    EXPECT_EQ(ChannelRecordView::forChannel(store, 61).mode(), 1);
    EXPECT_TRUE(isChannelActive(store, 61));
}

} // namespace
} // namespace ft817
