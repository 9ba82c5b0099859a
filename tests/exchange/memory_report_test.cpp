// The memory report of an image: the text table, the JSON object, one channel.

#include "exchange/memory_report.h"
#include "image/channel_record.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "sim/default_memory.h"
#include "support/image_json.h"
#include "support/image_samples.h"

#include <gtest/gtest.h>
#include <tuple>

namespace ft817 {
namespace {

using test::JsonReader;
using test::JsonValue;

BlockStore sampleStore()
{
    return *BlockStore::load(test::sampleMemoryImage());
}

TEST(MemoryText, ShowsVfosCurrentChannelAndOneRowPerActiveChannel)
{
    std::string text = memoryText(sampleStore());
    text = text.substr(0, text.find("Special memories: "));
    const std::string expected =
        "Image: 50 blocks, 6609 bytes, FT-817\n"
        "Selected VFO: B\n"
        "VFO A band: 10 (11.80000 MHz)\n"
        "   0:    1.80000  1:    2.80000  2:    3.80000  3:    4.80000  4:    5.80000\n"
        "   5:    6.80000  6:    7.80000  7:    8.80000  8:    9.80000  9:   10.80000\n"
        "  10*   11.80000 11:   12.80000 12:   13.80000 13:   14.80000 14:   15.80000\n"
        "VFO B band: 2 (3.80005 MHz)\n"
        "   0:    1.80005  1:    2.80005  2*    3.80005  3:    4.80005  4:    5.80005\n"
        "   5:    6.80005  6:    7.80005  7:    8.80005  8:    9.80005  9:   10.80005\n"
        "  10:   11.80005 11:   12.80005 12:   13.80005 13:   14.80005 14:   15.80005\n"
        "Current channel: 12\n"
        "Active channels: 4\n"
        " Ch       RX MHz  Mode   Shift         TX MHz  Mode  Tone                 Step   Flags         Tag\n"
        "  1      7.00000  FM     simplex  -                  none                 5.00   -             -\n"
        " 12    145.50000  FM     minus        0.60000  LSB   tone 8 (88.5 Hz)     5.00   -             "
        "\"RPT 2m  \"\n"
        " 13     14.20000  USB    split       14.25000  CW    dcs 23 (DCS 134)     1.00   -             -\n"
        "200  42949.67295  PKT    simplex  -                  mute 49 (254.1 Hz)   1.00   -             "
        "\"Caf\xC3\xA9\"\\  \"\n";
    EXPECT_EQ(text, expected);
}

TEST(MemoryText, NotesACurrentChannelByteOutsideTheMemories)
{
    BlockStore store = sampleStore();
    store.setByte(1, 7, 203);
    store.setByte(5, 1, 0xF2);
    const std::string text = memoryText(store);
    EXPECT_NE(text.find("Current channel: 1 (the radio's byte holds 203"), std::string::npos) << text;
    EXPECT_NE(text.find("VFO B band: none (band select holds 15)"), std::string::npos) << text;
}

TEST(MemoryText, OneChannelActiveOrNot)
{
    BlockStore store = sampleStore();
    const std::string text = channelText(store, 12);
    EXPECT_EQ(text,
              "Channel 13 (active), block 10 index 53\n"
              "  Mode:      USB\n"
              "  RX:        14.20000 MHz (1420000)\n"
              "  Shift:     split\n"
              "  Split:     yes\n"
              "  TX:        14.25000 MHz (1425000)\n"
              "  TX mode:   CW\n"
              "  Bands:     RX 0 (HF), TX 0 (HF)\n"
              "  Tone mode: dcs\n"
              "  CTCSS:     0 (67.0 Hz)\n"
              "  DCS:       23 (DCS 134)\n"
              "  Narrow:    no\n"
              "  Steps:     SSB/CW/DIG/PKT 1.00, AM 2.50, FM 5.00 kHz\n"
              "  Flags:     -\n"
              "  Tag:       not shown \"........\"\n"
              "  Record:    01 e0 00 00 03 10 00 17 00 00 00 15 aa e0 00 15 be 68 00 00 00 00 00 00 00 00\n");
    EXPECT_EQ(channelText(store, 2).substr(0, 19), "Channel 3 (inactive");
}

TEST(MemoryReport, NotesWhereABandCodeDisagreesWithItsFrequency)
{
    BlockStore store = sampleStore();
    ChannelRecord twelve = ChannelRecord::forChannel(store, 11); // 145.5 MHz
    twelve.setByte(1, 0x60);
    const std::string note = "channel 12: RX band code 0 (HF) where 145.50000 MHz is band 4 (144 MHz)";
    EXPECT_NE(
        memoryText(store).find("Notes (a radio fills these otherwise; it still takes them):\n  " + note),
        std::string::npos)
        << memoryText(store);
    EXPECT_NE(channelText(store, 11).find("  Note:      RX band code 0 (HF)"), std::string::npos);
    auto parsed = JsonReader::parse(memoryJson(store));
    ASSERT_TRUE(parsed.has_value());
    ASSERT_EQ((*parsed)["notes"].items.size(), 1u);
    EXPECT_EQ((*parsed)["notes"].items[0].text, note);
    EXPECT_EQ((*parsed)["channels"].items[11]["rx_band_code"].number, 0);
    EXPECT_EQ(memoryText(sampleStore()).find("Notes"), std::string::npos);
}

TEST(MemoryReport, ListsTheSpecialMemoriesAfterTheChannels)
{
    const auto memoryOf = [](sim::Model model) {
        const sim::Memory memory = sim::defaultMemory(model);
        return *BlockStore::load(*buildImageFile(memory.image, memory.blockLengths));
    };
    for (const auto& [model, count, last] :
         {std::tuple{sim::Model::FT817NDUS, 42u, "M-605"}, std::tuple{sim::Model::FT818, 39u, "PMS-U"}}) {
        const BlockStore store = memoryOf(model);
        auto parsed = JsonReader::parse(memoryJson(store));
        ASSERT_TRUE(parsed.has_value());
        const auto& specials = (*parsed)["specials"].items;
        ASSERT_EQ(specials.size(), count);
        EXPECT_EQ(specials.back()["name"].text, last);
        const JsonValue& home = specials[count == 42u ? 32 : 34];
        EXPECT_EQ(home["name"].text, "HOME 144 MHz");
        EXPECT_EQ(home["rx"].number, 14600000);
        EXPECT_EQ(home["mode"].text, "FM");
        EXPECT_TRUE(home["in_use"].boolean);
        EXPECT_EQ(home["block"].number, 6);
        EXPECT_EQ(home["index"].number, 53);
        for (const char* key : {"tx", "tx_mode", "tone_mode", "ctcss", "dcs", "tag", "narrow", "skip",
                                "tuning_step_khz", "record"})
            EXPECT_TRUE(home.has(key)) << key;
        EXPECT_EQ((*parsed)["bands"]["A"].items.size(), count == 42u ? 15u : 16u);
    }
    const std::string text = memoryText(memoryOf(sim::Model::FT818));
    EXPECT_NE(text.find("Special memories: 39\n"), std::string::npos);
    EXPECT_NE(text.find("\nVFO A 5 MHz             5.35700  USB"), std::string::npos) << text;
    EXPECT_NE(text.find("\nHOME 144 MHz          146.00000  FM"), std::string::npos) << text;
    BlockStore unused = memoryOf(sim::Model::FT818);
    unused.setByte(27, 7, 0x04);
    EXPECT_NE(memoryText(unused).find("   not in use    "), std::string::npos);
}

TEST(MemoryReport, ShowsTheTagWhenBitSevenAloneIsSetAsTheRadioDoes)
{
    BlockStore store = sampleStore();
    ChannelRecord::forChannel(store, 0).setByte(0, 0x85); // FM, tag shown by a real radio
    ChannelRecord::forChannel(store, 0).setTag("HOME");
    EXPECT_NE(
        memoryText(store).find(
            "  1      7.00000  FM     simplex  -                  none                 5.00   -             "
            "\"HOME    \""),
        std::string::npos);
    EXPECT_NE(channelText(store, 0).find("Tag:       shown \"HOME    \""), std::string::npos);
    const std::string json = channelJson(store, 0);
    EXPECT_NE(json.find("\"tag_on\": false, \"tag_shown\": true"), std::string::npos) << json;
}

TEST(MemoryJson, HoldsEveryChannelAndTheVfos)
{
    const BlockStore store = sampleStore();
    const std::string json = memoryJson(store);
    auto parsed = JsonReader::parse(json);
    ASSERT_TRUE(parsed.has_value()) << json.substr(0, 400);
    const JsonValue& root = *parsed;
    EXPECT_EQ(root["blocks"].number, 50);
    EXPECT_EQ(root["image_bytes"].number, 6609);
    EXPECT_EQ(root["vfo"].text, "B");
    EXPECT_EQ(root["band_select"]["A"].number, 10);
    EXPECT_EQ(root["band_select"]["B"].number, 2);
    ASSERT_EQ(root["bands"]["A"].items.size(), 15u);
    EXPECT_EQ(root["bands"]["A"].items[14].number, 1580000);
    EXPECT_EQ(root["bands"]["B"].items[0].number, 180005);
    EXPECT_EQ(root["current_channel"].number, 12);
    EXPECT_EQ(root["current_channel_byte"].number, 11);

    const auto& channels = root["channels"].items;
    ASSERT_EQ(channels.size(), 200u);
    for (int n = 0; n < kChannelCount; ++n) {
        const JsonValue& c = channels[static_cast<std::size_t>(n)];
        const auto record = ChannelRecordView::forChannel(store, n);
        EXPECT_EQ(c["channel"].number, n + 1);
        EXPECT_EQ(c["active"].boolean, isChannelActive(store, n));
        EXPECT_EQ(c["rx"].number, record.rxFrequency());
        EXPECT_EQ(c["tag"].text, record.tag());
        EXPECT_EQ(c["record"].text.size(), 52u);
        for (const char* key :
             {"mode",         "split",       "tx",       "tx_mode", "tone_mode",       "ctcss",
              "ctcss_hz",     "dcs",         "dcs_code", "tag_on",  "tag_shown",       "shift",
              "narrow",       "skip",        "ipo",      "att",     "tuning_step_khz", "tuning_steps_khz",
              "rx_band_code", "tx_band_code"})
            EXPECT_TRUE(c.has(key)) << key;
    }
    EXPECT_EQ(channels[12]["tuning_steps_khz"]["fm"].real, 5.0);
    EXPECT_EQ(channels[12]["tuning_step_khz"].real, 1.0) << "USB tunes in the SSB steps";
    const JsonValue& last = channels[199];
    EXPECT_EQ(last["rx"].number, 4294967295LL);
    EXPECT_EQ(last["mode"].text, "PKT");
    EXPECT_EQ(last["tone_mode"].text, "mute");
    EXPECT_EQ(last["ctcss"].number, 49);
    EXPECT_DOUBLE_EQ(last["ctcss_hz"].real, 254.1);
    EXPECT_EQ(channels[11]["ctcss_hz"].real, 88.5);
    EXPECT_EQ(channels[12]["dcs_code"].text, "134");
    EXPECT_TRUE(last["tag_on"].boolean);
    EXPECT_EQ(last["tag"].text, std::string("Caf\xE9\"\\  "));
    EXPECT_NE(json.find(R"("tag": "Caf\u00e9\"\\  ")"), std::string::npos);

    const JsonValue& twelve = channels[11];
    EXPECT_FALSE(twelve["split"].boolean); // a minus shift is not the radio's split
    EXPECT_EQ(twelve["shift"].text, "minus");
    EXPECT_EQ(twelve["tx"].number, 60000);
    EXPECT_EQ(twelve["record"].text, "c5640000010008000000"
                                     "00de03f0"
                                     "0000ea60"
                                     "52505420326d2020");
}

TEST(MemoryJson, BandFifteenIsNullAndAnOddCurrentChannelOpensChannel1)
{
    BlockStore store = sampleStore();
    store.setByte(5, 1, 0xFF);
    store.setByte(1, 7, 200);
    auto parsed = JsonReader::parse(memoryJson(store));
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ((*parsed)["band_select"]["A"].kind, JsonValue::Kind::Null);
    EXPECT_EQ((*parsed)["band_select"]["B"].kind, JsonValue::Kind::Null);
    EXPECT_EQ((*parsed)["current_channel"].number, 1);
    EXPECT_EQ((*parsed)["current_channel_byte"].number, 200);
}

} // namespace
} // namespace ft817
