// The commands as users on other systems run them: under a German locale,
// where the C library writes and reads numbers with a decimal comma.

#include "support/program_run.h"
#include "support/temp_dir.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

TEST(UserSystem, SecondsTakeADecimalPointUnderAGermanLocale)
{
    test::TempDir dir;
    const QString link = QString::fromStdString(dir.file("radio"));

    // The decimal comma the German locale writes is no number here: the same text means the same everywhere.
    const test::ProgramRun comma =
        test::runProgram({"sim", "--link", link, "--start-delay", "0,5"}, test::germanEnvironment());
    EXPECT_EQ(comma.exitCode, 2) << comma.err;
    EXPECT_NE(comma.err.find("--start-delay"), std::string::npos) << comma.err;

    // The decimal point starts the radio: it prints its pseudo-terminal's path.
    QProcess sim;
    sim.setProcessEnvironment(test::germanEnvironment());
    sim.start(test::programPath(), {"sim", "--link", link, "--start-delay", "0.5", "--block-delay", "0.02",
                                    "--ack-delay", "0.02", "--pause", "0.25", "--pause-in-block", "3"});
    ASSERT_TRUE(sim.waitForStarted(10000));
    while (!sim.canReadLine() && sim.state() == QProcess::Running)
        sim.waitForReadyRead(100);
    const std::string firstLine = sim.readLine().trimmed().toStdString();
    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(10000));
    EXPECT_EQ(firstLine.rfind("/dev/pts/", 0), 0u) << firstLine << sim.readAllStandardError().toStdString();
    EXPECT_EQ(sim.exitCode(), 0);
}

} // namespace
} // namespace ft817
