// The settings' JSON object, in show's JSON too, and diff's lines for settings.
#include "support/settings_samples.h"

#include "exchange/image_diff.h"
#include "exchange/memory_report.h"
#include "exchange/settings_text.h"
#include "image/radio_settings.h"

#include <gtest/gtest.h>

namespace ft817 {
namespace {

bool has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(SettingsText, JsonMapsEveryKeyToItsValue)
{
    const BlockStore store = test::memoryWithKnownSettings(sim::Model::FT818);
    const std::string json = settingsJson(store);
    for (const char* part :
         {"{\n  \"ars_2m\": true,\n", "\"apo_time\": \"3h\"", "\"cw_delay\": 25", "\"dig_shift\": -100",
          "\"id_callsign\": \"KM6NAP\"", "\"antenna_uhf\": \"Rear\"\n}\n"})
        EXPECT_TRUE(has(json, part)) << part;
    EXPECT_EQ(std::count(json.begin(), json.end(), ':'), 68 + 1); // and cw_weight's "1:3.0"
    std::string inShow = json;
    inShow.pop_back();
    EXPECT_TRUE(has(memoryJson(store), "],\n \"settings\": " + inShow + "}\n"));
}

TEST(SettingsText, DiffNamesChangedSettingsAndStillShowsOtherBits)
{
    const BlockStore before = test::memoryWithKnownSettings(sim::Model::FT817ND);
    BlockStore after = before;
    writeSetting(after, *findSetting("apo_time"), SettingValue{2, {}});
    writeSetting(after, *findSetting("id_callsign"), SettingValue{0, "AB1CD"});
    after.setBit(3, 1, 2, false); // a bit no setting uses
    EXPECT_EQ(describeImageDifferences(before, after),
              (std::vector<std::string>{"APO time: 3h \u2192 2h", "ID callsign: \"KM6NAP\" \u2192 \"AB1CD\"",
                                        "block 1 index 3: 0xAE \u2192 0xAA"}));
}

} // namespace
} // namespace ft817
