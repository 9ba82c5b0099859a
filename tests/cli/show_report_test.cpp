// `ft817clone show` run in this process on sample images: what it prints,
// and the files and arguments it refuses.

#include "cli/commands.h"
#include "command_output.h"
#include "exchange/memory_report.h"
#include "platform/file_access.h"
#include "support/image_json.h"
#include "support/image_samples.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <iostream>
#include <sstream>

namespace ft817 {
namespace {

using test::JsonReader;

BlockStore sampleStore()
{
    return *BlockStore::load(test::sampleMemoryImage());
}

test::CommandOutput runShow(const Arguments& args)
{
    return test::runCommand(runShowCommand, args);
}

TEST(ShowCommand, PrintsTheImageAsTextJsonOrOneChannel)
{
    test::TempDir dir;
    const std::string path = dir.file("radio.img");
    ASSERT_TRUE(writeWholeFile(path, test::sampleMemoryImage()).ok());

    auto text = runShow({path});
    EXPECT_EQ(text.code, 0) << text.err;
    EXPECT_EQ(text.out, memoryText(sampleStore()));

    auto json = runShow({"--json", path});
    EXPECT_EQ(json.code, 0) << json.err;
    EXPECT_EQ(json.out, memoryJson(sampleStore()));

    auto one = runShow({path, "--channel", "200", "--json"});
    EXPECT_EQ(one.code, 0) << one.err;
    auto parsed = JsonReader::parse(one.out);
    ASSERT_TRUE(parsed.has_value()) << one.out;
    EXPECT_EQ((*parsed)["channel"].number, 200);

    auto inactive = runShow({path, "--channel", "2"});
    EXPECT_EQ(inactive.code, 0);
    EXPECT_EQ(inactive.out, channelText(sampleStore(), 1));
}

TEST(ShowCommand, RefusesFilesAndArgumentsItCannotUse)
{
    test::TempDir dir;
    const std::string shortImage = dir.file("short.img");
    ASSERT_TRUE(writeWholeFile(shortImage, test::imageFileFromPayloads(
                                               test::patternPayloads(std::vector<int>(12, 40), 1)))
                    .ok());
    auto refused = runShow({shortImage});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.out.empty());
    EXPECT_NE(refused.err.find("the image has only 12 blocks; an FT-817 memory image has at least 48"),
              std::string::npos)
        << refused.err;

    auto missing = runShow({dir.file("none.img")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_FALSE(missing.err.empty());

    const std::string good = dir.file("good.img");
    ASSERT_TRUE(writeWholeFile(good, test::sampleMemoryImage()).ok());
    for (const Arguments& wrong :
         {Arguments{}, Arguments{good, "--channel", "0"}, Arguments{good, "--channel", "201"},
          Arguments{good, "--channel", "7x"}, Arguments{good, "--channel"}, Arguments{good, "--verbose"},
          Arguments{good, good}}) {
        auto result = runShow(wrong);
        EXPECT_EQ(result.code, 2) << testing::PrintToString(wrong);
        EXPECT_TRUE(result.out.empty());
    }
}

} // namespace
} // namespace ft817
