// What a received or loaded clone image is: a whole memory of a known radio,
// or not, with the reason a person reads.

#include "exchange/memory_report.h"
#include "image/channel_record.h"
#include "image/frequency_range.h"
#include "image/image_check.h"
#include "image/image_file.h"
#include "image/image_history.h"
#include "image/special_memories.h"
#include "sim/default_memory.h"
#include "support/image_samples.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <numeric>
#include <thread>

namespace ft817 {
namespace {

// A clone image of blocks with these wire lengths, numbered in order, good checksums.
struct Blocks {
    Bytes image;
    std::vector<int> lengths;
};

Blocks blocksOf(const std::vector<int>& wireLengths)
{
    Blocks blocks;
    for (std::size_t k = 0; k < wireLengths.size(); ++k) {
        blocks.image.push_back(static_cast<std::uint8_t>(k));
        unsigned sum = 0;
        for (int i = 1; i + 1 < wireLengths[k]; ++i) {
            const auto byte = static_cast<std::uint8_t>(k * 7 + static_cast<std::size_t>(i));
            blocks.image.push_back(byte);
            sum += byte;
        }
        blocks.image.push_back(static_cast<std::uint8_t>(sum % 256));
        blocks.lengths.push_back(wireLengths[k]);
    }
    return blocks;
}

std::vector<int> wireLengths(const RadioModel& layout)
{
    std::vector<int> lengths;
    for (int payload : layout.payloadLengths)
        lengths.push_back(payload + 2);
    return lengths;
}

TEST(ImageCheck, EveryKnownRadioIsAWholeMemory)
{
    for (const RadioModel& layout : knownRadioModels()) {
        const Blocks blocks = blocksOf(wireLengths(layout));
        const ImageCheck check = checkCloneImage(blocks.image, blocks.lengths);
        EXPECT_TRUE(check.wholeMemory()) << layout.name << ": " << notWholeReason(check);
        EXPECT_EQ(check.radio, &layout);
        EXPECT_EQ(notWholeReason(check), "");
    }
}

struct Received {
    const char* name;
    std::vector<int> lengths;
    std::string reason;
};

// Test lists name a case by its name, not by its bytes.
void PrintTo(const Received& param, std::ostream* out)
{
    *out << param.name;
}

std::vector<int> ft817Cut(std::size_t blocks, std::vector<int> tail = {})
{
    std::vector<int> lengths = wireLengths(knownRadioModels()[0]);
    lengths.resize(blocks);
    lengths.insert(lengths.end(), tail.begin(), tail.end());
    return lengths;
}

class NotWhole : public testing::TestWithParam<Received> {};

TEST_P(NotWhole, SaysWhatWentWrong)
{
    const Blocks blocks = blocksOf(GetParam().lengths);
    const ImageCheck check = checkCloneImage(blocks.image, blocks.lengths);
    EXPECT_FALSE(check.wholeMemory());
    EXPECT_EQ(notWholeReason(check), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Download, NotWhole,
    testing::Values(
        Received{"StoppedAfterBlock20", ft817Cut(21),
                 "the radio stopped after block 20 of 50 or 51; missing: blocks 21 to 49 or blocks 21 to 50"},
        Received{"StoppedAfterBlock48", ft817Cut(49),
                 "the radio stopped after block 48 of 50 or 51; missing: block 49 or blocks 49 and 50"},
        Received{"StoppedInBlock20", ft817Cut(20, {70}),
                 "the radio stopped in the middle of block 20 (70 of its 132 bytes arrived)"},
        Received{"PauseSplitBlock20", ft817Cut(20, {70, 62}),
                 "block 20 arrived in two pieces of 70 and 62 bytes: the radio paused in the middle of it"},
        Received{"TwoBlocksOf150", {150, 150}, "block 0 is 150 bytes long where the radio sends 4"},
        Received{"OneBlock", {10}, "block 0 is 10 bytes long where the radio sends 4"},
        Received{"OneBlockTooMany", ft817Cut(50, {120}),
                 "the radio sent 51 blocks; the first 50 are those of an FT-817, which sends 50"}),
    [](const auto& info) { return std::string(info.param.name); });

// A US radio that stopped before its last block sent an FT-817ND's 50
// blocks; its Emergency setting, which only US models have, tells it apart.
TEST(ImageCheck, AUsMemoryWithoutItsLastBlockIsNotTakenForTheShorterModel)
{
    const sim::Memory us = sim::defaultMemory(sim::Model::FT817NDUS);
    std::vector<int> lengths = us.blockLengths;
    lengths.pop_back();
    const Bytes cut(us.image.begin(), us.image.end() - us.blockLengths.back());
    const ImageCheck check = checkCloneImage(cut, lengths);
    EXPECT_FALSE(check.wholeMemory());
    EXPECT_EQ(
        notWholeReason(check),
        "the radio stopped after block 49 of 51: the memory is an FT-817ND (US)'s (its Emergency setting, "
        "which only FT-817ND (US) radios have, is on), not an FT-817ND's");

    // A real FT-817ND (US) tells itself by its version bytes too, whatever its settings.
    Blocks versioned = blocksOf(wireLengths(knownRadioModels()[1]));
    versioned.image[1] = 0xCE;
    versioned.image[2] = 0xBF;
    versioned.image[3] = static_cast<std::uint8_t>(0xCE + 0xBF);
    EXPECT_NE(notWholeReason(checkCloneImage(versioned.image, versioned.lengths))
                  .find("block 0 holds CE BF, the version bytes of an FT-817ND (US)"),
              std::string::npos);

    const sim::Memory nd = sim::defaultMemory(sim::Model::FT817ND);
    const ImageCheck whole = checkCloneImage(nd.image, nd.blockLengths);
    ASSERT_TRUE(whole.wholeMemory()) << notWholeReason(whole);
    EXPECT_EQ(modelChoiceNote(*whole.radio),
              "taken for an FT-817ND: its 50 blocks are an FT-817ND's whole memory; "
              "an FT-817ND (US) sends 51, and nothing in the memory says it is one");
    EXPECT_EQ(modelChoiceNote(knownRadioModels()[0]), "");
}

TEST(ImageCheck, DamagedBlocksAndWrongNumbers)
{
    Blocks blocks = blocksOf(wireLengths(knownRadioModels()[1]));
    blocks.image[4 + 42 + 5] ^= 0x10;    // a payload byte of block 2
    blocks.image[4 + 42 + 210 + 3] ^= 1; // and of block 3
    ImageCheck check = checkCloneImage(blocks.image, blocks.lengths);
    EXPECT_TRUE(check.wellShaped());
    EXPECT_EQ(check.damagedBlocks, (std::vector<int>{2, 3}));
    EXPECT_EQ(notWholeReason(check), "block 2 arrived damaged: its checksum does not match; "
                                     "block 3 arrived damaged: its checksum does not match");
    EXPECT_EQ(staleChecksumNote(check), "the stored checksums of blocks 2 and 3 do not match: the file was "
                                        "changed outside this program or arrived damaged");

    blocks.image[4] = 9; // block 1's number byte
    check = checkCloneImage(blocks.image, blocks.lengths);
    EXPECT_FALSE(check.wellShaped());
    EXPECT_EQ(check.shapeProblems, (std::vector<std::string>{"block 1 carries the number 9"}));
}

// Block 3 eight bytes longer than any radio's: the layout is unknown, and
// block 20's stale checksum is damage all the same, which a rewrite would hide.
TEST(ImageCheck, DamageAfterABlockOfAnUnexpectedLengthIsSeen)
{
    std::vector<int> lengths = wireLengths(knownRadioModels()[1]);
    lengths[3] += 8;
    Blocks blocks = blocksOf(lengths);
    const int block20 = std::accumulate(lengths.begin(), lengths.begin() + 20, 0);
    blocks.image[static_cast<std::size_t>(block20) + 5] ^= 0x01;
    const ImageCheck check = checkCloneImage(blocks.image, blocks.lengths);
    EXPECT_EQ(check.radio, nullptr);
    EXPECT_EQ(check.damagedBlocks, std::vector<int>{20});
    EXPECT_NE(damageHiddenByRewrite(check).find("the stored checksum of block 20 does not match"),
              std::string::npos)
        << damageHiddenByRewrite(check);

    // The same image intact: an unknown layout, but nothing a rewrite would hide.
    EXPECT_EQ(damageHiddenByRewrite(checkCloneImage(blocksOf(lengths).image, lengths)), "");
}

TEST(ImageCheck, TheRadioOfALoadedImage)
{
    std::vector<int> lengths = test::ft818PayloadLengths();
    EXPECT_EQ(
        radioOf(*BlockStore::load(test::imageFileFromPayloads(test::patternPayloads(lengths, 1))))->name,
        "FT-818");
    lengths.push_back(130);
    EXPECT_EQ(
        radioOf(*BlockStore::load(test::imageFileFromPayloads(test::patternPayloads(lengths, 1))))->name,
        "FT-818ND (US)");
    lengths.push_back(130);
    const BlockStore odd = *BlockStore::load(test::imageFileFromPayloads(test::patternPayloads(lengths, 1)));
    EXPECT_EQ(radioOf(odd), nullptr);
    EXPECT_EQ(memoryText(odd).substr(0, memoryText(odd).find('\n')),
              "Image: 52 blocks, 6937 bytes, unknown layout");
}

TEST(ImageCheck, ABandCodeThatDisagreesWithItsFrequencyIsANoteOnly)
{
    BlockStore store = *BlockStore::load(test::sampleMemoryImage());
    EXPECT_TRUE(checkImageFile(*store.toImageFile()).notes.empty());
    ChannelRecord thirteen = ChannelRecord::forChannel(store, 12); // split 14.20 / 14.25 MHz
    thirteen.setTxFrequency(43'550'000);
    const ImageCheck check = checkImageFile(*store.toImageFile());
    EXPECT_TRUE(check.wholeMemory());
    EXPECT_EQ(check.notes, (std::vector<std::string>{
                               "channel 13: TX band code 0 (HF) where 435.50000 MHz is band 5 (430 MHz)"}));
    setChannelActive(store, 12, false);
    EXPECT_TRUE(checkImageFile(*store.toImageFile()).notes.empty())
        << "a deleted channel's record is not read";
    // A special memory's record is looked at too.
    ChannelRecord(store, Location{6, 53}).setRxFrequency(14'600'000); // HOME 144 MHz with band code 0
    EXPECT_EQ(recordNotes(store),
              (std::vector<std::string>{
                  "HOME 144 MHz: RX band code 0 (HF) where 146.00000 MHz is band 4 (144 MHz)"}));
}

// A frequency typed in kHz (145.520 stores 146, 1.46 kHz) goes out unseen no
// more: every channel and special memory in use the radio cannot tune is named.
TEST(ImageCheck, MemoriesInUseTheRadioCannotTuneAreNamed)
{
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817ND);
    BlockStore store = *BlockStore::load(*buildImageFile(memory.image, memory.blockLengths));
    EXPECT_TRUE(untunedMemories(store).empty());

    ChannelRecord twelve = ChannelRecord::forChannel(store, 11);
    setChannelActive(store, 11, true);
    twelve.setByte(0, 0xC5); // FM, tag shown
    twelve.setTag("RPT1    ");
    twelve.setRxFrequency(146);
    ChannelRecord thirteen = ChannelRecord::forChannel(store, 12); // split, tag "DX SPLIT"
    ASSERT_EQ(thirteen.shift(), Shift::Split);
    thirteen.setTxFrequency(100'000'000);
    ChannelRecord(store, Location{6, 105}).setRxFrequency(0); // QMB
    // A deleted channel, a repeater offset and PMS-L out of use are not looked at.
    ChannelRecord fourteen = ChannelRecord::forChannel(store, 13);
    setChannelActive(store, 13, false);
    fourteen.setRxFrequency(146);
    const std::vector<SpecialMemory> specials = specialMemoriesOf(store);
    const SpecialMemory* lower = specialNamed(specials, "PMS-L");
    setSpecialInUse(store, *lower, false);
    ChannelRecord(store, lower->where).setRxFrequency(146);

    const std::vector<std::string> expected = {"channel 12 (tag RPT1): 0.00146 MHz",
                                               "channel 13 (tag DX SPLIT): TX 1000.00000 MHz",
                                               "QMB: 0.00000 MHz"};
    EXPECT_EQ(untunedMemories(store), expected);
    const ImageCheck check = checkImageFile(*store.toImageFile());
    EXPECT_TRUE(check.wholeMemory()) << "a frequency is no reason to call the memory damaged";
    EXPECT_EQ(check.untunedMemories, expected);
    EXPECT_EQ(untunedHeading(1), "the radio cannot tune the frequency of 1 memory in use");
}

TEST(ImageCheck, ReasonsStopAfterTwenty)
{
    const std::vector<std::string> reasons(23, "x");
    EXPECT_EQ(joinReasons(reasons), "x; x; x; x; x; x; x; x; x; x; x; x; x; x; x; x; x; x; x; x; and 3 more");
}

TEST(FrequencyRange, TheRadioTunesThreeRanges)
{
    const std::vector<std::pair<std::uint32_t, bool>> cases = {
        {0, false},          {9'999, false},       {10'000, true},         {5'600'000, true},
        {5'600'001, false},  {7'599'999, false},   {14'550'000, true},     {15'400'000, true},
        {15'400'001, false}, {41'999'999, false},  {43'970'000, true},     {47'000'000, true},
        {47'000'001, false}, {100'000'000, false}, {4'294'967'295u, false}};
    for (const auto& [frequency, tuned] : cases)
        EXPECT_EQ(radioTunes(frequency), tuned) << frequency;
    const Status refused = checkTuned(100'000'000);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().message,
              "1000.00000 MHz is outside what the FT-817 tunes: 0.1-56, 76-154 and 420-470 MHz");
}

TEST(ImageHistory, KeepsCopiesUnderNewNamesOnly)
{
    test::TempDir dir;
    const ImageHistory history(dir.file("history"));
    const Bytes first{1, 2, 3};
    const auto kept = history.keepDownload(first, "FT-817ND (US)");
    ASSERT_TRUE(kept) << kept.error().message;
    EXPECT_NE(kept->find("_FT-817ND-US.img"), std::string::npos) << *kept;
    const auto again = history.keepDownload(Bytes{4}, "FT-817ND (US)");
    ASSERT_TRUE(again);
    EXPECT_NE(*again, *kept);
    EXPECT_EQ(*readWholeFile(*kept), first);

    // Nothing at the path: nothing to keep. A file there: copied, named after it.
    EXPECT_EQ(*history.keepReplaced(dir.file("none.bin"), "the download"), "");
    const std::string old = dir.file("radio.bin");
    ASSERT_TRUE(writeWholeFile(old, first));
    const auto replaced = history.keepReplaced(old, "the download");
    ASSERT_TRUE(replaced);
    EXPECT_NE(replaced->find("_not-an-image_replaced_radio.bin"), std::string::npos) << *replaced;
    EXPECT_EQ(*readWholeFile(*replaced), first);
}

// Two running programs keeping downloads in the same second each get a copy
// of their own: no name is taken twice, no copy written over.
TEST(ImageHistory, TwoProgramsKeepingCopiesAtOnceLoseNone)
{
    test::TempDir dir;
    constexpr int kEach = 40;
    std::vector<std::string> kept[2];
    std::thread programs[2];
    for (int p = 0; p < 2; ++p)
        programs[p] = std::thread([&, p] {
            const ImageHistory history(dir.file("history"));
            for (int i = 0; i < kEach; ++i)
                if (const auto copy =
                        history.keepDownload(Bytes{static_cast<std::uint8_t>(p), 1, 2, 3}, "FT-817"))
                    kept[p].push_back(*copy);
        });
    for (std::thread& program : programs)
        program.join();
    ASSERT_EQ(kept[0].size() + kept[1].size(), 2u * kEach);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.file("history"))) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 2 * kEach);
    for (int p = 0; p < 2; ++p)
        for (const std::string& copy : kept[p])
            EXPECT_EQ(readWholeFile(copy)->front(), p) << copy;
}

} // namespace
} // namespace ft817
