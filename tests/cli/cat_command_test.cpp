// `ft817clone cat` where no radio is needed: usage, bad texts, missing ports.
#include "support/program_run.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

test::ProgramRun runCat(const QStringList& args)
{
    return test::runProgram(QStringList{"cat"} + args);
}

bool has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

int lines(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

const char* const kMissingDevice = "/dev/ft817-test-no-such-port";

TEST(CatHeadless, WrongUsageExitsTwo)
{
    for (const QStringList& args :
         {QStringList{}, QStringList{"--port"}, QStringList{"--port", kMissingDevice},
          QStringList{"43970000", "14525000"}, QStringList{"--speed", "43970000"},
          QStringList{"--port", "", "43970000"}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const test::ProgramRun run = runCat(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(has(run.err, "Usage: ft817clone cat")) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

// DIGITS that are no frequency the radio tunes are wrong usage, as in every command.
TEST(CatHeadless, BadTextIsWrongUsageWithItsReason)
{
    const struct {
        const char* text;
        const char* reasonPart;
    } cases[] = {
        {"1452x000", "digits only"},
        {"123456789", "at most 8"},
        {"1234", "at least 5"},
        {"00000", "0.00000 MHz is outside what the FT-817 tunes"},
        {"99999999", "999.99999 MHz is outside what the FT-817 tunes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const test::ProgramRun run = runCat({"--port", kMissingDevice, c.text});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(has(run.err.substr(0, run.err.find('\n')), c.reasonPart)) << run.err;
        EXPECT_TRUE(has(run.err, "Usage: ft817clone cat")) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

TEST(CatHeadless, MissingPortExitsOneWithOneLineReason)
{
    const test::ProgramRun run = runCat({QString("--port=") + kMissingDevice, "43970000"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(has(run.err, "cannot open")) << run.err;
    EXPECT_TRUE(has(run.err, kMissingDevice));
    EXPECT_EQ(lines(run.err), 1) << run.err;
    EXPECT_TRUE(run.out.empty());
}

} // namespace
} // namespace ft817
