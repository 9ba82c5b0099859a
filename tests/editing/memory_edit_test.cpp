// The memory edits every window, file and command writes through: each value
// checked by the radio's rules, every byte that follows written, a refusal
// leaving the record as it was.

#include "editing/memory_edit.h"
#include "image/frequency_range.h"
#include "image/image_file.h"
#include "sim/default_memory.h"

#include <gtest/gtest.h>

namespace ft817 {
namespace {

BlockStore memoryOf(sim::Model model)
{
    const sim::Memory memory = sim::defaultMemory(model);
    return *BlockStore::load(*buildImageFile(memory.image, memory.blockLengths));
}

TEST(MemoryEdit, ReceiveFrequencyBringsItsBandCodeAndAnUntunedOneIsRefused)
{
    BlockStore store = memoryOf(sim::Model::FT817);
    MemoryEdit edit(store, EditTarget::ofChannel(0));
    ASSERT_TRUE(edit.setRxFrequency(43'300'000));
    EXPECT_EQ(edit.record().rxFrequency(), 43'300'000u);
    EXPECT_EQ(edit.record().rxBandCode(), bandCodeOf(43'300'000));

    const BlockStore before = store;
    const EditOutcome untuned = edit.setRxFrequency(100'000'000);
    EXPECT_FALSE(untuned);
    EXPECT_FALSE(untuned.memoryRule);
    EXPECT_NE(untuned.refusal.find("outside what the FT-817 tunes"), std::string::npos) << untuned.refusal;
    EXPECT_EQ(store, before);
}

TEST(MemoryEdit, AFrequencyTheRecordHoldsIsKeptEvenWhereTheRadioDoesNotTuneIt)
{
    BlockStore store = memoryOf(sim::Model::FT817);
    ChannelRecord::forChannel(store, 5).setRxFrequency(100'000'000);
    EXPECT_TRUE(MemoryEdit(store, EditTarget::ofChannel(5)).setRxFrequency(100'000'000));
}

TEST(MemoryEdit, SplitTransmitFrequencyMustBeTunedButARepeaterOffsetMayBeAnything)
{
    BlockStore store = memoryOf(sim::Model::FT817);
    MemoryEdit edit(store, EditTarget::ofChannel(0));
    ASSERT_TRUE(edit.setRxFrequency(14'550'000));
    ASSERT_TRUE(edit.setShift(Shift::Plus));
    EXPECT_TRUE(edit.setSecondFrequency(60'000));    // 600 kHz
    EXPECT_TRUE(edit.setSecondFrequency(6'000'000)); // an offset of 60 MHz
    ASSERT_TRUE(edit.setShift(Shift::Split));
    EXPECT_FALSE(edit.setSecondFrequency(5'900'000)); // 59 MHz, between the bands
    ASSERT_TRUE(edit.setSecondFrequency(43'500'000));
    EXPECT_EQ(edit.record().txBandCode(), bandCodeOf(43'500'000));
}

TEST(MemoryEdit, ARepeaterShiftWithoutAnOffsetOrAUsualOneSaysSo)
{
    BlockStore store = memoryOf(sim::Model::FT817);
    MemoryEdit edit(store, EditTarget::ofChannel(0));
    ASSERT_TRUE(edit.setShift(Shift::Simplex));
    ASSERT_TRUE(edit.setSecondFrequency(0));
    const EditOutcome shifted = edit.changeShift(Shift::Minus, 0);
    EXPECT_TRUE(shifted);
    EXPECT_NE(shifted.notice.find("the offset is 0"), std::string::npos);
    EXPECT_EQ(edit.record().shift(), Shift::Minus);
    EXPECT_TRUE(edit.changeShift(Shift::Plus, 60'000).notice.empty());
}

TEST(MemoryEdit, TheModelsRulesRefuseWhatTheRadioCannotHold)
{
    BlockStore store = memoryOf(sim::Model::FT817);
    MemoryEdit edit(store, EditTarget::ofChannel(0));
    ASSERT_TRUE(edit.setMode(0)); // LSB
    const BlockStore before = store;
    EXPECT_EQ(edit.setNarrow(true).refusal, "LSB has no narrow filter (CW, CWR and FM have)");
    EXPECT_FALSE(edit.setMode(8));
    EXPECT_FALSE(edit.setCtcssTone(50));
    EXPECT_FALSE(edit.setDcsCode(104));
    EXPECT_FALSE(edit.setTuningStep(9));
    EXPECT_EQ(edit.setTagText("NINE CHAR").refusal, "a tag holds at most 8 characters");
    EXPECT_EQ(edit.setTagText("A\x1b[2J").refusal, "a tag cannot show control characters");
    EXPECT_EQ(store, before);
    EXPECT_TRUE(edit.setTagText("A\x1b[2J", TagSource::Copied));
}

TEST(MemoryEdit, ABandRecordHoldsOnlyItsBandsFrequencies)
{
    BlockStore store = memoryOf(sim::Model::FT817);
    const std::vector<SpecialMemory> specials = specialMemoriesOf(store);
    const SpecialMemory* vfo = specialNamed(specials, "VFO A 7 MHz");
    ASSERT_NE(vfo, nullptr);
    MemoryEdit edit(store, EditTarget::ofSpecial(*vfo));
    const EditOutcome refused = edit.setRxFrequency(14'500'000);
    EXPECT_TRUE(refused.memoryRule);
    EXPECT_EQ(refused.refusal, "VFO A 7 MHz holds only HF frequencies, 0.1-33 MHz, not 145.00000 MHz");
    EXPECT_TRUE(edit.setRxFrequency(710'000));
    EXPECT_EQ(edit.record().rxBandCode(), bandCodeOf(710'000));
}

TEST(MemoryEdit, LawFixesTheSixtyMetreChannelsFrequencyAndModeButNotTheirTag)
{
    BlockStore store = memoryOf(sim::Model::FT817NDUS);
    const std::vector<SpecialMemory> specials = specialMemoriesOf(store);
    const SpecialMemory* channel = specialNamed(specials, "M-601");
    ASSERT_NE(channel, nullptr);
    MemoryEdit edit(store, EditTarget::ofSpecial(*channel));
    const BlockStore before = store;
    for (const EditOutcome& outcome :
         {edit.setRxFrequency(edit.record().rxFrequency() + 100),
          edit.setMode((edit.record().mode() + 1) % 8), edit.setShift(Shift::Split),
          edit.setTxMode((edit.record().txMode() + 1) % 8)}) {
        EXPECT_TRUE(outcome.memoryRule);
        EXPECT_EQ(outcome.refusal, "M-601: " + std::string(kFixedByLawReason));
    }
    EXPECT_EQ(store, before);
    // What the record already holds may be written again, and the tag is the owner's.
    EXPECT_TRUE(edit.setRxFrequency(edit.record().rxFrequency()));
    EXPECT_TRUE(edit.setTagText("NET"));
}

TEST(MemoryEdit, OnlyTheScanLimitsCanBeOutOfUse)
{
    BlockStore store = memoryOf(sim::Model::FT817);
    const std::vector<SpecialMemory> specials = specialMemoriesOf(store);
    EXPECT_EQ(
        MemoryEdit(store, EditTarget::ofSpecial(*specialNamed(specials, "QMB"))).setInUse(false).refusal,
        "QMB is always in use");
    const SpecialMemory& lower = *specialNamed(specials, "PMS-L");
    ASSERT_TRUE(MemoryEdit(store, EditTarget::ofSpecial(lower)).setInUse(true));
    EXPECT_TRUE(isSpecialInUse(store, lower));
}

TEST(MemoryEdit, TakingTheRadiosFrequencyRefusesOneNoChannelHolds)
{
    BlockStore store = memoryOf(sim::Model::FT817);
    const BlockStore before = store;
    EXPECT_FALSE(takeTunedIntoChannel(store, 50, 100'000'000, 5));
    EXPECT_EQ(store, before);
    ASSERT_TRUE(takeTunedIntoChannel(store, 50, 14'500'000, 5));
    EXPECT_TRUE(isChannelActive(store, 50));
    EXPECT_EQ(ChannelRecordView::forChannel(store, 50).rxBandCode(), bandCodeOf(14'500'000));
}

} // namespace
} // namespace ft817
