// Download against a scripted radio on a fake port and a fake clock: every
// rule of the exchange is checked exactly and in no real time.

#include "clone/download.h"
#include "clone/transfer_wait.h"
#include "clone_test_image.h"
#include "recording_sink.h"
#include "support/fake_serial_port.h"
#include "support/temp_dir.h"

#include "platform/file_access.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace ft817::test {
namespace {

constexpr double kPoll = kPollInterval;
constexpr double kByteTime = 11.0 / 9600;

class DownloadTest : public testing::Test {
protected:
    DownloadTest()
    {
        clock.onSleep([this](double now) {
            longestSleep = std::max(longestSleep, now - lastWake);
            lastWake = now;
            ++sleeps;
        });
    }

    TransferReport run() { return download(port, clock, path, sink, history); }

    // The radio sends these blocks; returns its script for inspection.
    FakeSendingRadio& radioSends(const std::vector<ByteList>& blocks)
    {
        radio = std::make_unique<FakeSendingRadio>(port, blocks);
        return *radio;
    }

    // While the transfer waits, the history folder goes and a file takes its place.
    void replaceHistoryFolderWithAFile()
    {
        clock.onSleep([this](double) {
            if (std::filesystem::is_directory(history.folder())) {
                std::filesystem::remove_all(history.folder());
                ASSERT_TRUE(writeWholeFile(history.folder(), ByteList{0}));
            }
        });
    }

    std::optional<ByteList> savedFile()
    {
        if (!std::filesystem::exists(path))
            return std::nullopt;
        return *readWholeFile(path);
    }

    FakeClock clock;
    FakeSerialPort port{clock};
    RecordingSink sink{clock};
    TempDir dir;
    std::string path = dir.file("nebl1.bin");
    ImageHistory history{dir.file("history")};
    std::unique_ptr<FakeSendingRadio> radio;
    double lastWake = clock.now();
    double longestSleep = 0.0;
    int sleeps = 0;
};

ByteList trailerFor(const std::vector<int>& lengths)
{
    ByteList trailer(kImageBanner.begin(), kImageBanner.end());
    trailer.push_back(0);
    trailer.push_back(0);
    int end = 0;
    for (int length : lengths) {
        end += length;
        trailer.push_back(static_cast<std::uint8_t>(length));
        trailer.push_back(static_cast<std::uint8_t>(end % 256));
        trailer.push_back(static_cast<std::uint8_t>(end / 256));
    }
    return trailer;
}

TEST_F(DownloadTest, ThreeHundredBytesInTwoBlocksMakeA352ByteFile)
{
    const auto blocks = makeBlocks({150, 150});
    radioSends(blocks).start();

    const TransferReport report = run();

    EXPECT_TRUE(report.complete);
    EXPECT_EQ(report.reason, "");
    EXPECT_EQ(report.bytes, 300);
    EXPECT_EQ(report.blocks, 2);
    EXPECT_EQ(report.statusText, " 300  2");
    ASSERT_FALSE(sink.statuses.empty());
    EXPECT_EQ(sink.statuses.back().text, " 300  2");
    EXPECT_EQ(sink.statuses.back().text.size(), 7u);

    const auto file = savedFile();
    ASSERT_TRUE(file);
    ASSERT_EQ(file->size(), 352u);
    ByteList expected = joined(blocks);
    const ByteList trailer = trailerFor({150, 150});
    expected.insert(expected.end(), trailer.begin(), trailer.end());
    EXPECT_EQ(*file, expected);
}

// The files in the history folder, by name.
std::vector<std::filesystem::path> historyFiles(const std::string& folder)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

TEST_F(DownloadTest, AWholeMemoryIsReportedAsSuchAndKeptWithTheFileItReplaced)
{
    const ByteList before{1, 2, 3, 4};
    ASSERT_TRUE(writeWholeFile(path, before));
    std::vector<int> lengths = ft817BlockLengths();
    lengths.back() += 12; // an FT-817ND's last block
    radioSends(makeBlocks(lengths)).start();

    const TransferReport report = run();

    ASSERT_TRUE(report.complete) << report.reason;
    EXPECT_EQ(report.notWholeMemory, "");
    EXPECT_EQ(report.radio, "FT-817ND");
    const auto kept = historyFiles(history.folder());
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(*readWholeFile(kept[0].string()), *savedFile());
    EXPECT_NE(kept[0].filename().string().find("_FT-817ND.img"), std::string::npos) << kept[0];
    EXPECT_EQ(*readWholeFile(kept[1].string()), before);
    EXPECT_NE(kept[1].filename().string().find("_replaced_nebl1.bin"), std::string::npos) << kept[1];
    ASSERT_EQ(report.notes.size(), 3u);
    EXPECT_EQ(report.notes[0], "the file it replaced was kept as " + kept[1].string());
    // An FT-817ND's memory is also the start of an FT-817ND (US)'s: which it was taken for, and why.
    EXPECT_EQ(report.notes[2].rfind("taken for an FT-817ND: ", 0), 0u) << report.notes[2];
}

TEST_F(DownloadTest, ShortTransfersAreSavedAsReceivedAndCalledNotAWholeMemory)
{
    radioSends(makeBlocks({150, 150})).start();
    const TransferReport report = run();
    ASSERT_TRUE(report.complete);
    EXPECT_EQ(report.statusText, " 300  2");
    EXPECT_EQ(savedFile()->size(), 352u);
    EXPECT_EQ(report.notWholeMemory, "block 0 is 150 bytes long where the radio sends 4");
    EXPECT_NE(historyFiles(history.folder()).front().string().find("_not-whole.img"), std::string::npos);
}

TEST_F(DownloadTest, WhenTheOldFileCannotBeKeptItIsLeftAloneAndTheImageRescued)
{
    const ByteList before{9, 9};
    ASSERT_TRUE(writeWholeFile(path, before));
    radioSends(makeBlocks({10})).start();
    replaceHistoryFolderWithAFile();

    const TransferReport report = run();

    EXPECT_FALSE(report.complete);
    EXPECT_EQ(*savedFile(), before);
    const auto rescued = report.detail.find("The image was kept in ");
    ASSERT_NE(rescued, std::string::npos) << report.detail;
    const std::string rescue =
        report.detail.substr(rescued + 22, report.detail.find(';', rescued) - rescued - 22);
    EXPECT_EQ(readWholeFile(rescue)->size(), 10u + 46 + 3);
    std::filesystem::remove(rescue);
}

// A history copy that could not be made is a warning of its own, naming
// the folder and why; the image itself is saved.
TEST_F(DownloadTest, AHistoryCopyThatCannotBeMadeIsAWarningNamingTheFolder)
{
    radioSends(makeBlocks({10})).start();
    replaceHistoryFolderWithAFile();

    const TransferReport report = run();

    ASSERT_TRUE(report.complete) << report.reason;
    EXPECT_TRUE(savedFile());
    EXPECT_TRUE(report.notes.empty());
    ASSERT_EQ(report.warnings.size(), 1u);
    EXPECT_EQ(
        report.warnings[0].rfind("no copy was kept in the history folder " + history.folder() + ": ", 0), 0u)
        << report.warnings[0];
}

// A history folder that cannot be made stops the download before the port
// is opened, in words that end where the sentence ends.
TEST_F(DownloadTest, AHistoryFolderThatCannotBeMadeStopsItBeforeThePort)
{
    ASSERT_TRUE(writeWholeFile(history.folder(), ByteList{0}));
    const TransferReport report = run();
    EXPECT_FALSE(report.complete);
    EXPECT_EQ(report.detail, "Nothing was received from the radio.");
    EXPECT_TRUE(port.calls().empty());
}

TEST_F(DownloadTest, SetsUpThePortAndWaitsSilentlyForTheRadio)
{
    radioSends(makeBlocks({10})).start();

    const TransferReport report = run();

    ASSERT_TRUE(report.complete);
    const std::vector<std::string> calls{"open", "setTextInputOneByte", "clearInput", "close"};
    EXPECT_EQ(port.calls(), calls);
    EXPECT_EQ(port.usesWhileClosed(), 0);
    // Nothing is sent before the radio's first byte.
    ASSERT_FALSE(port.writes().empty());
    EXPECT_GE(port.writes().front().time, radio->startTime);
    // The progress bar's maximum only; its minimum is left alone.
    EXPECT_EQ(sink.maximums, std::vector<int>{6609});
    EXPECT_TRUE(sink.ranges.empty());
    // "waiting" while the line is silent, replaced by the counts at the end.
    EXPECT_EQ(sink.statusTexts(), (std::vector<std::string>{"waiting", " 10  1"}));
    EXPECT_LT(sink.statuses.front().time, radio->startTime);
}

TEST_F(DownloadTest, ProgressFollowsEveryByte)
{
    radioSends(makeBlocks({5, 4})).start();
    ASSERT_TRUE(run().complete);
    EXPECT_EQ(sink.values, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(sink.blocksDone, (std::vector<std::pair<int, int>>{{1, 5}, {2, 9}}));
}

TEST_F(DownloadTest, OneBlockTransferHasTrailerOfBannerZerosAndOneRecord)
{
    const auto blocks = makeBlocks({42});
    radioSends(blocks).start();

    ASSERT_TRUE(run().complete);

    const auto file = savedFile();
    ASSERT_TRUE(file);
    ASSERT_EQ(file->size(), 42u + 44 + 2 + 3);
    const ByteList trailer(file->begin() + 42, file->end());
    EXPECT_EQ(trailer, trailerFor({42}));
    EXPECT_EQ(std::string(trailer.begin(), trailer.begin() + 44), std::string(kImageBanner));
    EXPECT_EQ(sink.statuses.back().text, " 42  1");
}

struct PauseCase {
    const char* name;
    double pause;
    int records;
};

// Test lists name a case by its name, not by its bytes.
void PrintTo(const PauseCase& param, std::ostream* out)
{
    *out << param.name;
}

class DownloadPauseTest : public DownloadTest, public testing::WithParamInterface<PauseCase> {};

TEST_P(DownloadPauseTest, PauseInsideABlockSplitsItOnlyFromAQuarterSecond)
{
    const auto blocks = makeBlocks({100, 60});
    FakeSendingRadio& sending = radioSends(blocks);
    sending.byteSpacing = kByteTime;
    sending.pauses = {{0, 50, GetParam().pause}};
    sending.start();

    const TransferReport report = run();

    ASSERT_TRUE(report.complete);
    EXPECT_EQ(report.blocks, GetParam().records);
    EXPECT_EQ(static_cast<int>(sending.acknowledgements().size()), GetParam().records);
    std::vector<int> lengths =
        GetParam().records == 2 ? std::vector<int>{100, 60} : std::vector<int>{50, 50, 60};
    const auto file = savedFile();
    ASSERT_TRUE(file);
    EXPECT_EQ(ByteList(file->begin() + 160, file->end()), trailerFor(lengths));
    EXPECT_EQ(ByteList(file->begin(), file->begin() + 160), joined(blocks));
}

INSTANTIATE_TEST_SUITE_P(Pauses, DownloadPauseTest,
                         testing::Values(PauseCase{"TenthOfASecond", 0.1, 2},
                                         PauseCase{"NearlyAQuarter", 0.24, 2},
                                         PauseCase{"ThreeTenths", 0.3, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DownloadTest, BlockIsAcknowledgedAQuarterSecondAfterItsLastByte)
{
    FakeSendingRadio& sending = radioSends(makeBlocks({30, 200, 17}));
    sending.byteSpacing = kByteTime;
    sending.blockDelay = 0.05;
    sending.start();

    ASSERT_TRUE(run().complete);

    ASSERT_EQ(sending.acknowledgements().size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        const double after = sending.acknowledgements()[k] - sending.blockEnds()[k];
        EXPECT_GE(after, 0.25) << "block " << k;
        EXPECT_LT(after, 0.25 + 0.005) << "block " << k;
    }
}

TEST_F(DownloadTest, ExactlyOneAcknowledgementAfterLastBlockAndFileTwoSecondsLater)
{
    FakeSendingRadio& sending = radioSends(makeBlocks({20, 20}));
    sending.start();

    ASSERT_TRUE(run().complete);

    ASSERT_EQ(sending.acknowledgements().size(), 2u);
    EXPECT_EQ(sending.otherBytes(), 0);
    EXPECT_EQ(port.writtenBytes(), (ByteList{0x06, 0x06}));
    const double sinceLastAck = port.closeTime() - sending.acknowledgements().back();
    EXPECT_GE(sinceLastAck, 2.0);
    EXPECT_LT(sinceLastAck, 2.0 + 0.005);
    // The counts appear once the file is written, just before the port closes.
    EXPECT_DOUBLE_EQ(sink.statuses.back().time, port.closeTime());
}

TEST_F(DownloadTest, NextBlockJustInsideTwoSecondsContinuesTheTransfer)
{
    FakeSendingRadio& sending = radioSends(makeBlocks({20, 20, 20}));
    sending.blockDelay = 1.99;
    sending.start();
    const TransferReport report = run();
    ASSERT_TRUE(report.complete);
    EXPECT_EQ(report.blocks, 3);
}

TEST_F(DownloadTest, RadioStoppingInsideABlockIsTakenAsFinished)
{
    radioSends({makeBlock(0, 30), ByteList{1, 2, 3}}).start();
    const TransferReport report = run();
    ASSERT_TRUE(report.complete);
    EXPECT_EQ(report.statusText, " 33  2");
    EXPECT_EQ(savedFile()->size(), 33u + 46 + 6);
}

TEST_F(DownloadTest, FullFt817ImageOnAPacedLine)
{
    const auto blocks = makeBlocks(ft817BlockLengths());
    FakeSendingRadio& sending = radioSends(blocks);
    sending.byteSpacing = kByteTime;
    sending.start();

    const double started = clock.now();
    const TransferReport report = run();

    ASSERT_TRUE(report.complete);
    EXPECT_EQ(report.statusText, " 6609  50");
    EXPECT_EQ(*savedFile(), imageFileOf(blocks));
    EXPECT_EQ(sink.values.back(), 6609);
    EXPECT_EQ(sink.values.size(), 6609u);
    // The rules' own waits plus the line and the radio's delays, and
    // less than 5 ms a block on top.
    const double floor = (radio->startTime - started) + 6559 * kByteTime + 50 * (0.25 + 0.02) - 0.02 + 2.0;
    EXPECT_GE(port.closeTime() - started, floor);
    EXPECT_LT(port.closeTime() - started, floor + 50 * 0.005);
    // No busy waiting: every look at the port that finds nothing is
    // followed by a sleep of at most one poll interval.
    EXPECT_LE(longestSleep, kPoll + 1e-9);
    const double seconds = port.closeTime() - started;
    EXPECT_LT(sleeps, seconds / kPoll * 1.05 + 6609);
    EXPECT_LT(port.polls(), 2 * sleeps + 3 * 6609);
}

TEST_F(DownloadTest, ImageBeyond6609BytesKeepsProgressFull)
{
    std::vector<int> lengths = ft817BlockLengths();
    lengths.back() = 132;
    lengths.push_back(132);
    lengths.push_back(132); // an FT-817ND US: 51 blocks... and one more
    const auto blocks = makeBlocks(lengths);
    radioSends(blocks).start();

    const TransferReport report = run();

    ASSERT_TRUE(report.complete);
    EXPECT_EQ(report.bytes, 6609 - 120 + 132 * 3);
    EXPECT_EQ(sink.maximums, std::vector<int>{6609});
    EXPECT_EQ(*std::max_element(sink.values.begin(), sink.values.end()), 6609);
    EXPECT_EQ(sink.values.back(), 6609);
    EXPECT_EQ(*savedFile(), imageFileOf(blocks));
}

TEST_F(DownloadTest, LargestImageOf32001BytesIsSaved)
{
    std::vector<int> lengths(125, 255);
    lengths.push_back(32001 - 125 * 255);
    const auto blocks = makeBlocks(lengths);
    radioSends(blocks).start();

    const TransferReport report = run();

    ASSERT_TRUE(report.complete) << report.reason;
    EXPECT_EQ(report.statusText, " 32001  126");
    EXPECT_EQ(savedFile()->size(), 32001u + 46 + 3 * 126);
}

TEST_F(DownloadTest, MoreThan32001BytesStopsWithoutAcknowledgingOrSaving)
{
    ASSERT_TRUE(writeWholeFile(path, ByteList{1, 2, 3}));
    std::vector<int> lengths(126, 255);
    const auto blocks = makeBlocks(lengths); // 32130 bytes
    FakeSendingRadio& sending = radioSends(blocks);
    sending.start();

    const TransferReport report = run();

    EXPECT_FALSE(report.complete);
    EXPECT_FALSE(report.abandoned);
    EXPECT_NE(report.reason.find("more than 32001 bytes"), std::string::npos) << report.reason;
    EXPECT_EQ(report.statusText, "");
    // The 126th block is never acknowledged and nothing past the buffer is read.
    EXPECT_EQ(sending.acknowledgements().size(), 125u);
    EXPECT_EQ(port.bytesRead(), 32001);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(*savedFile(), (ByteList{1, 2, 3}));
}

TEST_F(DownloadTest, BlockOf255BytesIsAcceptedAndOf256Refused)
{
    {
        radioSends(makeBlocks({255, 10})).start();
        EXPECT_TRUE(run().complete);
    }
    FakeClock otherClock;
    FakeSerialPort otherPort(otherClock);
    RecordingSink otherSink(otherClock);
    FakeSendingRadio sending(otherPort, makeBlocks({10, 256, 10}));
    sending.start();
    const std::string otherPath = dir.file("long.bin");

    const TransferReport report = download(otherPort, otherClock, otherPath, otherSink, history);

    EXPECT_FALSE(report.complete);
    EXPECT_NE(report.reason.find("block 1 from the radio is longer than 255 bytes"), std::string::npos)
        << report.reason;
    EXPECT_EQ(sending.acknowledgements().size(), 1u);
    EXPECT_FALSE(otherPort.isOpen());
    EXPECT_FALSE(std::filesystem::exists(otherPath));
}

TEST_F(DownloadTest, MoreThan256BlocksAreRefused)
{
    radioSends(makeBlocks(std::vector<int>(257, 3))).start();
    const TransferReport report = run();
    EXPECT_FALSE(report.complete);
    EXPECT_NE(report.reason.find("more than 256 blocks"), std::string::npos) << report.reason;
    EXPECT_EQ(radio->acknowledgements().size(), 256u);
    EXPECT_FALSE(savedFile());
}

TEST_F(DownloadTest, UnwritablePlaceIsRefusedBeforeTheRadioIsHeard)
{
    path = dir.file("no-such-folder/nebl1.bin");
    radioSends(makeBlocks({20, 20})).start();

    const TransferReport report = run();

    EXPECT_FALSE(report.complete);
    EXPECT_EQ(report.reason, "cannot write " + path + ": no such file or folder");
    EXPECT_TRUE(port.calls().empty());
    EXPECT_TRUE(radio->acknowledgements().empty());
}

TEST_F(DownloadTest, ImageThatCannotBeSavedAfterAllIsKeptInTheTemporaryFolder)
{
    // The folder goes away during the transfer (a USB stick pulled out), so
    // the save fails after the radio has sent everything.
    std::filesystem::create_directory(dir.file("stick"));
    std::filesystem::create_directory(dir.file("tmp"));
    path = dir.file("stick/nebl1.bin");
    std::optional<TemporaryFolderOverride> temporary(std::in_place, dir.file("tmp"));
    const double start = clock.now();
    // The history folder, where a rescue goes first, takes no file either.
    clock.onSleep([&](double now) {
        if (now > start + 2.0 && std::filesystem::is_directory(dir.file("stick"))) {
            std::filesystem::remove_all(dir.file("stick"));
            std::filesystem::remove_all(history.folder());
            ASSERT_TRUE(writeWholeFile(history.folder(), ByteList{0}));
        }
    });
    const auto blocks = makeBlocks({20, 20});
    radioSends(blocks).start();

    const TransferReport report = run();
    temporary.reset();

    EXPECT_FALSE(report.complete);
    EXPECT_NE(report.reason.find("cannot write"), std::string::npos) << report.reason;
    EXPECT_EQ(report.statusText, "");
    EXPECT_EQ(report.bytes, 40);
    EXPECT_FALSE(port.isOpen());
    EXPECT_NE(report.detail.find("kept in " +
                                 (std::filesystem::path(dir.file("tmp")) / "ft817clone-download-").string()),
              std::string::npos)
        << report.detail;
    std::vector<std::filesystem::path> kept(std::filesystem::directory_iterator(dir.file("tmp")), {});
    ASSERT_EQ(kept.size(), 1u);
    ByteList expected;
    for (const ByteList& block : blocks)
        expected.insert(expected.end(), block.begin(), block.end());
    const ByteList trailer = trailerFor({20, 20});
    expected.insert(expected.end(), trailer.begin(), trailer.end());
    EXPECT_EQ(*readWholeFile(kept[0].string()), expected);
}

TEST_F(DownloadTest, PortThatCannotBeOpenedIsReportedWithItsDetail)
{
    port.failOpen(Error{"cannot open /dev/fake: permission denied", "Is your user in the dialout group?"});
    const TransferReport report = run();
    EXPECT_FALSE(report.complete);
    EXPECT_EQ(report.reason, "cannot open /dev/fake: permission denied");
    EXPECT_EQ(report.detail, "Is your user in the dialout group?");
    EXPECT_EQ(port.calls(), std::vector<std::string>{"open"});
    EXPECT_TRUE(sink.statuses.empty());
    EXPECT_FALSE(savedFile());
}

struct PortFault {
    const char* name;
    void (*arrange)(FakeSerialPort& port);
};

// Test lists name a case by its name, not by its bytes.
void PrintTo(const PortFault& param, std::ostream* out)
{
    *out << param.name;
}

class DownloadPortFaultTest : public DownloadTest, public testing::WithParamInterface<PortFault> {};

TEST_P(DownloadPortFaultTest, PortFailingMidTransferStopsWithAReasonAndSavesNothing)
{
    FakeSendingRadio& sending = radioSends(makeBlocks({100, 100, 100, 100}));
    sending.byteSpacing = kByteTime;
    sending.start();
    GetParam().arrange(port);

    const TransferReport report = run();

    EXPECT_FALSE(report.complete);
    EXPECT_FALSE(report.abandoned);
    EXPECT_NE(report.reason.find("download stopped: the connection to /dev/fake was lost"), std::string::npos)
        << report.reason;
    EXPECT_NE(report.detail.find("Check the cable."), std::string::npos) << report.detail;
    EXPECT_EQ(report.statusText, "");
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.calls().back(), "close");
    EXPECT_FALSE(savedFile());
}

const Error kLost{"the connection to /dev/fake was lost", "Check the cable."};

INSTANTIATE_TEST_SUITE_P(Faults, DownloadPortFaultTest,
                         testing::Values(PortFault{"InputCountInsideABlock",
                                                   [](FakeSerialPort& p) { p.failInputFrom(1001.0, kLost); }},
                                         PortFault{"InputCountBeforeFirstByte",
                                                   [](FakeSerialPort& p) { p.failInputFrom(1000.2, kLost); }},
                                         PortFault{"AcknowledgementWrite",
                                                   [](FakeSerialPort& p) { p.failWriteAfter(2, kLost); }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DownloadTest, AbandoningTheFirstWaitClosesThePortAndSavesNothing)
{
    sink.abandonAt = 1030.0; // the radio never starts

    const TransferReport report = run();

    EXPECT_TRUE(report.abandoned);
    EXPECT_FALSE(report.complete);
    EXPECT_EQ(report.reason, "download abandoned");
    EXPECT_FALSE(port.isOpen());
    EXPECT_NEAR(port.closeTime(), 1030.0, kPoll);
    EXPECT_FALSE(savedFile());
    // 30 s of waiting cost one look at the port per poll interval, no more.
    EXPECT_LE(longestSleep, kPoll + 1e-9);
    EXPECT_LT(port.polls(), 30.0 / kPoll * 1.01 + 10);
    EXPECT_EQ(sink.statusTexts(), std::vector<std::string>{"waiting"});
}

TEST_F(DownloadTest, AbandoningAfterTheLastBlockSavesNothing)
{
    radioSends(makeBlocks({20, 20})).start();
    sink.abandonAt = 1001.5; // inside the 2 s wait after the last block
    const TransferReport report = run();
    EXPECT_TRUE(report.abandoned);
    EXPECT_EQ(radio->acknowledgements().size(), 2u);
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(savedFile());
}

TEST_F(DownloadTest, AbandoningInsideTheQuietTestStopsAtOnce)
{
    radioSends(makeBlocks({20, 20})).start();
    sink.abandonAt = 1000.6;
    const TransferReport report = run();
    EXPECT_TRUE(report.abandoned);
    EXPECT_TRUE(radio->acknowledgements().empty());
    EXPECT_NEAR(port.closeTime(), 1000.6, kPoll);
}

} // namespace
} // namespace ft817::test
