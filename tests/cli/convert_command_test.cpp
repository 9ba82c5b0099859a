// convert, and show, export and diff on payload files of other tools, on real
// files in a temporary folder.

#include "cli/commands.h"
#include "cli/exchange_commands.h"
#include "command_output.h"
#include "image/image_file.h"
#include "image/payload_file.h"
#include "platform/file_access.h"
#include "sim/default_memory.h"
#include "support/payload_samples.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
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

class ConvertCommand : public testing::Test {
protected:
    // Writes the built-in memory of the model as a payload file (with the trailer, if given).
    std::string writePayloadFile(sim::Model model, const std::string& name,
                                 const std::string& trailerModel = {})
    {
        const sim::Memory memory = sim::defaultMemory(model);
        Bytes file = test::payloadFileOf(memory.image, memory.blockLengths);
        if (!trailerModel.empty()) {
            const Bytes trailer = test::toolTrailer(trailerModel);
            file.insert(file.end(), trailer.begin(), trailer.end());
        }
        EXPECT_TRUE(writeWholeFile(m_dir.file(name), file));
        return m_dir.file(name);
    }
    static Bytes imageFileOf(sim::Model model)
    {
        const sim::Memory memory = sim::defaultMemory(model);
        return *buildImageFile(memory.image, memory.blockLengths);
    }

    test::TempDir m_dir;
};

TEST_F(ConvertCommand, ReadOnlyOutIsRefusedAndAReplacedFileIsKept)
{
    const std::string payload = writePayloadFile(sim::Model::FT817ND, "radio.img");
    const std::string image = m_dir.file("radio.bin");
    ASSERT_TRUE(writeWholeFile(image, Bytes{1, 2, 3}));
    const CommandOutput converted = run(runConvertCommand, {payload, image});
    ASSERT_EQ(converted.code, 0) << converted.err;
    const std::size_t at = converted.out.find("the old file is kept as ");
    ASSERT_NE(at, std::string::npos) << converted.out;
    EXPECT_EQ(*readWholeFile(converted.out.substr(at + 24, converted.out.size() - at - 25)),
              (Bytes{1, 2, 3}));

    ASSERT_TRUE(writeWholeFile(image, Bytes{4, 5}));
    std::filesystem::permissions(image, std::filesystem::perms::owner_read);
    const CommandOutput refused = run(runConvertCommand, {payload, image});
    EXPECT_NE(refused.code, 0);
    EXPECT_NE(refused.err.find(image + ": the file is read-only"), std::string::npos) << refused.err;
    EXPECT_EQ(*readWholeFile(image), (Bytes{4, 5}));
}

TEST_F(ConvertCommand, ConvertThenConvertRawGivesThePayloadFileBack)
{
    const std::string payload = writePayloadFile(sim::Model::FT817ND, "radio.img");
    const std::string image = m_dir.file("radio.bin");
    const CommandOutput converted = run(runConvertCommand, {payload, image});
    ASSERT_EQ(converted.code, 0) << converted.err;
    EXPECT_EQ(converted.err,
              "ft817clone convert: " + payload + ": read as a payload file of model FT-817ND\n");
    EXPECT_EQ(*readWholeFile(image), imageFileOf(sim::Model::FT817ND));

    const std::string back = m_dir.file("back.img");
    const CommandOutput raw = run(runConvertCommand, {"--raw", image, back});
    ASSERT_EQ(raw.code, 0) << raw.err;
    EXPECT_EQ(raw.out, "wrote " + back + ": payload file, 6521 bytes\n");
    EXPECT_EQ(*readWholeFile(back), *readWholeFile(payload));

    // An FT-818 file with a trailer converts with the trailer ignored.
    const std::string ft818 = writePayloadFile(sim::Model::FT818, "ft818.img", "FT-818");
    ASSERT_EQ(run(runConvertCommand, {ft818, m_dir.file("ft818.bin")}).code, 0);
    EXPECT_EQ(*readWholeFile(m_dir.file("ft818.bin")), imageFileOf(sim::Model::FT818));
}

// A payload file keeps no checksums: an image whose stored checksum does not
// match goes into one only when asked, as every command that writes says.
TEST_F(ConvertCommand, RawRefusesAnImageWhoseChecksumsDoNotMatchUnlessAsked)
{
    Bytes file = imageFileOf(sim::Model::FT817ND);
    file[static_cast<std::size_t>(readImageLayout(file)->ends[8] - 3)] ^= 0x10;
    const std::string image = m_dir.file("damaged.bin");
    ASSERT_TRUE(writeWholeFile(image, file));
    const std::string out = m_dir.file("damaged.img");
    const CommandOutput refused = run(runConvertCommand, {"--raw", image, out});
    EXPECT_EQ(refused.code, 1);
    EXPECT_NE(refused.err.find("the stored checksum of block 8 does not match"), std::string::npos)
        << refused.err;
    EXPECT_NE(refused.err.find("--any-layout"), std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(out));
    const CommandOutput asked = run(runConvertCommand, {"--raw", "--any-layout", image, out});
    EXPECT_EQ(asked.code, 0) << asked.err;
    EXPECT_EQ(std::filesystem::file_size(out), 6521u);
}

TEST_F(ConvertCommand, HelpNamesEveryKnownModelsPayloadLength)
{
    const CommandOutput help = run(runConvertCommand, {"--help"});
    ASSERT_EQ(help.code, 0);
    std::string oneLine = help.out;
    std::replace(oneLine.begin(), oneLine.end(), '\n', ' ');
    for (const RadioModel& radio : knownRadioModels())
        EXPECT_NE(oneLine.find(std::to_string(payloadBytes(radio))), std::string::npos) << radio.name;
    EXPECT_NE(oneLine.find(knownPayloadLengths()), std::string::npos) << help.out;
}

TEST_F(ConvertCommand, NeverWritesOverItsInputNorConvertsAnImageFileToItself)
{
    const std::string payload = writePayloadFile(sim::Model::FT817ND, "radio.img");
    EXPECT_EQ(run(runConvertCommand, {payload, payload}).code, 1);
    EXPECT_EQ(run(runConvertCommand, {"--raw", payload, payload}).code, 1);
    EXPECT_EQ(std::filesystem::file_size(payload), 6521u);

    ASSERT_TRUE(writeWholeFile(m_dir.file("radio.bin"), imageFileOf(sim::Model::FT817ND)));
    const CommandOutput already = run(runConvertCommand, {m_dir.file("radio.bin"), m_dir.file("copy.bin")});
    EXPECT_EQ(already.code, 1);
    EXPECT_NE(already.err.find("is an image file already"), std::string::npos) << already.err;
    EXPECT_FALSE(std::filesystem::exists(m_dir.file("copy.bin")));
}

TEST_F(ConvertCommand, ShowExportAndDiffReadAPayloadFileAsItsImage)
{
    const std::string payload = writePayloadFile(sim::Model::FT817NDUS, "us.img");
    const std::string image = m_dir.file("us.bin");
    ASSERT_TRUE(writeWholeFile(image, imageFileOf(sim::Model::FT817NDUS)));
    const std::string note = ": read as a payload file of model FT-817ND (US)\n";

    const CommandOutput shown = run(runShowCommand, {payload, "--json"});
    ASSERT_EQ(shown.code, 0) << shown.err;
    EXPECT_EQ(shown.err, "ft817clone show: " + payload + note);
    EXPECT_EQ(shown.out, run(runShowCommand, {image, "--json"}).out);

    const CommandOutput exported = run(runExportCommand, {payload, "-"});
    ASSERT_EQ(exported.code, 0) << exported.err;
    EXPECT_EQ(exported.out, run(runExportCommand, {image, "-"}).out);

    const CommandOutput compared = run(runDiffCommand, {payload, image});
    EXPECT_EQ(compared.code, 0) << compared.out;
    EXPECT_EQ(compared.err, "ft817clone diff: " + payload + note);
}

} // namespace
} // namespace ft817
