// What `diff` reports between two memory images: nothing for identical
// images, one decoded line per changed channel or setting, and a raw line for
// any other byte, so that no difference goes unreported.

#include "exchange/image_diff.h"
#include "image/channel_record.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "sim/default_memory.h"

#include <gtest/gtest.h>

namespace ft817 {
namespace {

using Lines = std::vector<std::string>;

BlockStore defaultStore(sim::Model model = sim::Model::FT817)
{
    const sim::Memory memory = sim::defaultMemory(model);
    return *BlockStore::load(*buildImageFile(memory.image, memory.blockLengths));
}

TEST(ImageDiff, IdenticalImagesShowNothing)
{
    EXPECT_TRUE(describeImageDifferences(defaultStore(), defaultStore()).empty());
}

TEST(ImageDiff, ChangedStoredChecksumsAreReported)
{
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
    const Bytes before = *buildImageFile(memory.image, memory.blockLengths);
    Bytes after = before;
    after[3] ^= 0x01; // block 0's checksum (blocks 0 and 1 are 4 and 42 bytes)
    EXPECT_TRUE(describeChecksumDifferences(before, before).empty());
    const std::string old = [&] {
        char text[8];
        std::snprintf(text, sizeof text, "0x%02X", before[3]);
        return std::string(text);
    }();
    const Lines lines = describeChecksumDifferences(before, after);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("block 0 stored checksum: " + old + " \u2192 ", 0), 0u) << lines[0];
    EXPECT_NE(lines[0].find("(does not match its data)"), std::string::npos) << lines[0];
}

TEST(ImageDiff, BytesBeyondThePayloadAreNotCompared)
{
    BlockStore changed = defaultStore();
    changed.setByte(200, 8, 0x55); // block 8 holds 130 payload bytes; saving drops index 200
    EXPECT_TRUE(describeImageDifferences(defaultStore(), changed).empty());
}

TEST(ImageDiff, OneChangedChannelIsOneDecodedLine)
{
    const BlockStore before = defaultStore();
    BlockStore after = before;
    ChannelRecord record = ChannelRecord::forChannel(after, 12);
    record.setRxFrequency(1420000);
    record.setMode(0);
    EXPECT_EQ(describeImageDifferences(before, after),
              Lines{"channel 13: frequency: 14.19500 \u2192 14.20000 MHz, mode: USB \u2192 LSB"});
}

TEST(ImageDiff, EveryFieldOfAChannelIsNamed)
{
    const BlockStore before = defaultStore();
    BlockStore after = before;
    ChannelRecord record = ChannelRecord::forChannel(after, 1); // 145.725, minus 600 kHz, tone 88.5, tag both
    record.setByte(record::kFlagsByte, 0xA5);                   // plus
    record.setTxFrequency(70000);
    record.setToneMode(ToneMode::Dcs);
    record.setToneNumber(60);
    record.setDcsNumber(5);
    record.setTxMode(1);
    record.setTagOn(false);
    record.setTag("RPT R8");
    record.setByte(2, 0x10);
    record.setSkip(true);
    record.setNarrow(true);
    record.setTuningStep(StepGroup::Fm, 3);
    record.setByte(6, 0x3C | 0x40); // tone 60 with a bit above it
    EXPECT_EQ(
        describeImageDifferences(before, after),
        Lines{"channel 2: shift: minus \u2192 plus, offset: 0.60000 \u2192 0.70000 MHz, TX mode: LSB \u2192 "
              "USB, "
              "RX band code: 4 (144 MHz) \u2192 5 (430 MHz), "
              "tone mode: tone \u2192 dcs, tone: 8 (88.5 Hz) \u2192 60 (not in the radio's table), "
              "DCS: 0 (023) \u2192 5 (036), narrow flags: clear \u2192 both bits, FM step: 5.00 \u2192 12.50 "
              "kHz, "
              "skip: no \u2192 yes, ATT: no \u2192 yes, tag flags: both bits \u2192 clear, "
              "tag: \"RPT R7  \" \u2192 \"RPT R8  \", byte 2: 0x41 \u2192 0x90, byte 6: 0x08 \u2192 0x7C"});
}

TEST(ImageDiff, AChannelPutInUseIsSaidAsTheOwnerSeesIt)
{
    const BlockStore before = defaultStore();
    BlockStore after = before;
    setChannelActive(after, 20, true);
    EXPECT_EQ(describeImageDifferences(before, after), Lines{"channel 21: in use: no \u2192 yes"});

    // The second flag moving on its own is still reported.
    after = before;
    const BitLocation second = secondBitLocation(20);
    after.setBits(second.index, second.block, second.mask, second.mask);
    EXPECT_EQ(describeImageDifferences(before, after),
              Lines{"channel 21: second in-use flag: no \u2192 yes"});
}

TEST(ImageDiff, SettingsHaveALineEach)
{
    const BlockStore before = defaultStore();
    BlockStore after = before;
    selectVfo(after, Vfo::B);
    EXPECT_EQ(describeImageDifferences(before, after), Lines{"VFO select: A \u2192 B"});

    after = before;
    after.setByte(kBandSelectByte.index, kBandSelectByte.block, 0xF4); // A: 3 -> 4, B: 13 -> 15
    setCurrentChannel(after, 57);
    const Location band = bandLocation(Vfo::B, 12);   // the FT-817's 144 MHz band record
    after.setByte(band.index + 13, band.block, 0x40); // 144.30000 -> 144.30016 MHz
    EXPECT_EQ(
        describeImageDifferences(before, after),
        (Lines{"VFO B 144 MHz: frequency: 144.30000 \u2192 144.30016 MHz", "VFO A band select: 3 \u2192 4",
               "VFO B band select: 13 \u2192 15 (none)", "current channel: 2 \u2192 58"}));
}

TEST(ImageDiff, OtherBytesAreListedRaw)
{
    const BlockStore before = defaultStore();
    BlockStore after = before;
    after.setByte(1, 1, before.byte(1, 1) ^ 0x40);     // VFO select byte, not the VFO bit
    after.setByte(27, 7, 0x0F);                        // between the bitmaps, beside the PMS bits
    after.setByte(131, 6, before.byte(131, 6) ^ 0x01); // after the HOME and QMB records
    const Lines lines = describeImageDifferences(before, after);
    char expected[3][64];
    std::snprintf(expected[0], sizeof expected[0], "block 1 index 1: 0x%02X \u2192 0x%02X", before.byte(1, 1),
                  before.byte(1, 1) ^ 0x40);
    std::snprintf(expected[1], sizeof expected[1], "block 6 index 131: 0x%02X \u2192 0x%02X",
                  before.byte(131, 6), before.byte(131, 6) ^ 0x01);
    std::snprintf(expected[2], sizeof expected[2], "block 7 index 27: 0x07 \u2192 0x0F");
    EXPECT_EQ(lines, (Lines{expected[0], expected[1], expected[2]}));

    // A special memory's record is named, the PMS flags too.
    after = before;
    after.setByte(bandLocation(Vfo::A, 0).index, 2, 0x03); // VFO A 1.8 MHz: LSB -> CWR
    after.setByte(27, 7, 0x05);                            // PMS-U's first bit
    EXPECT_EQ(describeImageDifferences(before, after),
              (Lines{"VFO A 1.8 MHz: mode: LSB \u2192 CWR", "PMS-U: in use: yes \u2192 no"}));
}

TEST(ImageDiff, DifferentBlockLayoutsAreReported)
{
    const Lines lines =
        describeImageDifferences(defaultStore(sim::Model::FT817), defaultStore(sim::Model::FT817NDUS));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "blocks: 50 \u2192 51"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "block 49 length: 118 \u2192 130 payload bytes"),
              lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "block 50: added (130 payload bytes)"), lines.end());
}

TEST(ImageDiff, NoChangedSavedByteGoesUnreported)
{
    // Every byte of the settings blocks 1 and 7 (where named bits and other
    // bits share bytes) and a spread of bytes elsewhere, one bit each.
    const BlockStore before = defaultStore();
    int checked = 0;
    for (int block = 0; block < before.blockCount(); ++block) {
        const int step = block == 1 || block == 7 ? 1 : 17;
        for (int index = block % step; index <= before.payloadLength(block); index += step) {
            const auto flip = static_cast<std::uint8_t>(1u << ((block + index) % 8));
            BlockStore after = before;
            after.setByte(index, block, before.byte(index, block) ^ flip);
            EXPECT_FALSE(describeImageDifferences(before, after).empty())
                << "block " << block << " index " << index << " bit mask " << int(flip);
            ++checked;
        }
    }
    EXPECT_GT(checked, 400);
}

} // namespace
} // namespace ft817
