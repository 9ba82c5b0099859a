// The commands as users on other systems run them: under a German locale,
// where the C library writes and reads numbers with a decimal comma, and
// with file names in letters beyond ASCII.

#include "image/image_file.h"
#include "platform/file_access.h"
#include "sim/simulated_radio.h"
#include "support/program_run.h"
#include "support/sim_fixture.h"
#include "support/temp_dir.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace ft817 {
namespace {

// "Gerät_ß_ü.bin" in a temporary folder, as UTF-8 and as the command line's text.
struct ForeignName {
    test::TempDir dir;
    std::string path = dir.file("Ger\xC3\xA4t_\xC3\x9F_\xC3\xBC.bin");
    QString argument = QString::fromStdString(path);
};

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

TEST(UserSystem, AFileNamedBeyondAsciiGoesThroughDownloadShowAndUpload)
{
    const ForeignName file;
    sim::SimulatedRadio radio(test::fastRadioOptions(sim::Mode::Auto));
    ASSERT_TRUE(radio.start().ok());
    const QString port = QString::fromStdString(radio.devicePath());

    const test::ProgramRun download =
        test::runProgram({"download", "--fast", "--port", port, file.argument}, test::germanEnvironment());
    ASSERT_EQ(download.exitCode, 0) << download.err;
    const Result<Bytes> saved = readWholeFile(file.path);
    ASSERT_TRUE(saved.ok()) << saved.error().full();

    const test::ProgramRun show = test::runProgram({"show", file.argument}, test::germanEnvironment());
    EXPECT_EQ(show.exitCode, 0) << show.err;
    EXPECT_NE(show.out.find("FT-817"), std::string::npos) << show.out;

    const test::ProgramRun upload =
        test::runProgram({"upload", "--fast", "--port", port, file.argument}, test::germanEnvironment());
    ASSERT_EQ(upload.exitCode, 0) << upload.err;
    ASSERT_TRUE(radio.waitForTransfers(2, 5.0));
    const auto layout = readImageLayout(*saved);
    ASSERT_TRUE(layout.ok());
    EXPECT_EQ(radio.receivedImage(), Bytes(saved->begin(), saved->begin() + layout->cloneBytes()));
}

} // namespace
} // namespace ft817
