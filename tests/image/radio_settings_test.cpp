// The menu settings table on the memories of all five models: known bytes
// read as the radio's menu shows them, writing touches only the setting's
// bits, and values the radio would not hold are read as they are stored.
#include "support/settings_samples.h"

#include "image/radio_settings.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace ft817 {
namespace {

TEST(RadioSettings, EveryModelReadsTheKnownValuesOfItsOwnSettings)
{
    const std::map<sim::Model, std::size_t> counts = {{sim::Model::FT817, 68},
                                                      {sim::Model::FT817ND, 68},
                                                      {sim::Model::FT817NDUS, 69},
                                                      {sim::Model::FT818, 68},
                                                      {sim::Model::FT818NDUS, 69}};
    for (const sim::Model model : sim::allModels()) {
        SCOPED_TRACE(sim::modelName(model));
        const BlockStore store = test::memoryWithKnownSettings(model);
        const std::vector<const RadioSetting*> settings = settingsOf(store);
        EXPECT_EQ(settings.size(), counts.at(model));
        const bool emergency = sim::modelLayout(model).emergencySetting;
        EXPECT_EQ(std::count(settings.begin(), settings.end(), findSetting("emergency")), emergency ? 1 : 0);
        for (const RadioSetting* setting : settings) {
            const SettingReading reading = readSetting(store, *setting);
            EXPECT_TRUE(reading.valid) << setting->key;
            EXPECT_EQ(reading.text, test::knownSettingTexts().at(std::string(setting->key))) << setting->key;
        }
    }
    EXPECT_EQ(radioSettings().size(), test::knownSettingTexts().size());
}

TEST(RadioSettings, NoTwoSettingsShareABitAndKeysAreUnique)
{
    std::set<std::string_view> keys;
    std::map<std::pair<int, int>, std::uint8_t> used;
    for (const RadioSetting& setting : radioSettings()) {
        EXPECT_TRUE(keys.insert(setting.key).second) << setting.key;
        for (const BitLocation bits : settingBits(setting)) {
            std::uint8_t& taken = used[{bits.block, bits.index}];
            EXPECT_EQ(taken & bits.mask, 0) << setting.key;
            taken |= bits.mask;
        }
    }
}

// A random valid value of a setting.
SettingValue randomValue(const RadioSetting& setting, std::mt19937& random)
{
    if (setting.encoding == SettingEncoding::Callsign) {
        std::string text;
        for (int k = std::uniform_int_distribution(0, kCallsignLength)(random); k > 0; --k)
            text += kCallsignCharacters[std::uniform_int_distribution<std::size_t>(0, 35)(random)];
        return SettingValue{0, text};
    }
    return SettingValue{std::uniform_int_distribution(setting.minimum, setting.maximum)(random), {}};
}

TEST(RadioSettings, RandomChangesOnEveryLayoutTouchOnlyTheirOwnBits)
{
    std::mt19937 random(817);
    for (const sim::Model model : sim::allModels()) {
        SCOPED_TRACE(sim::modelName(model));
        BlockStore store = test::simulatedMemory(model);
        for (int block = 0; block < store.blockCount(); ++block) // every bit carried is a random one
            for (int index = 1; index <= store.payloadLength(block); ++index)
                store.setByte(index, block, static_cast<std::uint8_t>(random()));
        const std::vector<const RadioSetting*> settings = settingsOf(store);
        for (int step = 0; step < 400; ++step) {
            const RadioSetting& setting =
                *settings[std::uniform_int_distribution<std::size_t>(0, settings.size() - 1)(random)];
            const SettingValue value = randomValue(setting, random);
            const BlockStore before = store;
            writeSetting(store, setting, value);
            const SettingReading reading = readSetting(store, setting);
            ASSERT_TRUE(reading.valid) << setting.key;
            ASSERT_EQ(reading.value, value) << setting.key;
            BlockStore unchanged = store;
            for (const BitLocation bits : settingBits(setting))
                unchanged.setBits(bits.index, bits.block, bits.mask, before.byte(bits.index, bits.block));
            ASSERT_EQ(unchanged, before) << setting.key << " step " << step;
        }
    }
}

TEST(RadioSettings, ValuesTheRadioWouldNotHoldReadAsStored)
{
    BlockStore store = test::memoryWithKnownSettings(sim::Model::FT817);
    store.setByte(17, 1, 0x57);  // APO time code 7
    store.setByte(20, 1, 0x7F);  // AM MIC gain 127
    store.setByte(7, 1, 0x90);   // LCD contrast stored 0
    store.setByte(82, 48, 0x3F); // callsign byte 4
    const auto read = [&](const char* key) { return readSetting(store, *findSetting(key)); };
    EXPECT_EQ(read("apo_time").text, "code 7 (unused)");
    EXPECT_EQ(read("am_mic_gain").text, "127 (out of range 0..100)");
    EXPECT_EQ(read("lcd_contrast").text, "-1 (out of range 1..12)");
    EXPECT_EQ(read("id_callsign").text, "KM6?AP (byte 4 holds 0x3F, not a character)");
    for (const char* key : {"apo_time", "am_mic_gain", "lcd_contrast", "id_callsign"})
        EXPECT_FALSE(read(key).valid) << key;
    EXPECT_EQ(store.byte(17, 1), 0x57); // reading changed nothing
}

TEST(RadioSettings, TypedValuesAreReadAsTheMenuNamesThem)
{
    const auto parse = [](const char* key, const char* typed) {
        return parseSettingValue(*findSetting(key), typed);
    };
    EXPECT_EQ(parse("cw_speed", "20")->number, 16);
    EXPECT_EQ(parse("scan_resume", "3sec")->number, 1);
    EXPECT_EQ(parse("apo_time", "2H")->number, 2);
    EXPECT_EQ(parse("cw_weight", "1:3.0")->number, 5);
    EXPECT_EQ(parse("ars_2m", "yes")->number, 1);
    EXPECT_EQ(parse("dig_shift", "-300")->number, -300);
    EXPECT_EQ(parse("id_callsign", "km6nap")->text, "KM6NAP");
    EXPECT_EQ(parse("apo_time", "7h").error().message,
              "apo_time is one of OFF, 1h, 2h, 3h, 4h, 5h or 6h, not \"7h\"");
    EXPECT_FALSE(parse("cw_weight", "1"));
    EXPECT_FALSE(parse("id_callsign", "KM6NAP12"));
}

TEST(RadioSettings, ACallsignCharacterTheRadioCannotShowIsRefusedNamingTheCharactersItTakes)
{
    const RadioSetting& callsign = *findSetting("id_callsign");
    EXPECT_EQ(parseSettingValue(callsign, "k6abc/p").error().message,
              "id_callsign is up to 7 characters of 0-9, A-Z and space, not \"k6abc/p\": "
              "the radio cannot show \"/\"");
    EXPECT_EQ(callsignProblem("k6abc/p"), "the radio cannot show \"/\"");
    EXPECT_EQ(callsignProblem("K\xC3\x96/1/"), "the radio cannot show \"\xC3\x96\", \"/\"");
    EXPECT_EQ(callsignProblem("KM6NAP12"), "it has 8 characters");
    EXPECT_EQ(callsignProblem("km6nap"), "");
}

TEST(RadioSettings, EverySettingSaysWhatItDoesInTheOwnersWords)
{
    for (const RadioSetting& setting : radioSettings()) {
        EXPECT_FALSE(setting.description.empty()) << setting.key;
        EXPECT_EQ(setting.ownerHelp().find("block"), std::string::npos) << setting.key;
    }
    EXPECT_EQ(findSetting("cat_rate")->ownerHelp(),
              "Sets the serial speed of the CAT socket; the computer must use the same speed. Menu 14.");
}

// Numbers are plain: an optional sign, digits, nothing else.
TEST(RadioSettings, NumbersWithTwoSignsOrSpacesInsideAreRefused)
{
    const auto parse = [](const char* key, const char* typed) {
        return parseSettingValue(*findSetting(key), typed);
    };
    for (const auto& [key, typed] : {std::pair{"dig_shift", "+-5"},
                                     {"dig_shift", "-+5"},
                                     {"dig_shift", "--5"},
                                     {"dig_shift", "- 5"},
                                     {"cw_pitch", "3 0 0"},
                                     {"cw_speed", "2 0"},
                                     {"cw_speed", "2 0 wpm"}})
        EXPECT_FALSE(parse(key, typed)) << key << "=" << typed;
    EXPECT_EQ(parse("dig_shift", "+5")->number, 5);
    EXPECT_EQ(parse("cw_pitch", " 300 Hz ")->number, parse("cw_pitch", "300")->number);
}

} // namespace
} // namespace ft817
