// The download and upload subcommands run as the user runs them, in real
// time against the simulated radio on a pseudo-terminal, and their failures.

#include "clone/clone_test_image.h"
#include "clone/download.h"
#include "clone/recording_sink.h"
#include "clone/transfer_fixture.h"
#include "clone/transfer_timing.h"
#include "clone/upload.h"
#include "image/channel_record.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "platform/file_access.h"
#include "platform/qt_history_folder.h"
#include "platform/qt_serial_port.h"
#include "sim/default_memory.h"
#include "sim/simulated_radio.h"
#include "support/eventually.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

#include <QProcess>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>

namespace ft817::test {
namespace {

int lineCount(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TEST_F(TransferEndToEnd, DownloadCommandSavesTheImageAndPrintsOneLinePerBlock)
{
    const auto blocks = makeBlocks({10, 60, 25});
    startRadio(radioWith(sim::Mode::Send, blocks));

    const test::ProgramRun run = test::runProgram(
        {"download", "--port", QString::fromStdString(radio->devicePath()), QString::fromStdString(path)});

    // Saved as received, and called what it is: no FT-817 sends three such blocks.
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_NE(run.out.find("\nstatus: waiting\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("block 2 acknowledged, 95 bytes received\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\nstatus: 95  3\n"), std::string::npos) << run.out;
    EXPECT_LT(lineCount(run.out), 10) << run.out;
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')),
              "ft817clone download: not a whole memory: block 0 is 10 bytes long where the radio sends 4");
    EXPECT_EQ(*readWholeFile(path), imageFileOf(blocks));
}

TEST_F(TransferEndToEnd, UploadCommandSendsTheImage)
{
    const auto blocks = makeBlocks({10, 60, 25});
    ASSERT_TRUE(writeWholeFile(path, imageFileOf(blocks)));
    startRadio(radioWith(sim::Mode::Receive, blocks));

    const test::ProgramRun run =
        test::runProgram({"upload", "--any-layout", "--port=" + QString::fromStdString(radio->devicePath()),
                          QString::fromStdString(path)});

    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\nstatus: 94  95\n"), std::string::npos) << run.out;
    EXPECT_TRUE(radio->waitForTransfers(1, 5.0));
    EXPECT_EQ(radio->receivedImage(), joined(blocks));
}

// 145.520 typed into the frequency box (10 Hz units) stores 146: upload names the
// channel, sends nothing unasked, and sends it with --any-layout.
TEST_F(TransferEndToEnd, UploadCommandNamesAChannelTheRadioCannotTuneAndSendsItOnlyWhenAsked)
{
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
    BlockStore store = *BlockStore::load(*buildImageFile(memory.image, memory.blockLengths));
    setChannelActive(store, 11, true);
    ChannelRecord twelve = ChannelRecord::forChannel(store, 11);
    twelve.setByte(0, 0xC5); // FM, tag shown
    twelve.setTag("RPT1    ");
    twelve.setRxFrequency(146);
    const Bytes file = *store.toImageFile();
    ASSERT_TRUE(writeWholeFile(path, file));
    sim::RadioOptions receiving;
    receiving.mode = sim::Mode::Receive;
    receiving.pacing = false;
    startRadio(receiving);
    const QString port = QString::fromStdString(radio->devicePath());

    const test::ProgramRun refused =
        test::runProgram({"upload", "--port", port, QString::fromStdString(path)});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "ft817clone upload: the radio cannot tune the frequency of 1 memory in use:\n"
                           "  channel 12 (tag RPT1): 0.00146 MHz\n"
                           "  Nothing was sent to the radio.\n"
                           "  To send it all the same, give --any-layout.\n");
    EXPECT_EQ(radio->portOpens(), 0);

    const test::ProgramRun sent =
        test::runProgram({"upload", "--fast", "--any-layout", "--port", port, QString::fromStdString(path)});
    ASSERT_EQ(sent.exitCode, 0) << sent.err;
    EXPECT_NE(sent.out.find("Note: the radio cannot tune the frequency of 1 memory in use (sent as it is): "
                            "channel 12 (tag RPT1): 0.00146 MHz."),
              std::string::npos)
        << sent.out;
    ASSERT_TRUE(radio->waitForTransfers(1, 5.0));
    EXPECT_EQ(radio->receivedImage(), Bytes(file.begin(), file.begin() + 6609));
}

TEST_F(TransferEndToEnd, UnansweredUploadCommandFailsShowingWhereItStopped)
{
    const auto blocks = makeBlocks({10, 60});
    ASSERT_TRUE(writeWholeFile(path, imageFileOf(blocks)));
    auto options = radioWith(sim::Mode::Receive, blocks);
    options.faults.neverAcknowledge = true;
    startRadio(options);

    const test::ProgramRun run =
        test::runProgram({"upload", "--port", QString::fromStdString(radio->devicePath()), "--any-layout",
                          QString::fromStdString(path)});

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("\nstatus: 9  0\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.err.rfind("ft817clone upload: the radio did not acknowledge block 0 within 3 s\n", 0), 0u)
        << run.err;
}

// --- a radio that does not send its whole memory

struct RadioFault {
    const char* name;
    sim::Faults faults;
    std::string reason;        // what download says, after "ft817clone download: not a whole memory: "
    std::string uploadRefusal; // the start of what upload then says
};

// Test lists name a fault by its name, not by its bytes.
void PrintTo(const RadioFault& fault, std::ostream* out)
{
    *out << fault.name;
}

sim::Faults faultOf(int sim::Faults::*block, int number, double pause = 0.0)
{
    sim::Faults faults;
    faults.*block = number;
    faults.pauseSeconds = pause;
    return faults;
}

class CutOffDownload : public TransferEndToEnd, public testing::WithParamInterface<RadioFault> {};

// The file the path held before is in the history byte for byte, the command
// says what went wrong and fails, and upload will not send what it saved.
TEST_P(CutOffDownload, KeepsTheOldFileSaysWhatWentWrongAndUploadRefusesTheResult)
{
    const ByteList before = imageFileOf(makeBlocks({4, 42, 210}));
    ASSERT_TRUE(writeWholeFile(path, before));
    sim::RadioOptions options;
    options.mode = sim::Mode::Send;
    options.pacing = false;
    options.startDelay = 0.25;
    options.faults = GetParam().faults;
    startRadio(options);

    const test::ProgramRun run = test::runProgram(
        {"download", "--port", QString::fromStdString(radio->devicePath()), QString::fromStdString(path)});

    EXPECT_EQ(run.exitCode, 1) << run.out << run.err;
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')),
              "ft817clone download: not a whole memory: " + GetParam().reason);
    bool kept = false;
    for (const auto& entry : std::filesystem::directory_iterator(historyFolder()))
        kept = kept || *readWholeFile(entry.path().string()) == before;
    EXPECT_TRUE(kept) << "the file replaced is not in " << historyFolder();

    // Refused before the port is opened: this device does not exist.
    const test::ProgramRun upload = test::runProgram(
        {"upload", "--port", QString::fromStdString(dir.file("no-such-tty")), QString::fromStdString(path)});
    EXPECT_EQ(upload.exitCode, 1);
    EXPECT_EQ(upload.err.rfind("ft817clone upload: " + GetParam().uploadRefusal, 0), 0u) << upload.err;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CutOffDownload,
    testing::Values(
        RadioFault{"StopsAfterABlock", faultOf(&sim::Faults::stopAfterBlock, 2),
                   "the radio stopped after block 2 of 50 or 51; missing: blocks 3 to 49 or blocks 3 "
                   "to 50",
                   "not a whole FT-817 memory: the radio stopped after block 2 of 50 or 51"},
        RadioFault{"StopsInsideABlock", faultOf(&sim::Faults::stopInBlock, 2),
                   "the radio stopped in the middle of block 2 (105 of its 210 bytes arrived)",
                   "not a whole FT-817 memory: the radio stopped in the middle of block 2"},
        RadioFault{"PausesHalfASecondInsideABlock", faultOf(&sim::Faults::pauseInBlock, 2, 0.5),
                   "block 2 arrived in two pieces of 105 and 105 bytes: the radio paused in the "
                   "middle of it",
                   "not a whole FT-817 memory: block 2 arrived in two pieces"}),
    [](const auto& info) { return std::string(info.param.name); });

// What the tool saves, the tool reads: the file of a download the radio
// paused in the middle of a block is shown, compared and, when asked, sent
// with the block's two pieces joined, while every command says it is not whole.
TEST_F(TransferEndToEnd, TheFileOfADownloadThatPausedInABlockIsReadByShowDiffAndUploadAnyLayout)
{
    sim::RadioOptions options;
    options.pacing = false;
    options.startDelay = 0.25;
    options.mode = sim::Mode::Send;
    options.faults = faultOf(&sim::Faults::pauseInBlock, 20, 0.5);
    startRadio(options);
    const QString file = QString::fromStdString(path);
    ASSERT_EQ(
        test::runProgram({"download", "--port", QString::fromStdString(radio->devicePath()), file}).exitCode,
        1);
    radio.reset();

    for (const QStringList& command : {QStringList{"show", file}, QStringList{"diff", file, file}}) {
        const test::ProgramRun run = test::runProgram(command);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.err.find("not a whole memory: block 20 arrived in two pieces"), std::string::npos)
            << run.err;
    }
    options.mode = sim::Mode::Receive;
    options.faults = {};
    startRadio(options);
    EXPECT_EQ(test::runProgram(
                  {"upload", "--any-layout", "--port", QString::fromStdString(radio->devicePath()), file})
                  .exitCode,
              0);
    ASSERT_TRUE(radio->waitForTransfers(1, 5.0));
    EXPECT_EQ(radio->receivedImage(), sim::defaultMemory(sim::Model::FT817).image);
}

struct CommandFailure {
    const char* name;
    QStringList arguments;
    int exitCode;
    const char* firstLine;
};

// Test lists name a case by its name, not by its bytes.
void PrintTo(const CommandFailure& param, std::ostream* out)
{
    *out << param.name;
}

class TransferCommandFailureTest : public testing::TestWithParam<CommandFailure> {};

TEST_P(TransferCommandFailureTest, FailsWithAOneLineReason)
{
    TempDir dir;
    QStringList arguments;
    for (const QString& argument : GetParam().arguments)
        arguments << QString(argument).replace("DIR", QString::fromStdString(dir.path().string()));

    const test::ProgramRun run = test::runProgram(arguments);

    EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.err;
    const std::string firstLine = QString(GetParam().firstLine)
                                      .replace("DIR", QString::fromStdString(dir.path().string()))
                                      .toStdString();
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), firstLine) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "out.bin"));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, TransferCommandFailureTest,
    testing::Values(
        CommandFailure{"DownloadWithoutFile", {"download"}, 2, "ft817clone download: missing the image FILE"},
        CommandFailure{"UploadWithTwoFiles",
                       {"upload", "a.bin", "b.bin"},
                       2,
                       "ft817clone upload: only one image file, please (got 'a.bin' and 'b.bin')"},
        CommandFailure{"UnknownOption",
                       {"download", "--baud", "DIR/out.bin"},
                       2,
                       "ft817clone download: Unknown option 'baud'."},
        CommandFailure{"PortWithoutDevice",
                       {"upload", "DIR/x.bin", "--port"},
                       2,
                       "ft817clone upload: Missing value after '--port'."},
        CommandFailure{"MissingPort",
                       {"download", "--port", "DIR/no-such-tty", "DIR/out.bin"},
                       1,
                       "ft817clone download: cannot open DIR/no-such-tty: no such device"},
        CommandFailure{"WindowsPortWithoutDevice",
                       {"--port="},
                       2,
                       "ft817clone: --port needs a device (for example --port /dev/ttyUSB0)"},
        CommandFailure{"MissingFile",
                       {"upload", "--port", "DIR/no-such-tty", "DIR/missing.bin"},
                       1,
                       "ft817clone upload: cannot read DIR/missing.bin: no such file or folder"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramHelp, SaysWhereTheHistoryFolderIs)
{
    const test::ProgramRun run = test::runProgram({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("here " + historyFolder() + "\n"), std::string::npos) << run.out;
}

TEST_F(TransferEndToEnd, InterruptedDownloadCommandClosesThePortAndSavesNothing)
{
    // A radio waiting to receive never sends: the download waits until Ctrl-C.
    startRadio(radioWith(sim::Mode::Receive, makeBlocks({10})));
    QProcess process;
    process.start(test::programPath(), {"download", "--port", QString::fromStdString(radio->devicePath()),
                                        QString::fromStdString(path)});
    ASSERT_TRUE(process.waitForStarted(10000));
    ASSERT_TRUE(test::eventually([&] { return radio->toolHasPortOpen(); }));

    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(10000));

    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 130);
    EXPECT_EQ(
        process.readAllStandardError().toStdString().rfind("ft817clone download: download abandoned\n", 0),
        0u);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(test::eventually([&] { return !radio->toolHasPortOpen(); }));
}

// download --fast and upload --fast carry an FT-817's memory both ways and
// say which timing they use; the rest of what they print is as without it.
TEST(FastTransferCommands, DownloadAndUploadWithFastCarryTheMemoryBothWays)
{
    TempDir dir;
    const std::string path = dir.file("radio.bin");
    const sim::Memory memory = sim::defaultMemory(sim::Model::FT817);
    sim::RadioOptions options;
    options.pacing = false;
    options.mode = sim::Mode::Send;
    {
        sim::SimulatedRadio radio(options);
        ASSERT_TRUE(radio.start());
        const ProgramRun run =
            runProgram({"download", "--fast", "--port", QString::fromStdString(radio.devicePath()),
                        QString::fromStdString(path)});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.out.find(timingDescription(TransferTiming::Fast)), std::string::npos) << run.out;
        EXPECT_NE(run.out.find("\nstatus: 6609  50\n"), std::string::npos) << run.out;
        EXPECT_EQ(*readWholeFile(path), *buildImageFile(memory.image, memory.blockLengths));
    }
    options.mode = sim::Mode::Receive;
    sim::SimulatedRadio radio(options);
    ASSERT_TRUE(radio.start());
    const ProgramRun run = runProgram({"upload", "--port", QString::fromStdString(radio.devicePath()),
                                       QString::fromStdString(path), "--fast"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\nstatus: 6608  6609\n"), std::string::npos) << run.out;
    ASSERT_TRUE(radio.waitForTransfers(1, 5.0));
    EXPECT_EQ(radio.receivedImage(), memory.image);
}

} // namespace
} // namespace ft817::test
