// `ft817clone settings` as a user runs it: listing, JSON, changes written
// atomically with the old file kept, and refused keys and values.
#include "support/program_run.h"
#include "support/settings_samples.h"
#include "support/temp_dir.h"

#include "image/radio_settings.h"
#include "platform/file_access.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

bool has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The simulated FT-817ND (US)'s memory, whose settings bytes are all over the place.
std::string writeImage(const test::TempDir& dir)
{
    const std::string path = dir.file("radio.img");
    EXPECT_TRUE(writeWholeFile(path, *test::simulatedMemory(sim::Model::FT817NDUS).toImageFile()));
    return path;
}

TEST(SettingsCommand, ChangesExactlyTheBitsOfTheNamedSettings)
{
    test::TempDir dir;
    const std::string image = writeImage(dir);
    const Bytes input = *readWholeFile(image);
    const QString out = QString::fromStdString(dir.file("out.img"));
    const test::ProgramRun run = test::runProgram({"settings", QString::fromStdString(image), "apo_time=2h",
                                                   "cw_speed=20", "id_callsign=KM6NAP", "--out", out});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(has(run.out, "APO time: 5h \u2192 2h\nCW speed: 11 wpm \u2192 20 wpm\nID callsign: "))
        << run.out;
    EXPECT_EQ(*readWholeFile(image), input);

    BlockStore expected = *BlockStore::load(input);
    writeSetting(expected, *findSetting("apo_time"), SettingValue{2, {}});
    writeSetting(expected, *findSetting("cw_speed"), SettingValue{16, {}});
    writeSetting(expected, *findSetting("id_callsign"), SettingValue{0, "KM6NAP"});
    const Bytes written = *readWholeFile(out.toStdString());
    EXPECT_EQ(written, *expected.toImageFile());
    // Byte for byte against the input: only those bits, and the two blocks' checksums.
    ASSERT_EQ(written.size(), input.size());
    std::vector<std::size_t> differing;
    for (std::size_t at = 0; at < input.size(); ++at)
        if (written[at] != input[at])
            differing.push_back(at);
    // A block's index i lies i bytes past its number byte; its checksum follows the payload.
    const std::size_t block1 = 4;
    std::vector<std::size_t> allowed = {block1 + 14, block1 + 17, block1 + 41};
    std::size_t start48 = 0;
    for (int block = 0; block < 48; ++block)
        start48 += static_cast<std::size_t>(expected.payloadLength(block)) + 2;
    for (int k = 0; k < 7; ++k)
        allowed.push_back(start48 + 79 + static_cast<std::size_t>(k));
    allowed.push_back(start48 + 1 + static_cast<std::size_t>(expected.payloadLength(48)));
    for (const std::size_t at : differing)
        EXPECT_NE(std::find(allowed.begin(), allowed.end(), at), allowed.end()) << "file offset " << at;
    EXPECT_EQ(written[block1 + 17] & 0xF8, input[block1 + 17] & 0xF8);
    EXPECT_EQ(written[block1 + 14] & 0xC0, input[block1 + 14] & 0xC0);
}

TEST(SettingsCommand, WithoutOutReplacesTheImageAndKeepsTheOldOne)
{
    test::TempDir dir;
    const std::string image = writeImage(dir);
    const Bytes input = *readWholeFile(image);
    const test::ProgramRun run = test::runProgram({"settings", QString::fromStdString(image), "ars_2m=off"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readSetting(*BlockStore::load(*readWholeFile(image)), *findSetting("ars_2m")).text, "off");
    const std::string kept = run.out.substr(run.out.find("kept as ") + 8);
    EXPECT_EQ(*readWholeFile(kept.substr(0, kept.size() - 1)), input);
}

TEST(SettingsCommand, BadKeyOrValueIsRefusedWithTheChoicesAndNothingIsWritten)
{
    test::TempDir dir;
    const std::string image = writeImage(dir);
    const Bytes input = *readWholeFile(image);
    const struct {
        const char* pair;
        const char* reason;
    } cases[] = {
        {"apo=2h", "no setting is called apo; the FT-817ND (US) has: ars_2m ars_70cm am_mic_gain apo_time"},
        {"apo_time=7h", "apo_time is one of OFF, 1h, 2h, 3h, 4h, 5h or 6h, not \"7h\""},
        {"vox_delay=0", "vox_delay is a whole number from 1 to 25, not \"0\""},
        {"id_callsign=KM6/NAP", "id_callsign is up to 7 characters of 0-9, A-Z and space"},
    };
    for (const auto& bad : cases) {
        const test::ProgramRun run =
            test::runProgram({"settings", QString::fromStdString(image), "cw_speed=20", bad.pair, "--out",
                              QString::fromStdString(dir.file("o"))});
        EXPECT_EQ(run.exitCode, 2) << bad.pair;
        EXPECT_TRUE(has(run.err, bad.reason)) << run.err;
        EXPECT_TRUE(has(run.err, "nothing written")) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("o")));
    }
    EXPECT_EQ(*readWholeFile(image), input);
}

TEST(SettingsCommand, ListsAsTextOrJson)
{
    test::TempDir dir;
    const std::string image = dir.file("radio.img");
    ASSERT_TRUE(writeWholeFile(image, *test::memoryWithKnownSettings(sim::Model::FT817).toImageFile()));
    const test::ProgramRun text = test::runProgram({"settings", QString::fromStdString(image)});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_TRUE(has(text.out, "Settings of FT-817: 68\nBasic\n  ars_2m ")) << text.out;
    const test::ProgramRun json = test::runProgram({"settings", QString::fromStdString(image), "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_TRUE(has(json.out, "\"cw_speed\": \"20 wpm\",\n  \"cw_weight\": \"1:3.0\"")) << json.out;
    EXPECT_TRUE(has(json.out, "\"id_callsign\": \"KM6NAP\"")) << json.out;
}

} // namespace
} // namespace ft817
