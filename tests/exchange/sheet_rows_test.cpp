// The channel sheet's rows: one per channel in use and special memory in use,
// each reading as the radio means it.

#include "exchange/sheet_rows.h"
#include "image/image_file.h"
#include "image/tone_tables.h"
#include "sim/default_memory.h"
#include "text/text_format.h"

#include <gtest/gtest.h>

namespace ft817 {
namespace {

BlockStore simulatedStore(sim::Model model)
{
    const sim::Memory memory = sim::defaultMemory(model);
    return *BlockStore::load(*buildImageFile(memory.image, memory.blockLengths));
}

const SheetRow* rowNamed(const std::vector<SheetRow>& rows, const std::string& name)
{
    for (const SheetRow& row : rows)
        if (row.name == name)
            return &row;
    return nullptr;
}

TEST(SheetRows, OneRowPerChannelInUseReadAsTheRadioMeansIt)
{
    const SheetRows rows = sheetRows(simulatedStore(sim::Model::FT817ND));
    EXPECT_EQ(rows.model, "FT-817ND");
    ASSERT_EQ(rows.channels.size(), sim::defaultChannels().size());
    for (std::size_t i = 0; i < rows.channels.size(); ++i) {
        const sim::DefaultChannel& channel = sim::defaultChannels()[i];
        EXPECT_EQ(rows.channels[i].name, std::to_string(channel.number + 1));
        EXPECT_EQ(rows.channels[i].rxMegahertz, megahertzText(channel.frequency));
    }
    EXPECT_EQ(rowNamed(rows.channels, std::to_string(sim::defaultDeletedChannel().number + 1)), nullptr);

    const SheetRow* repeater = rowNamed(rows.channels, "2");
    ASSERT_NE(repeater, nullptr);
    EXPECT_EQ(repeater->tag, "RPT R7");
    EXPECT_EQ(repeater->shift, Shift::Minus);
    EXPECT_EQ(repeater->shiftMegahertz, "0.60000");
    EXPECT_EQ(repeater->mode, "FM");
    EXPECT_EQ(repeater->toneMode, ToneMode::Tone);
    EXPECT_EQ(repeater->tone, "88.5 Hz");
    EXPECT_FALSE(repeater->skip);

    const SheetRow* split = rowNamed(rows.channels, "13");
    ASSERT_NE(split, nullptr);
    EXPECT_EQ(split->shift, Shift::Split);
    EXPECT_EQ(split->shiftMegahertz, "14.22500");
    EXPECT_EQ(split->mode, "USB");

    const SheetRow* coded = rowNamed(rows.channels, "58");
    ASSERT_NE(coded, nullptr);
    EXPECT_EQ(coded->toneMode, ToneMode::Dcs);
    EXPECT_EQ(coded->tone, dcsText(5));

    // A channel whose tag the radio does not show reads with its frequency alone.
    const SheetRow* untagged = rowNamed(rows.channels, "3");
    ASSERT_NE(untagged, nullptr);
    EXPECT_EQ(untagged->tag, "");
}

TEST(SheetRows, SpecialMemoriesInUseFollowWithTheirNames)
{
    const SheetRows rows = sheetRows(simulatedStore(sim::Model::FT817NDUS));
    EXPECT_NE(rowNamed(rows.specials, "VFO A 144 MHz"), nullptr);
    EXPECT_NE(rowNamed(rows.specials, "HOME 430 MHz"), nullptr);
    EXPECT_NE(rowNamed(rows.specials, "QMB"), nullptr);
    const SheetRow* sixty = rowNamed(rows.specials, "M-601");
    ASSERT_NE(sixty, nullptr);
    EXPECT_EQ(sixty->rxMegahertz, "5.33200");
}

} // namespace
} // namespace ft817
