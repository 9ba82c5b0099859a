// `ft817clone show` on the simulated radio's memory lists exactly the
// channels the radio holds, decoded field by field.

#include "image/image_file.h"
#include "sim/default_memory.h"
#include "sim/simulated_radio.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace ft817 {
namespace {

test::ProgramRun show(const QStringList& arguments)
{
    return test::runProgram(QStringList{"show"} + arguments);
}

TEST(ShowCommand, JsonListsExactlyTheSimulatedRadiosChannels)
{
    test::TempDir dir;
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
    const auto file = buildImageFile(memory.image, memory.blockLengths);
    ASSERT_TRUE(file.ok());
    ASSERT_TRUE(writeWholeFile(dir.file("radio.bin"), *file).ok());

    const test::ProgramRun run = show({QString::fromStdString(dir.file("radio.bin")), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    QJsonParseError error{};
    const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_EQ(json["blocks"].toInt(), 50);
    EXPECT_EQ(json["image_bytes"].toInt(), 6609);
    EXPECT_EQ(json["vfo"].toString(), "A");
    EXPECT_EQ(json["current_channel"].toInt(), sim::kDefaultCurrentChannel + 1);

    const QJsonArray channels = json["channels"].toArray();
    ASSERT_EQ(channels.size(), 200);
    std::vector<int> active;
    for (const QJsonValue& value : channels)
        if (value.toObject()["active"].toBool())
            active.push_back(value.toObject()["channel"].toInt());
    std::vector<int> expected;
    for (const sim::DefaultChannel& channel : sim::defaultChannels())
        expected.push_back(channel.number + 1);
    EXPECT_EQ(active, expected);

    static const char* shifts[] = {"simplex", "minus", "plus", "split"};
    for (const sim::DefaultChannel& channel : sim::defaultChannels()) {
        const QJsonObject shown = channels[channel.number].toObject();
        SCOPED_TRACE(channel.number + 1);
        EXPECT_EQ(shown["rx"].toDouble(), channel.frequency);
        EXPECT_EQ(shown["shift"].toString(), shifts[channel.shiftByte >> 6]);
        EXPECT_EQ(shown["ctcss"].toInt(), channel.tone);
        EXPECT_EQ(shown["dcs"].toInt(), channel.dcs);
        EXPECT_EQ(shown["tag"].toString().trimmed(), QString(channel.tag).trimmed());
    }
}

TEST(ShowCommand, JsonListsTheSpecialMemoriesOfEachModel)
{
    test::TempDir dir;
    for (const auto& [model, count] : {std::pair{sim::Model::FT817NDUS, 42}, {sim::Model::FT818, 39}}) {
        const sim::Memory memory = sim::defaultMemory(model);
        ASSERT_TRUE(
            writeWholeFile(dir.file("radio.bin"), *buildImageFile(memory.image, memory.blockLengths)).ok());
        const test::ProgramRun run = show({QString::fromStdString(dir.file("radio.bin")), "--json"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
        const QJsonArray specials = json["specials"].toArray();
        ASSERT_EQ(specials.size(), count);
        EXPECT_EQ(specials[0].toObject()["name"].toString(), "VFO A 1.8 MHz");
        EXPECT_EQ(specials[count == 42 ? 32 : 34].toObject()["name"].toString(), "HOME 144 MHz");
        EXPECT_EQ(specials[count == 42 ? 32 : 34].toObject()["rx"].toDouble(), 14600000.0);
        EXPECT_EQ(specials[count - 1].toObject()["name"].toString(), count == 42 ? "M-605" : "PMS-U");
    }
}

TEST(ShowCommand, NamesTheBlocksThatArrivedDamaged)
{
    test::TempDir dir;
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
    Bytes file = *buildImageFile(memory.image, memory.blockLengths);
    file[static_cast<std::size_t>(readImageLayout(file)->ends[8] - 3)] ^= 0x10;
    ASSERT_TRUE(writeWholeFile(dir.file("radio.bin"), file).ok());

    for (const QStringList& form : {QStringList{}, QStringList{"--json"}}) {
        const test::ProgramRun run = show(QStringList{QString::fromStdString(dir.file("radio.bin"))} + form);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.err.find("the stored checksum of block 8 does not match"), std::string::npos)
            << run.err;
    }
}

// An FT-817 memory of 49 of its 50 blocks: every command that reads it says so.
TEST(ShowCommand, ShowExportSettingsAndDiffSayAnImageWithoutItsLastBlockIsNotWhole)
{
    test::TempDir dir;
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
    std::vector<int> lengths = memory.blockLengths;
    lengths.pop_back();
    const Bytes cut(memory.image.begin(), memory.image.end() - memory.blockLengths.back());
    const QString path = QString::fromStdString(dir.file("radio.bin"));
    ASSERT_TRUE(writeWholeFile(path.toStdString(), *buildImageFile(cut, lengths)).ok());

    const std::string said =
        path.toStdString() + ": not a whole memory: the radio stopped after block 48 of 50";
    for (const QStringList& command : {QStringList{"show", path}, QStringList{"settings", path},
                                       QStringList{"export", path, "-"}, QStringList{"diff", path, path}}) {
        const test::ProgramRun run = test::runProgram(command);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.err.find(said), std::string::npos)
            << command.join(' ').toStdString() << ": " << run.err;
        EXPECT_NE(run.err.find("missing: block 49"), std::string::npos) << run.err;
    }
}

// Output that cannot be written is a failure, said on standard error.
TEST(ShowCommand, ShowAndExportFailWhenStandardOutputCannotBeWritten)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "this system has no /dev/full";
    test::TempDir dir;
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
    ASSERT_TRUE(
        writeWholeFile(dir.file("radio.bin"), *buildImageFile(memory.image, memory.blockLengths)).ok());
    const std::string program = test::programPath().toStdString();
    for (const std::string& command :
         {"show '" + dir.file("radio.bin") + "'", "show --json '" + dir.file("radio.bin") + "'",
          "export '" + dir.file("radio.bin") + "' -"}) {
        const std::string line = "'" + program + "' " + command + " > /dev/full 2> '" + dir.file("err") + "'";
        const int status = std::system(line.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << command;
        EXPECT_EQ(WEXITSTATUS(status), 2) << command;
        const auto err = readWholeFile(dir.file("err"));
        ASSERT_TRUE(err);
        EXPECT_NE(std::string(err->begin(), err->end()).find("cannot write to standard output"),
                  std::string::npos)
            << command;
    }
}

TEST(ShowCommand, RefusedFileSaysWhyAndFails)
{
    test::TempDir dir;
    ASSERT_TRUE(writeWholeFile(dir.file("short.bin"), Bytes(10, 0)).ok());
    const test::ProgramRun refused = show({QString::fromStdString(dir.file("short.bin"))});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("not an image file"), std::string::npos) << refused.err;
    EXPECT_EQ(show({}).exitCode, 2);
}

// Nothing is read that an image could not be: no hang on a pipe, no running
// out of memory on a device or a huge file.
TEST(ShowCommand, OddFilesAreRefusedAtOnce)
{
    test::TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    ASSERT_TRUE(writeWholeFile(dir.file("huge.bin"), Bytes(1, 0)).ok());
    std::filesystem::resize_file(dir.file("huge.bin"), 3'000'000'000ULL);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/dev/zero", "it is a device, not a file"},
        {dir.file("pipe"), "it is a named pipe, not a file"},
        {dir.file("huge.bin"), "it is larger than the " + std::to_string(kMaxImageFileBytes) + " bytes"},
        {dir.path().string(), "it is a folder, not a file"}};
    for (const auto& [path, reason] : cases) {
        const test::ProgramRun refused = show({QString::fromStdString(path)});
        EXPECT_EQ(refused.exitCode, 1) << path;
        EXPECT_NE(refused.err.find(reason), std::string::npos) << refused.err;
    }
}

TEST(ShowCommand, NamesTheRadioOfTheLayout)
{
    test::TempDir dir;
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT818NDUS);
    ASSERT_TRUE(writeWholeFile(dir.file("radio.bin"), *buildImageFile(memory.image, memory.blockLengths)));
    const test::ProgramRun shown = show({QString::fromStdString(dir.file("radio.bin"))});
    EXPECT_EQ(shown.exitCode, 0);
    EXPECT_EQ(shown.out.rfind("Image: 51 blocks, 6805 bytes, FT-818ND (US)\n", 0), 0u) << shown.out;
}

} // namespace
} // namespace ft817
