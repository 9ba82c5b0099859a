// ft817clone sim as a program: its options, exit codes, the link, and the
// three things it writes (the device path, the received image, the CAT log).

#include "image/image_file.h"
#include "platform/qt_serial_port.h"
#include "sim/default_memory.h"
#include "support/eventually.h"
#include "support/program_run.h"
#include "support/sim_fixture.h"
#include "support/temp_dir.h"

#include <QProcess>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace ft817;
using namespace ft817::test;

namespace {

test::ProgramRun runToEnd(const QStringList& arguments)
{
    return runProgram(QStringList{"sim"} + arguments);
}

// A running `ft817clone sim`, stopped with SIGTERM when the test ends.
class SimProcess {
public:
    explicit SimProcess(const QStringList& arguments)
    {
        m_process.start(programPath(), QStringList{"sim"} + arguments);
    }
    ~SimProcess()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(3000))
                m_process.kill();
            m_process.waitForFinished();
        }
    }
    // The first line it prints: the pseudo-terminal's path.
    std::string firstLine()
    {
        const double end = secondsNow() + 5.0;
        while (!m_process.canReadLine() && secondsNow() < end)
            m_process.waitForReadyRead(100);
        return m_process.readLine().trimmed().toStdString();
    }
    bool waitForExit(double seconds) { return m_process.waitForFinished(static_cast<int>(seconds * 1000)); }
    QProcess& process() { return m_process; }

private:
    QProcess m_process;
};

std::vector<Bytes> blocksOf(const sim::Memory& memory)
{
    std::vector<Bytes> blocks;
    auto at = memory.image.begin();
    for (int length : memory.blockLengths) {
        blocks.emplace_back(at, at + length);
        at += length;
    }
    return blocks;
}

bool waitForBytes(QtSerialPort& port, int count)
{
    bool broken = false;
    const bool arrived = eventually([&] {
        const Result<int> waiting = port.inputCount();
        broken = !waiting;
        return broken || *waiting >= count;
    });
    return arrived && !broken;
}

Bytes readAll(QtSerialPort& port)
{
    Bytes bytes;
    while (auto byte = port.readByte())
        bytes.push_back(*byte);
    return bytes;
}

std::string fileText(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(SimCommand, HelpListsEveryOption)
{
    const ProgramRun help = runToEnd({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* option : {"--link",
                               "--image",
                               "--model",
                               "--send",
                               "--receive",
                               "--cat",
                               "--auto",
                               "--no-pacing",
                               "--start-delay",
                               "--block-delay",
                               "--ack-delay",
                               "--pause-in-block",
                               "--pause ",
                               "--stop-after-block",
                               "--stop-in-block",
                               "--never-ack",
                               "--noise-before-ack",
                               "--hang-up-in-block",
                               "--once",
                               "--pause-before-block",
                               "--damage-block",
                               "--hang-up-at-end",
                               "--double-ack",
                               "--vfo",
                               "--eeprom",
                               "--cat-rate",
                               "--cat-silent-after",
                               "--cat-slow",
                               "--cat-echo",
                               "--cat-noise"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
}

TEST(SimCommand, WrongUsageIsOneLineAndExitCodeTwo)
{
    TempDir folder;
    const QString link = QString::fromStdString(folder.file("radio"));
    const std::vector<QStringList> wrong = {
        {},
        {"--link", link, "--frobnicate"},
        {"--link", link, "--model", "ft1000"},
        {"--link", link, "--send", "--cat", "log"},
        {"--link", link, "--stop-in-block", "two"},
        {"--link", link, "--ack-delay", "-1"},
        {"--link", link, "--noise-before-ack", "0G"},
        {"--link", link, "--pause-in-block", "3"},
        {"--link", link, "--pause", "0.5"},
        {"--link", link, "--pause-before-block", "3"},
        {"--link", link, "--damage-block", "50"},
        {"--link", link, "--stop-after-block", "50"},
        {"--link", link, "--model", "ft818nd-us", "--hang-up-in-block", "51"},
        {"--link"},
    };
    for (const QStringList& arguments : wrong) {
        const ProgramRun run = runToEnd(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_FALSE(std::filesystem::exists(folder.file("radio")));
    }
}

TEST(SimCommand, FailuresAreOneLineAndExitCodeOne)
{
    TempDir folder;
    std::ofstream(folder.file("plain")) << "data";
    const ProgramRun overFile = runToEnd({"--link", QString::fromStdString(folder.file("plain"))});
    EXPECT_EQ(overFile.exitCode, 1);
    EXPECT_NE(overFile.err.find("something is there already"), std::string::npos) << overFile.err;
    EXPECT_EQ(std::count(overFile.err.begin(), overFile.err.end(), '\n'), 1);
    EXPECT_EQ(fileText(folder.file("plain")), "data");

    const ProgramRun noImage = runToEnd({"--link", QString::fromStdString(folder.file("radio")), "--image",
                                         QString::fromStdString(folder.file("missing.bin"))});
    EXPECT_EQ(noImage.exitCode, 1);
    EXPECT_NE(noImage.err.find("missing.bin"), std::string::npos) << noImage.err;

    // An EEPROM file that cannot be read is a failed job too, not wrong usage.
    const ProgramRun noEeprom = runToEnd({"--link", QString::fromStdString(folder.file("radio")), "--eeprom",
                                          QString::fromStdString(folder.file("missing.eeprom"))});
    EXPECT_EQ(noEeprom.exitCode, 1);
    EXPECT_NE(noEeprom.err.find("missing.eeprom"), std::string::npos) << noEeprom.err;

    const ProgramRun noFolder = runToEnd({"--link", QString::fromStdString(folder.file("radio")), "--receive",
                                          QString::fromStdString(folder.file("none/out.bin"))});
    EXPECT_EQ(noFolder.exitCode, 1);
    EXPECT_NE(noFolder.err.find("none/out.bin"), std::string::npos) << noFolder.err;
    EXPECT_FALSE(std::filesystem::exists(folder.file("radio")));
}

TEST(SimCommand, SendOnceServesADownloadThenExitsAndRemovesTheLink)
{
    TempDir folder;
    const std::string link = folder.file("radio");
    SimProcess sim({"--link", QString::fromStdString(link), "--send", "--no-pacing", "--start-delay", "0.25",
                    "--model", "ft818", "--once"});
    const std::string slave = sim.firstLine();
    ASSERT_EQ(slave.rfind("/dev/pts/", 0), 0u) << slave;
    EXPECT_EQ(std::filesystem::read_symlink(link).string(), slave);

    const auto blocks = blocksOf(sim::defaultMemory(sim::Model::FT818));
    QtSerialPort port(link);
    ASSERT_TRUE(port.open().ok());
    port.clearInput();
    const std::uint8_t ack = 0x06;
    for (const Bytes& block : blocks) {
        ASSERT_TRUE(waitForBytes(port, static_cast<int>(block.size())));
        ASSERT_EQ(readAll(port), block);
        ASSERT_TRUE(port.write({&ack, 1}).ok());
    }
    port.close();
    ASSERT_TRUE(sim.waitForExit(5.0));
    EXPECT_EQ(sim.process().exitCode(), 0);
    EXPECT_FALSE(std::filesystem::is_symlink(link));
}

TEST(SimCommand, ReceiveWritesTheUploadAsAnImageFile)
{
    TempDir folder;
    const std::string link = folder.file("radio");
    const std::string out = folder.file("received.bin");
    SimProcess sim({"--link", QString::fromStdString(link), "--receive", QString::fromStdString(out),
                    "--no-pacing", "--ack-delay", "0", "--once"});
    ASSERT_FALSE(sim.firstLine().empty());
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
    QtSerialPort port(link);
    ASSERT_TRUE(port.open().ok());
    for (const Bytes& block : blocksOf(memory)) {
        ASSERT_TRUE(port.write(block).ok());
        ASSERT_TRUE(waitForBytes(port, 1));
        ASSERT_EQ(readAll(port), Bytes{0x06});
    }
    port.close();
    ASSERT_TRUE(sim.waitForExit(5.0));
    EXPECT_EQ(sim.process().exitCode(), 0);
    auto file = readWholeFile(out);
    ASSERT_TRUE(file.ok());
    auto expected = buildImageFile(memory.image, memory.blockLengths);
    ASSERT_TRUE(expected.ok());
    EXPECT_EQ(*file, *expected);
}

TEST(SimCommand, CatAppendsEveryCommandInHex)
{
    TempDir folder;
    const std::string link = folder.file("radio");
    const std::string log = folder.file("cat.log");
    SimProcess sim({"--link", QString::fromStdString(link), "--cat", QString::fromStdString(log), "--once"});
    ASSERT_FALSE(sim.firstLine().empty());
    QtSerialPort port(link);
    ASSERT_TRUE(port.open().ok());
    const Bytes commands = {0x14, 0x50, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x0F};
    ASSERT_TRUE(port.write(commands).ok());
    EXPECT_TRUE(eventually([&] { return fileText(log) == "14 50 00 00 01\n00 00 00 00 0F\n"; }));
    EXPECT_EQ(fileText(log), "14 50 00 00 01\n00 00 00 00 0F\n");
    port.close();
    ASSERT_TRUE(sim.waitForExit(5.0));
    EXPECT_EQ(sim.process().exitCode(), 0);
}

TEST(SimCommand, ServesTheImageFileItIsGiven)
{
    TempDir folder;
    const Bytes clone = {0, 7, 7, 14, 1, 1, 2, 3, 6};
    const std::vector<int> lengths = {4, 5};
    auto file = buildImageFile(clone, lengths);
    ASSERT_TRUE(file.ok());
    ASSERT_TRUE(writeWholeFile(folder.file("small.bin"), *file).ok());
    const std::string link = folder.file("radio");
    SimProcess sim({"--link", QString::fromStdString(link), "--image",
                    QString::fromStdString(folder.file("small.bin")), "--send", "--no-pacing",
                    "--start-delay", "0.25"});
    ASSERT_FALSE(sim.firstLine().empty());
    QtSerialPort port(link);
    ASSERT_TRUE(port.open().ok());
    port.clearInput();
    ASSERT_TRUE(waitForBytes(port, 4));
    EXPECT_EQ(readAll(port), (Bytes{0, 7, 7, 14}));
    const std::uint8_t ack = 0x06;
    ASSERT_TRUE(port.write({&ack, 1}).ok());
    ASSERT_TRUE(waitForBytes(port, 5));
    EXPECT_EQ(readAll(port), (Bytes{1, 1, 2, 3, 6}));
}

TEST(SimCommand, SigtermEndsItCleanlyAndRemovesTheLink)
{
    TempDir folder;
    const std::string link = folder.file("radio");
    SimProcess sim({"--link", QString::fromStdString(link)});
    ASSERT_FALSE(sim.firstLine().empty());
    ASSERT_TRUE(std::filesystem::is_symlink(link));
    sim.process().terminate();
    ASSERT_TRUE(sim.waitForExit(3.0));
    EXPECT_EQ(sim.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.process().exitCode(), 0);
    EXPECT_FALSE(std::filesystem::is_symlink(link));
}

} // namespace
