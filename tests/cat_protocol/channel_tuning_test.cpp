// The commands that put a channel on the VFO, and taking the VFO into a channel.
#include "cat_protocol/channel_tuning.h"

#include "cat_protocol/cat_frames.h"
#include "image/channel_record.h"
#include "image/memory_map.h"
#include "support/image_samples.h"

#include <gtest/gtest.h>

namespace ft817 {
namespace {

BlockStore sampleStore()
{
    auto store = BlockStore::load(test::sampleMemoryImage());
    EXPECT_TRUE(store);
    return *store;
}

std::vector<std::string> hexOf(const std::vector<CatCommand>& commands)
{
    std::vector<std::string> hex;
    for (const CatCommand& command : commands)
        hex.push_back(catCommandHex(command));
    return hex;
}

TEST(ChannelTuning, RepeaterChannelSendsFrequencyModeShiftOffsetToneModeAndTone)
{
    BlockStore store = sampleStore();
    ChannelRecord::forChannel(store, 11).setRxFrequency(14'561'250);
    const std::vector<std::string> expected{"14 56 12 50 01", "08 00 00 00 07", "09 00 00 00 09",
                                            "00 06 00 00 F9", "4A 00 00 00 0A", "08 85 08 85 0B"};
    EXPECT_EQ(hexOf(tuneCommands(store, 11)), expected);
}

TEST(ChannelTuning, EachShiftAndToneModeGivesItsCommands)
{
    BlockStore store = sampleStore();
    ChannelRecord twelve = ChannelRecord::forChannel(store, 11);
    twelve.setShift(Shift::Plus);
    twelve.setToneMode(ToneMode::Mute);
    twelve.setToneNumber(12); // 100.0 Hz
    EXPECT_EQ(hexOf(tuneCommands(store, 11)),
              (std::vector<std::string>{"14 55 00 00 01", "08 00 00 00 07", "49 00 00 00 09",
                                        "00 06 00 00 F9", "2A 00 00 00 0A", "10 00 10 00 0B"}));
    twelve.setShift(Shift::Simplex);
    twelve.setToneMode(ToneMode::Dcs);
    twelve.setDcsNumber(0);
    EXPECT_EQ(hexOf(tuneCommands(store, 11)),
              (std::vector<std::string>{"14 55 00 00 01", "08 00 00 00 07", "89 00 00 00 09",
                                        "0A 00 00 00 0A", "00 23 00 23 0C"}));
    twelve.setToneMode(ToneMode::None);
    twelve.setMode(1);
    EXPECT_EQ(hexOf(tuneCommands(store, 11)), (std::vector<std::string>{"14 55 00 00 01", "01 00 00 00 07",
                                                                        "89 00 00 00 09", "8A 00 00 00 0A"}));
    // A split channel is tried on its receive frequency, simplex.
    EXPECT_EQ(hexOf(tuneCommands(store, 12))[2], "89 00 00 00 09");
}

TEST(ChannelTuning, AnswerOutsideTheRangesOrTheModeTableIsRefusedWithTheReason)
{
    const Result<TunedFrequency> good = readTunedAnswer({0x43, 0x97, 0x00, 0x00, 0x0C});
    ASSERT_TRUE(good);
    EXPECT_EQ(good->frequency, 43'970'000u);
    EXPECT_EQ(good->mode, 7); // PKT
    const struct {
        Bytes answer;
        const char* reason;
    } refused[] = {
        {{0x60, 0x00, 0x00, 0x00, 0x08}, "outside what"},
        {{0x14, 0x55, 0x00, 0x00, 0x05}, "mode byte 0x05"},
        {{0x14, 0x5A, 0x00, 0x00, 0x08}, "not decimal digits"},
        {{0x14, 0x55, 0x00, 0x00}, "4 bytes"},
    };
    for (const auto& r : refused) {
        const Result<TunedFrequency> read = readTunedAnswer(r.answer);
        ASSERT_FALSE(read) << r.reason;
        EXPECT_NE(read.error().message.find(r.reason), std::string::npos) << read.error().message;
    }
}

TEST(ChannelTuning, TakingChangesOnlyFrequencyModeBandCodeAndTheActiveBit)
{
    BlockStore store = sampleStore();
    const auto before = ChannelRecordView::forChannel(store, 11).bytes();
    takeIntoChannel(store, 11, TunedFrequency{43'970'000, 1});
    const ChannelRecordView after = ChannelRecordView::forChannel(store, 11);
    EXPECT_EQ(after.rxFrequency(), 43'970'000u);
    EXPECT_EQ(after.mode(), 1);
    for (int k = 0; k < kRecordSize; ++k) {
        if (k >= record::kRxFrequency && k < record::kRxFrequency + 4)
            continue;
        // Byte 0 takes the mode, byte 1 the band code of 439.7 MHz (5) beside the shift.
        const auto kept = before[static_cast<std::size_t>(k)];
        EXPECT_EQ(after.byte(k), k == 0 ? (kept & 0xF8) | 1 : k == 1 ? (kept & 0xF8) | 5 : kept) << k;
    }
    EXPECT_FALSE(isChannelActive(store, 50));
    takeIntoChannel(store, 50, TunedFrequency{14'500'000, 5});
    EXPECT_TRUE(isChannelActive(store, 50));
}

} // namespace
} // namespace ft817
