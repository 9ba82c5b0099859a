// `ft817clone settings` as a user runs it: listing, JSON, changes written
// atomically with the old file kept, and refused keys and values.
#include "support/payload_samples.h"
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

// The simulated FT-817ND (US)'s memory, its CW speed at 11 wpm.
std::string writeImage(const test::TempDir& dir)
{
    const std::string path = dir.file("radio.img");
    BlockStore store = test::simulatedMemory(sim::Model::FT817NDUS);
    writeSetting(store, *findSetting("cw_speed"), SettingValue{7, {}});
    EXPECT_TRUE(writeWholeFile(path, *store.toImageFile()));
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
    EXPECT_TRUE(has(run.out, "APO time: 3h \u2192 2h\nCW speed: 11 wpm \u2192 20 wpm\nID callsign: "))
        << run.out;
    EXPECT_EQ(*readWholeFile(image), input);

    // Byte for byte against the input: those bits and the two blocks' checksums, by hand. A
    // block's index i lies i bytes past its number byte; its checksum follows the payload.
    const BlockStore layout = *BlockStore::load(input);
    std::size_t block48 = 0;
    for (int block = 0; block < 48; ++block)
        block48 += static_cast<std::size_t>(layout.payloadLength(block)) + 2;
    Bytes expected = input;
    expected[4 + 17] = static_cast<std::uint8_t>((input[4 + 17] & 0xF8) | 2);  // APO time 2h
    expected[4 + 14] = static_cast<std::uint8_t>((input[4 + 14] & 0xC0) | 16); // CW speed 20 wpm
    const std::uint8_t callsign[] = {0x14, 0x16, 0x06, 0x17, 0x0A, 0x19, 0x24};
    std::copy(std::begin(callsign), std::end(callsign), expected.begin() + static_cast<long>(block48) + 79);
    for (const auto& [start, length] :
         {std::pair<std::size_t, int>{4, 40}, {block48, layout.payloadLength(48)}})
        expected[start + static_cast<std::size_t>(length) + 1] =
            BlockStore::checksum(std::span(expected).subspan(start + 1, static_cast<std::size_t>(length)));
    EXPECT_EQ(*readWholeFile(out.toStdString()), expected);
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

// A target that is no file is refused in settings' own words, never a download's.
TEST(SettingsCommand, OutThatIsNoFileIsRefusedNamingNoOtherCommand)
{
    test::TempDir dir;
    const std::string image = writeImage(dir);
    std::filesystem::create_directory(dir.file("folder"));
    for (const std::string& out : {dir.file("folder"), std::string("/dev/null")}) {
        const test::ProgramRun run = test::runProgram(
            {"settings", QString::fromStdString(image), "ars_2m=off", "--out", QString::fromStdString(out)});
        EXPECT_NE(run.exitCode, 0);
        EXPECT_TRUE(has(run.err, "cannot write " + out + ": it is a")) << run.err;
        EXPECT_FALSE(has(run.err, "download")) << run.err;
    }
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

// The simulated FT-817ND's memory with block 3 eight bytes longer than any
// radio's (a layout of no known model) and block 20's stored checksum stale.
Bytes unknownLayoutWithStaleBlock20()
{
    const BlockStore memory = test::simulatedMemory(sim::Model::FT817ND);
    std::vector<Bytes> payloads;
    for (int block = 0; block < memory.blockCount(); ++block) {
        Bytes payload;
        for (int index = 1; index <= memory.payloadLength(block); ++index)
            payload.push_back(memory.byte(index, block));
        if (block == 3)
            payload.resize(payload.size() + 8, 0);
        payloads.push_back(payload);
    }
    Bytes file = *BlockStore::fromPayloads(payloads)->toImageFile();
    file[static_cast<std::size_t>(readImageLayout(file)->ends[20] - 2)] ^= 0x01; // a payload byte of block 20
    return file;
}

TEST(SettingsCommand, AStaleChecksumAfterABlockOfUnexpectedLengthIsRefusedUnlessAsked)
{
    test::TempDir dir;
    const std::string image = dir.file("odd.img");
    ASSERT_TRUE(writeWholeFile(image, unknownLayoutWithStaleBlock20()));
    const std::string out = dir.file("out.img");
    const QStringList change{"settings", QString::fromStdString(image), "ars_2m=off", "--out",
                             QString::fromStdString(out)};
    const test::ProgramRun refused = test::runProgram(change);
    EXPECT_EQ(refused.exitCode, 1) << refused.out;
    EXPECT_TRUE(has(refused.err, "the stored checksum of block 20 does not match")) << refused.err;
    EXPECT_TRUE(has(refused.err, "--any-layout")) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(out));

    EXPECT_EQ(test::runProgram(change + QStringList{"--any-layout"}).exitCode, 0);
    EXPECT_TRUE(std::filesystem::exists(out));
}

// A payload file of another tool is read as show reads it; the changed memory
// goes into an image file beside it, never over it.
TEST(SettingsCommand, APayloadFileIsChangedIntoAnImageFileBesideIt)
{
    test::TempDir dir;
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817ND);
    const Bytes payload = test::payloadFileOf(memory.image, memory.blockLengths);
    const std::string path = dir.file("radio.img");
    ASSERT_TRUE(writeWholeFile(path, payload));

    const test::ProgramRun run = test::runProgram({"settings", QString::fromStdString(path), "ars_2m=off"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(has(run.out, "wrote " + dir.file("radio.bin"))) << run.out;
    EXPECT_EQ(*readWholeFile(path), payload);
    EXPECT_EQ(
        readSetting(*BlockStore::load(*readWholeFile(dir.file("radio.bin"))), *findSetting("ars_2m")).text,
        "off");

    const test::ProgramRun over = test::runProgram(
        {"settings", QString::fromStdString(path), "ars_2m=on", "--out", QString::fromStdString(path)});
    EXPECT_EQ(over.exitCode, 1);
    EXPECT_TRUE(has(over.err, "a payload file")) << over.err;
    EXPECT_EQ(*readWholeFile(path), payload);
}

TEST(SettingsCommand, ListsAsTextOrJson)
{
    test::TempDir dir;
    const std::string image = dir.file("radio.img");
    ASSERT_TRUE(writeWholeFile(image, *test::memoryWithKnownSettings(sim::Model::FT817).toImageFile()));
    const test::ProgramRun text = test::runProgram({"settings", QString::fromStdString(image)});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_TRUE(has(text.out, "Settings of FT-817: 68\nBasic\n  ars_2m ")) << text.out;
    EXPECT_TRUE(
        has(text.out, "\n  id_callsign           ID callsign (for CW ID)               \"KM6NAP\"\n"));
    EXPECT_FALSE(has(text.out, "emergency"));
    const test::ProgramRun json = test::runProgram({"settings", QString::fromStdString(image), "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_TRUE(has(json.out, "\"cw_speed\": \"20 wpm\",\n  \"cw_weight\": \"1:3.0\"")) << json.out;
    EXPECT_TRUE(has(json.out, "\"id_callsign\": \"KM6NAP\"")) << json.out;
}

} // namespace
} // namespace ft817
