// The export, import and diff commands on real files in a temporary folder.

#include "cli/exchange_commands.h"
#include "command_output.h"
#include "exchange/csv_exchange.h"
#include "image/block_store.h"
#include "image/channel_record.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "platform/file_access.h"
#include "sim/default_memory.h"
#include "support/payload_samples.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <sstream>

namespace ft817 {
namespace {

using test::CommandOutput;

CommandOutput run(int (*command)(const Arguments&), const Arguments& args)
{
    return test::runCommand(command, args);
}

Bytes defaultImageFile()
{
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
    return *buildImageFile(memory.image, memory.blockLengths);
}

std::string textOf(const Bytes& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

void writeText(const std::string& path, const std::string& text)
{
    ASSERT_TRUE(writeWholeFile(path, Bytes(text.begin(), text.end())));
}

class ExchangeCommands : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(writeWholeFile(m_image, defaultImageFile())); }

    test::TempDir m_dir;
    std::string m_image = m_dir.file("radio.bin");
};

TEST(ImportedImagePath, PutsTheMarkBeforeTheExtension)
{
    EXPECT_EQ(importedImagePath("dir/radio.bin"), "dir/radio.imported.bin");
    EXPECT_EQ(importedImagePath("radio.bin"), "radio.imported.bin");
    EXPECT_EQ(importedImagePath("radio"), "radio.imported");
    EXPECT_EQ(importedImagePath("dir/.bin"), "dir/.bin.imported");
}

TEST_F(ExchangeCommands, ExportWritesTheCsvOfTheImage)
{
    const std::string csvPath = m_dir.file("channels.csv");
    const CommandOutput result = run(runExportCommand, {m_image, csvPath});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, "wrote 13 channels to " + csvPath + "\n");
    const auto csv = readWholeFile(csvPath);
    ASSERT_TRUE(csv);
    EXPECT_EQ(textOf(*csv), exportChannelsCsv(*BlockStore::load(defaultImageFile())));

    const CommandOutput toStdout = run(runExportCommand, {m_image, "-"});
    EXPECT_EQ(toStdout.code, 0);
    EXPECT_EQ(toStdout.out, textOf(*csv));
}

TEST_F(ExchangeCommands, ExportSpecialWritesTheSpecialMemoriesThatImportAndDiffName)
{
    const std::string csvPath = m_dir.file("special.csv");
    const CommandOutput result = run(runExportCommand, {m_image, csvPath, "--special"});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, "wrote 37 special memories to " + csvPath + "\n");
    std::string csv = textOf(*readWholeFile(csvPath));
    EXPECT_EQ(csv, exportSpecialsCsv(*BlockStore::load(defaultImageFile())));
    csv.replace(csv.find("QMB,,145.525000"), 15, "QMB,,145.550000");
    writeText(csvPath, csv);
    const std::string target = m_dir.file("new.bin");
    const CommandOutput imported = run(runImportCommand, {m_image, csvPath, "--out", target});
    EXPECT_EQ(imported.code, 0) << imported.err;
    EXPECT_EQ(imported.out, "wrote 0 channels and 37 special memories into " + target + "\n");
    const CommandOutput diff = run(runDiffCommand, {m_image, target});
    EXPECT_EQ(diff.code, 1);
    EXPECT_EQ(diff.out, "QMB: frequency: 145.52500 \u2192 145.55000 MHz\n");
}

TEST_F(ExchangeCommands, ExportAndImportRefuseWrongUseAndUnreadableFiles)
{
    EXPECT_EQ(run(runExportCommand, {m_image}).code, 2);
    EXPECT_EQ(run(runExportCommand, {m_image, "a.csv", "--bogus"}).code, 2);
    EXPECT_EQ(run(runImportCommand, {m_image}).code, 2);
    EXPECT_EQ(run(runImportCommand, {m_image, "a.csv", "--out"}).code, 2);

    const CommandOutput missing = run(runExportCommand, {m_dir.file("none.bin"), m_dir.file("x.csv")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("none.bin"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("x.csv")));

    const CommandOutput noCsv = run(runImportCommand, {m_image, m_dir.file("none.csv")});
    EXPECT_EQ(noCsv.code, 1);
    EXPECT_NE(noCsv.err.find("none.csv"), std::string::npos);
}

TEST_F(ExchangeCommands, NoOutputGoesOverAnInputAndNoCsvIsReadUnbounded)
{
    const std::string csvPath = m_dir.file("channels.csv");
    ASSERT_EQ(run(runExportCommand, {m_image, csvPath}).code, 0);
    const std::string link = m_dir.file("link.bin");
    std::vector<Arguments> overInputs = {{m_image, m_image}, {m_image, csvPath, "--out", csvPath}};
    // Windows makes symbolic links only for administrators (and wine not at all).
    std::error_code noLink;
    std::filesystem::create_symlink(m_image, link, noLink);
#ifndef _WIN32
    ASSERT_FALSE(noLink) << noLink.message();
#endif
    if (!noLink) {
        overInputs.push_back({m_image, link});
        overInputs.push_back({m_image, csvPath, "--out", link});
    }
    for (const Arguments& args : overInputs) {
        const CommandOutput result = run(args.size() == 2 ? runExportCommand : runImportCommand, args);
        EXPECT_EQ(result.code, 1);
        EXPECT_NE(result.err.find("will not write over "), std::string::npos) << result.err;
    }
    EXPECT_EQ(*readWholeFile(m_image), defaultImageFile());

    std::filesystem::resize_file(csvPath, kMaxCsvFileBytes + 1);
    const CommandOutput huge = run(runImportCommand, {m_image, csvPath, "--out", m_dir.file("new.bin")});
    EXPECT_EQ(huge.code, 1);
    EXPECT_NE(huge.err.find("larger than"), std::string::npos) << huge.err;
}

TEST_F(ExchangeCommands, ImportStopsListingProblemsAfterTwentyAndRefusesWhatTheRadioCannotHold)
{
    const std::string csvPath = m_dir.file("bad.csv");
    std::string text = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,Mode\n"
                       "1,\"A\x1b[2J\",145.5,,,,,,,\n"
                       "2,B,1000,,,,,,,\n"
                       "3,C,145.5,split,0,,,,,\n";
    for (int i = 0; i < 22; ++i)
        text += "4,D,0,,,,,,,\n";
    writeText(csvPath, text);
    const CommandOutput result = run(runImportCommand, {m_image, csvPath, "--out", m_dir.file("new.bin")});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("line 2: Name \"A\\x1B[2J\" holds a control character"), std::string::npos)
        << result.err;
    EXPECT_EQ(result.err.find('\x1b'), std::string::npos);
    EXPECT_NE(result.err.find("line 3: Frequency: 1000.00000 MHz is outside what the FT-817 tunes"),
              std::string::npos);
    EXPECT_NE(result.err.find("line 4: Offset (the split TX frequency): 0.00000 MHz is outside"),
              std::string::npos);
    EXPECT_NE(result.err.find("ft817clone import: and 5 more\n"), std::string::npos) << result.err;
}

TEST_F(ExchangeCommands, ImportWritesACopyBesideTheImage)
{
    const std::string csvPath = m_dir.file("channels.csv");
    writeText(csvPath, "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,Mode\n"
                       "41,LONG NAME HERE,433.5,,,TSQL,,88.5,,FM\n");
    const CommandOutput result = run(runImportCommand, {m_image, csvPath});
    const std::string written = m_dir.file("radio.imported.bin");
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_NE(result.out.find("line 2: Name \"LONG NAME HERE\" cut to \"LONG NAM\""), std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("wrote 1 channel into " + written), std::string::npos) << result.out;

    EXPECT_EQ(*readWholeFile(m_image), defaultImageFile()); // the original stays as it was
    const auto store = BlockStore::load(*readWholeFile(written));
    ASSERT_TRUE(store);
    const ChannelRecordView record = ChannelRecordView::forChannel(*store, 40);
    EXPECT_TRUE(isChannelActive(*store, 40));
    EXPECT_EQ(record.rxFrequency(), 43350000u);
    EXPECT_EQ(record.toneMode(), ToneMode::Mute);
    EXPECT_EQ(record.toneNumber(), 8);
    EXPECT_EQ(record.tag(), "LONG NAM");
}

TEST_F(ExchangeCommands, ImportWithOutWritesThere)
{
    const std::string csvPath = m_dir.file("channels.csv");
    ASSERT_EQ(run(runExportCommand, {m_image, csvPath}).code, 0);
    const std::string out = m_dir.file("new.bin");
    const CommandOutput result = run(runImportCommand, {m_image, csvPath, "--out", out});
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(*readWholeFile(out), defaultImageFile()); // round trip through files
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("radio.imported.bin")));
}

// The one rule of every command that writes: a read-only target is refused
// with the reason and left as it was; a file replaced is kept in the history first.
TEST_F(ExchangeCommands, ExportAndImportRefuseReadOnlyFilesAndKeepWhatTheyReplace)
{
    const std::string csvPath = m_dir.file("channels.csv");
    const std::string out = m_dir.file("new.bin");
    writeText(csvPath, "old list");
    writeText(out, "old image");
    const CommandOutput exported = run(runExportCommand, {m_image, csvPath});
    ASSERT_EQ(exported.code, 0) << exported.err;
    const CommandOutput imported = run(runImportCommand, {m_image, csvPath, "--out", out});
    ASSERT_EQ(imported.code, 0) << imported.err;
    for (const auto& [result, old] : {std::pair{exported, "old list"}, {imported, "old image"}}) {
        const std::size_t at = result.out.find("the old file is kept as ");
        ASSERT_NE(at, std::string::npos) << result.out;
        const std::string kept = result.out.substr(at + 24, result.out.find('\n', at) - at - 24);
        EXPECT_EQ(textOf(*readWholeFile(kept)), old);
    }

    for (const std::string& path : {csvPath, out})
        std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                               std::filesystem::perms::group_read |
                                               std::filesystem::perms::others_read);
    const Bytes csvBefore = *readWholeFile(csvPath);
    const Bytes outBefore = *readWholeFile(out);
    const CommandOutput exportRefused = run(runExportCommand, {m_image, csvPath});
    const CommandOutput importRefused = run(runImportCommand, {m_image, csvPath, "--out", out});
    EXPECT_EQ(exportRefused.code, 1);
    EXPECT_EQ(importRefused.code, 1);
    EXPECT_NE(exportRefused.err.find(csvPath + ": the file is read-only"), std::string::npos)
        << exportRefused.err;
    EXPECT_NE(importRefused.err.find(out + ": the file is read-only"), std::string::npos)
        << importRefused.err;
    EXPECT_EQ(*readWholeFile(csvPath), csvBefore);
    EXPECT_EQ(*readWholeFile(out), outBefore);
}

TEST_F(ExchangeCommands, ImportWithBadRowsNamesThemAndWritesNothing)
{
    const std::string csvPath = m_dir.file("bad.csv");
    writeText(csvPath, "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,Mode\n"
                       "41,A,433.5,,,,,,,FM\n"
                       "42,B,433.5,,,Tone,88.4,,,FM\n"
                       "201,C,433.5,,,,,,,FM\n");
    const std::string out = m_dir.file("new.bin");
    const CommandOutput result = run(runImportCommand, {m_image, csvPath, "--out", out});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find(csvPath + " line 3: rToneFreq"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find(csvPath + " line 4: Location"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("nothing written (2 problems)"), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(ExchangeCommands, DiffExitsZeroOneOrTwo)
{
    const std::string copy = m_dir.file("copy.bin");
    ASSERT_TRUE(writeWholeFile(copy, defaultImageFile()));
    const CommandOutput same = run(runDiffCommand, {m_image, copy});
    EXPECT_EQ(same.code, 0);
    EXPECT_EQ(same.out, "");

    BlockStore changed = *BlockStore::load(defaultImageFile());
    selectVfo(changed, Vfo::B);
    ChannelRecord::forChannel(changed, 0).setRxFrequency(14552500);
    ASSERT_TRUE(writeWholeFile(copy, *changed.toImageFile()));
    const CommandOutput different = run(runDiffCommand, {m_image, copy});
    EXPECT_EQ(different.code, 1);
    EXPECT_EQ(different.out,
              "channel 1: frequency: 145.50000 \u2192 145.52500 MHz\nVFO select: A \u2192 B\n");

    EXPECT_EQ(run(runDiffCommand, {m_image}).code, 2);
    const CommandOutput unreadable = run(runDiffCommand, {m_image, m_dir.file("none.bin")});
    EXPECT_EQ(unreadable.code, 2);
    EXPECT_NE(unreadable.err.find("none.bin"), std::string::npos);
}

// A memory whose block 8 arrived damaged: its stored checksum no longer matches.
TEST_F(ExchangeCommands, AnImageWithADamagedBlockIsNamedByDiffAndRefusedByImportUnlessAsked)
{
    Bytes damaged = defaultImageFile();
    damaged[static_cast<std::size_t>(readImageLayout(damaged)->ends[8] - 3)] ^= 0x10;
    ASSERT_TRUE(writeWholeFile(m_image, damaged));
    const std::string csvPath = m_dir.file("channels.csv");
    writeText(csvPath, "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,Mode\n"
                       "41,A,433.5,,,,,,,FM\n");
    const std::string out = m_dir.file("new.bin");

    const CommandOutput refused = run(runImportCommand, {m_image, csvPath, "--out", out});
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find("the stored checksum of block 8 does not match"), std::string::npos)
        << refused.err;
    EXPECT_NE(refused.err.find("--any-layout"), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(out));

    EXPECT_EQ(run(runImportCommand, {m_image, csvPath, "--out", out, "--any-layout"}).code, 0);
    EXPECT_TRUE(std::filesystem::exists(out));

    const std::string copy = m_dir.file("copy.bin");
    ASSERT_TRUE(writeWholeFile(copy, damaged));
    const CommandOutput diff = run(runDiffCommand, {m_image, copy});
    EXPECT_EQ(diff.code, 0);
    EXPECT_NE(diff.err.find(m_image + ": the stored checksum of block 8 does not match"), std::string::npos)
        << diff.err;
}

// A payload file of another tool: import reads it as show does and writes
// the new image beside it, with the extension .bin.
TEST_F(ExchangeCommands, ImportReadsAPayloadFileAndWritesAnImageBesideIt)
{
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
    const Bytes payload = test::payloadFileOf(memory.image, memory.blockLengths);
    const std::string path = m_dir.file("tool.img");
    ASSERT_TRUE(writeWholeFile(path, payload));
    const std::string csvPath = m_dir.file("channels.csv");
    writeText(csvPath, "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,Mode\n"
                       "41,A,433.5,,,,,,,FM\n");
    const CommandOutput imported = run(runImportCommand, {path, csvPath});
    ASSERT_EQ(imported.code, 0) << imported.err;
    EXPECT_NE(imported.out.find("into " + m_dir.file("tool.bin")), std::string::npos) << imported.out;
    EXPECT_EQ(*readWholeFile(path), payload);
    const auto store = BlockStore::load(*readWholeFile(m_dir.file("tool.bin")));
    ASSERT_TRUE(store);
    EXPECT_EQ(ChannelRecordView::forChannel(*store, 40).rxFrequency(), 43'350'000u);
}

} // namespace
} // namespace ft817
