// `ft817clone cat` where no radio is needed: usage, bad texts, missing ports.
#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

struct CatRun {
    int exitCode = -1;
    QString out;
    QString err;
};

CatRun runCat(const QStringList& args)
{
    QProcess process;
    process.start(FT817_BINARY, QStringList{"cat"} + args);
    CatRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "ft817clone cat did not finish";
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

const char* const kMissingDevice = "/dev/ft817-test-no-such-port";

TEST(CatHeadless, WrongUsageExitsTwo)
{
    for (const QStringList& args :
         {QStringList{}, QStringList{"--port"}, QStringList{"--port", kMissingDevice},
          QStringList{"43970000", "14525000"}, QStringList{"--speed", "43970000"}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CatRun run = runCat(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains("Usage: ft817clone cat")) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST(CatHeadless, BadTextExitsOneWithOneLineReason)
{
    const struct {
        const char* text;
        const char* reasonPart;
    } cases[] = {
        {"1452x000", "digits only"},
        {"123456789", "at most 8"},
        {"1234", "at least 5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const CatRun run = runCat({"--port", kMissingDevice, c.text});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(c.reasonPart)) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST(CatHeadless, MissingPortExitsOneWithOneLineReason)
{
    const CatRun run = runCat({QString("--port=") + kMissingDevice, "43970000"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("cannot open")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(kMissingDevice));
    EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
}

} // namespace
} // namespace ft817
