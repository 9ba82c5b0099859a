// The special memories of every model, read from the simulated radio's
// memories, which lay them out as the radios do: where each lies, what it
// holds, and the in-use flags of the scan limits.

#include "image/channel_record.h"
#include "image/image_file.h"
#include "image/special_memories.h"
#include "sim/default_memory.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace ft817 {
namespace {

BlockStore memoryOf(sim::Model model)
{
    const sim::Memory memory = sim::defaultMemory(model);
    return *BlockStore::load(*buildImageFile(memory.image, memory.blockLengths));
}

class SpecialMemories : public ::testing::TestWithParam<sim::Model> {};

TEST_P(SpecialMemories, EachModelHasItsOwnInTheRadiosPlaces)
{
    const RadioModel& radio = sim::modelLayout(GetParam());
    const BlockStore store = memoryOf(GetParam());
    const std::vector<SpecialMemory> specials = specialMemoriesOf(store);
    const bool ft818 = radio.vfoBandRecords == 16;
    const bool us = radio.sixtyMetreBlock > 0;
    ASSERT_EQ(specials.size(), std::size_t(2 * radio.vfoBandRecords + 7 + (us ? 5 : 0)));
    EXPECT_EQ(vfoBandCount(store), radio.vfoBandRecords);

    // Places from the radios' own layout, block.index.
    const std::map<std::string, Location> places = {
        {"VFO A 1.8 MHz", {2, 1}},
        {"VFO A 3.5 MHz", {2, 27}},
        {"VFO A 7 MHz", ft818 ? Location{2, 79} : Location{2, 53}},
        {"VFO A 24 MHz", ft818 ? Location{3, 1} : Location{2, 183}},
        {"VFO A 28 MHz", ft818 ? Location{3, 27} : Location{3, 1}},
        {"VFO A HF", ft818 ? Location{3, 183} : Location{3, 157}},
        {"VFO B 1.8 MHz", {4, 1}},
        {"VFO B 24 MHz", ft818 ? Location{5, 1} : Location{4, 183}},
        {"VFO B HF", ft818 ? Location{5, 183} : Location{5, 157}},
        {"HOME HF", {6, 1}},
        {"HOME 50 MHz", {6, 27}},
        {"HOME 144 MHz", {6, 53}},
        {"HOME 430 MHz", {6, 79}},
        {"QMB", {6, 105}},
        {"PMS-L", {48, 1}},
        {"PMS-U", {48, 27}},
    };
    for (const auto& [name, where] : places) {
        const SpecialMemory* memory = specialNamed(specials, name);
        ASSERT_NE(memory, nullptr) << name;
        EXPECT_EQ(memory->where, where) << name;
    }
    EXPECT_EQ(specialNamed(specials, "VFO A 5 MHz") != nullptr, ft818);
    const SpecialMemory* fiveB = specialNamed(specials, "VFO B 5 MHz");
    EXPECT_EQ(fiveB ? fiveB->where : Location{}, (ft818 ? Location{4, 53} : Location{}));
    EXPECT_EQ(specials.front().name, "VFO A 1.8 MHz");
    EXPECT_EQ(specials[static_cast<std::size_t>(radio.vfoBandRecords)].name, "VFO B 1.8 MHz");

    // What they hold: the band records' frequencies in order, HOME, the scan limits in use.
    for (int vfo = 0; vfo < 2; ++vfo) {
        const auto frequencies = sim::defaultBandFrequencies(GetParam(), vfo);
        for (int band = 0; band < radio.vfoBandRecords; ++band) {
            const SpecialMemory& memory =
                specials[static_cast<std::size_t>(vfo * radio.vfoBandRecords + band)];
            EXPECT_EQ(ChannelRecordView(store, memory.where).rxFrequency(),
                      frequencies[static_cast<std::size_t>(band)])
                << memory.name;
            EXPECT_TRUE(isSpecialInUse(store, memory));
        }
    }
    const ChannelRecordView home = ChannelRecordView(store, specialNamed(specials, "HOME 144 MHz")->where);
    EXPECT_EQ(home.rxFrequency(), 14600000u);
    EXPECT_EQ(home.mode(), 5);
    EXPECT_EQ(home.rxBandCode(), 4);
    EXPECT_TRUE(isSpecialInUse(store, *specialNamed(specials, "PMS-L")));
    EXPECT_TRUE(isSpecialInUse(store, *specialNamed(specials, "PMS-U")));

    // The 60 m channels of the US models, in their block, fixed by law.
    for (int i = 0; i < 5; ++i) {
        const SpecialMemory* sixty = specialNamed(specials, "M-60" + std::to_string(i + 1));
        ASSERT_EQ(sixty != nullptr, us);
        if (!sixty)
            continue;
        EXPECT_EQ(sixty->where, (Location{50, 1 + 26 * i}));
        EXPECT_TRUE(sixty->fixedByLaw());
        EXPECT_EQ(ChannelRecordView(store, sixty->where).mode(), 1); // USB
    }
    EXPECT_EQ(ChannelRecordView(store, specials.back().where).rxFrequency(), us ? 540500u : 14600000u);
}

INSTANTIATE_TEST_SUITE_P(Models, SpecialMemories,
                         ::testing::Values(sim::Model::FT817, sim::Model::FT817ND, sim::Model::FT817NDUS,
                                           sim::Model::FT818, sim::Model::FT818NDUS),
                         [](const auto& info) {
                             std::string name = sim::modelName(info.param);
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(SpecialMemories, AScanLimitIsInUseWithBothItsBitsAndSettingOneSetsBoth)
{
    BlockStore store = memoryOf(sim::Model::FT817ND);
    const std::vector<SpecialMemory> specials = specialMemoriesOf(store);
    const SpecialMemory& low = *specialNamed(specials, "PMS-L");
    const SpecialMemory& high = *specialNamed(specials, "PMS-U");
    EXPECT_EQ(store.byte(27, 7), 0x07);
    setSpecialInUse(store, low, false);
    EXPECT_EQ(store.byte(27, 7), 0x06);
    EXPECT_EQ(store.byte(53, 7), 0x02);
    EXPECT_FALSE(isSpecialInUse(store, low));
    EXPECT_TRUE(isSpecialInUse(store, high));
    store.setByte(53, 7, 0x03); // one bit alone does not put it in use
    EXPECT_FALSE(isSpecialInUse(store, low));
    setSpecialInUse(store, low, true);
    EXPECT_EQ(store.byte(27, 7), 0x07);
    EXPECT_TRUE(isSpecialInUse(store, low));
    // The other memories always exist; nothing marks them.
    const BlockStore before = store;
    setSpecialInUse(store, *specialNamed(specials, "QMB"), false);
    EXPECT_EQ(store, before);
    EXPECT_TRUE(isSpecialInUse(store, *specialNamed(specials, "QMB")));
}

TEST(SpecialMemories, TheFt818sSixteenthBandCanBeTheSelectedOne)
{
    BlockStore ft818 = memoryOf(sim::Model::FT818);
    ft818.setByte(kBandSelectByte.index, kBandSelectByte.block, 0xF0);
    EXPECT_EQ(selectedBand(ft818, Vfo::B), 15);
    EXPECT_EQ(bandFrequency(ft818, Vfo::B, 15), sim::defaultBandFrequencies(sim::Model::FT818, 1)[15]);
    BlockStore ft817 = memoryOf(sim::Model::FT817);
    ft817.setByte(kBandSelectByte.index, kBandSelectByte.block, 0xF0);
    EXPECT_EQ(selectedBand(ft817, Vfo::B), -1);
}

} // namespace
} // namespace ft817
