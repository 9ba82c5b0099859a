// Upload against a scripted radio on a fake port and a fake clock.

#include "clone/transfer_wait.h"
#include "clone/upload.h"
#include "clone_test_image.h"
#include "recording_sink.h"
#include "support/fake_serial_port.h"
#include "support/temp_dir.h"

#include "image/image_file.h"
#include "platform/file_access.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace ft817::test {
namespace {

constexpr double kPoll = kPollInterval;
constexpr double kByteTime = 11.0 / 9600;

// What the radio should receive for these blocks: each block without its
// stored checksum, then the payload's sum modulo 256.
std::vector<ByteList> sentForm(const std::vector<ByteList>& blocks)
{
    std::vector<ByteList> sent;
    for (const ByteList& block : blocks) {
        ByteList out(block.begin(), block.end() - 1);
        int sum = 0;
        for (std::size_t i = 1; i < out.size(); ++i)
            sum += out[i];
        out.push_back(static_cast<std::uint8_t>(sum % 256));
        sent.push_back(out);
    }
    return sent;
}

class UploadTest : public testing::Test {
protected:
    UploadTest()
    {
        clock.onSleep([this](double now) {
            longestSleep = std::max(longestSleep, now - lastWake);
            lastWake = now;
        });
    }

    // Writes the image file of these blocks and sets up a radio that takes them.
    FakeReceivingRadio& radioTakes(const std::vector<ByteList>& blocks)
    {
        file = imageFileOf(blocks);
        EXPECT_TRUE(writeWholeFile(path, file));
        radio = std::make_unique<FakeReceivingRadio>(port, lengthsOf(blocks));
        return *radio;
    }

    TransferReport run() { return upload(port, clock, path, sink, UploadLayout::AnyLayout); }

    FakeClock clock;
    FakeSerialPort port{clock};
    RecordingSink sink{clock};
    TempDir dir;
    std::string path = dir.file("nebl1.bin");
    ByteList file;
    std::unique_ptr<FakeReceivingRadio> radio;
    double lastWake = clock.now();
    double longestSleep = 0.0;
};

TEST_F(UploadTest, RadioAnsweringEveryBlockReceivesEveryBlockInOrder)
{
    const auto blocks = makeBlocks({150, 150});
    radioTakes(blocks);

    const TransferReport report = run();

    EXPECT_TRUE(report.complete);
    EXPECT_EQ(report.reason, "");
    EXPECT_EQ(report.blocks, 2);
    EXPECT_EQ(report.bytes, 300);
    EXPECT_EQ(radio->blocks(), sentForm(blocks));
    EXPECT_EQ(radio->strayBytes(), 0);
    EXPECT_EQ(report.statusText, " 299  300");
    EXPECT_EQ(sink.statusTexts(), std::vector<std::string>{" 299  300"});
    const std::vector<std::string> calls{"open", "setTextInputOneByte", "clearInput", "close"};
    EXPECT_EQ(port.calls(), calls);
    EXPECT_EQ(port.usesWhileClosed(), 0);
    // Each block goes out in one write.
    EXPECT_EQ(port.multiByteWrites(), 2);
}

TEST_F(UploadTest, ProgressRunsToEachBlocksLastDataByte)
{
    const auto blocks = makeBlocks({10, 20, 30});
    radioTakes(blocks);
    ASSERT_TRUE(run().complete);
    // Progress runs to the block table's first record: file size - 1 - 3 * last block number,
    // the clone image plus 48.
    EXPECT_EQ(sink.ranges, (std::vector<std::pair<int, int>>{{0, 60 + 48}}));
    EXPECT_EQ(static_cast<int>(file.size()) - 1 - 3 * 2, 60 + 48);
    EXPECT_EQ(sink.values, (std::vector<int>{9, 29, 59}));
    EXPECT_TRUE(sink.maximums.empty());
    EXPECT_EQ(sink.blocksDone, (std::vector<std::pair<int, int>>{{1, 10}, {2, 30}, {3, 60}}));
}

TEST_F(UploadTest, FullFt817ImageGoesOutByteForByteWithFreshChecksums)
{
    const auto blocks = makeBlocks(ft817BlockLengths());
    FakeReceivingRadio& receiving = radioTakes(blocks);
    port.setByteTime(kByteTime);
    const double started = clock.now();

    const TransferReport report = run();

    ASSERT_TRUE(report.complete);
    EXPECT_EQ(receiving.blocks(), sentForm(blocks));
    EXPECT_EQ(report.statusText, " 6608  6609");
    // Line time, the radio's answer and the 0.25 s pause per block, and less
    // than 5 ms a block on top.
    const double floor = 6609 * kByteTime + 50 * (0.02 + 0.25);
    EXPECT_GE(port.closeTime() - started, floor);
    EXPECT_LT(port.closeTime() - started, floor + 50 * 0.005);
    // While a block leaves the port the upload sleeps for its time on the
    // line, at most 20 ms at a time; every other wait looks at the port often.
    EXPECT_LE(longestSleep, 0.02 + 1e-9);
}

TEST_F(UploadTest, AnImageThatIsNoWholeMemoryIsRefusedBeforeThePortIsOpened)
{
    radioTakes(makeBlocks({150, 150}));

    const TransferReport report = upload(port, clock, path, sink, UploadLayout::WholeMemoryOnly);

    EXPECT_FALSE(report.complete);
    EXPECT_EQ(report.reason, "not a whole FT-817 memory: block 0 is 150 bytes long where the radio sends 4");
    EXPECT_EQ(report.notWholeMemory, "block 0 is 150 bytes long where the radio sends 4");
    EXPECT_TRUE(port.calls().empty());
}

TEST_F(UploadTest, StaleStoredChecksumsAreSentFreshAndTold)
{
    const auto blocks = makeBlocks(ft817BlockLengths());
    FakeReceivingRadio& receiving = radioTakes(blocks);
    ByteList changed = file;
    changed[3] ^= 0xFF; // block 0's stored checksum
    ASSERT_TRUE(writeWholeFile(path, changed));

    // Sent only when the person asked for it (damage is refused otherwise, below).
    const TransferReport report = upload(port, clock, path, sink, UploadLayout::AnyLayout);

    ASSERT_TRUE(report.complete) << report.reason;
    EXPECT_EQ(receiving.blocks(), sentForm(blocks));
    EXPECT_EQ(report.radio, "FT-817");
    // Beside it, the note on the patterned records' frequencies, which no radio tunes.
    ASSERT_EQ(report.notes.size(), 2u);
    EXPECT_EQ(report.notes[0].rfind("the radio cannot tune the frequency of ", 0), 0u) << report.notes[0];
    EXPECT_EQ(report.notes[1], "the stored checksum of block 0 does not match: the file was "
                               "changed outside this program or arrived damaged; fresh "
                               "checksums are sent");
}

// A block that arrived damaged is never laundered into the radio with a fresh checksum unasked.
TEST_F(UploadTest, AnImageWithADamagedBlockIsRefusedBeforeThePortIsOpened)
{
    radioTakes(makeBlocks(ft817BlockLengths()));
    ByteList damaged = file;
    const int block8End = readImageLayout(file)->ends[8];
    damaged[static_cast<std::size_t>(block8End - 3)] ^= 0x10; // a payload byte of block 8
    ASSERT_TRUE(writeWholeFile(path, damaged));

    const TransferReport report = upload(port, clock, path, sink, UploadLayout::WholeMemoryOnly);

    EXPECT_FALSE(report.complete);
    EXPECT_EQ(report.notWholeMemory, "the stored checksum of block 8 does not match: the file was changed "
                                     "outside this program or arrived damaged");
    EXPECT_EQ(report.reason, "not a whole FT-817 memory: " + report.notWholeMemory);
    EXPECT_TRUE(port.calls().empty());
}

TEST_F(UploadTest, NextBlockFollowsTheAcknowledgementAfterAQuarterSecond)
{
    radioTakes(makeBlocks({20, 20, 20}));
    radio->extraAckDelays = {0.5, 1.7, 0.01};

    ASSERT_TRUE(run().complete);

    const auto& writes = port.writes();
    ASSERT_EQ(writes.size(), 60u);
    for (std::size_t k = 1; k < 3; ++k) {
        const double firstByte = writes[20 * k].time;
        const double after = firstByte - radio->ackTimes()[k - 1];
        EXPECT_GE(after, 0.25) << "block " << k;
        EXPECT_LT(after, 0.25 + 0.005) << "block " << k;
    }
    // The pause follows the last block too, before the port closes.
    EXPECT_GE(port.closeTime() - radio->ackTimes().back(), 0.25);
    EXPECT_LT(port.closeTime() - radio->ackTimes().back(), 0.25 + 0.005);
}

TEST_F(UploadTest, OtherBytesBeforeTheAcknowledgementArePassedOver)
{
    const auto blocks = makeBlocks({20, 30, 40});
    radioTakes(blocks).bytesBeforeAck = {0x00, 0x15, 0xFF, 0x86};
    const TransferReport report = run();
    EXPECT_TRUE(report.complete);
    EXPECT_EQ(radio->blocks(), sentForm(blocks));
    EXPECT_EQ(port.unreadBytes(), 0);
}

TEST_F(UploadTest, StrayBytesWaitingBeforeTheStartAreCleared)
{
    const auto blocks = makeBlocks({20, 30});
    radioTakes(blocks).silentFromBlock = 0;
    port.arrive(clock.now() - 1.0, {0x06}); // an old acknowledgement in the input
    const TransferReport report = run();
    EXPECT_FALSE(report.complete);
    EXPECT_EQ(radio->blocks().size(), 1u);
}

TEST_F(UploadTest, RadioThatNeverAnswersGetsOnlyBlockZero)
{
    const auto blocks = makeBlocks({11, 30, 40});
    FakeReceivingRadio& receiving = radioTakes(blocks);
    receiving.silentFromBlock = 0;

    const TransferReport report = run();

    EXPECT_FALSE(report.complete);
    EXPECT_FALSE(report.abandoned);
    EXPECT_EQ(report.reason, "the radio did not acknowledge block 0 within 3 s");
    EXPECT_EQ(port.writtenBytes(), sentForm(blocks)[0]);
    // E(0) - 1 and 0, shown about 3 s after the block left the port.
    EXPECT_EQ(report.statusText, " 10  0");
    ASSERT_EQ(sink.statuses.size(), 1u);
    EXPECT_EQ(sink.statuses[0].text, " 10  0");
    const double waited = sink.statuses[0].time - receiving.blockEnds()[0];
    EXPECT_GE(waited, 3.0);
    EXPECT_LT(waited, 3.0 + 0.005);
    EXPECT_FALSE(port.isOpen());
}

// Only an acknowledgement that arrives after the block counts: a radio that
// answers each block twice and then stops is reported where it stopped.
TEST_F(UploadTest, SecondAcknowledgementsNeverCountForTheNextBlock)
{
    const auto blocks = makeBlocks({10, 20, 30, 40, 20, 20});
    ASSERT_TRUE(writeWholeFile(path, imageFileOf(blocks)));
    for (const TransferTiming timing : {TransferTiming::Standard, TransferTiming::Fast}) {
        FakeClock lineClock;
        FakeSerialPort line(lineClock);
        RecordingSink watcher(lineClock);
        FakeReceivingRadio receiving(line, lengthsOf(blocks));
        receiving.bytesBeforeAck = {0x06};
        receiving.silentFromBlock = 2;

        const TransferReport report = upload(line, lineClock, path, watcher, UploadLayout::AnyLayout, timing);

        EXPECT_FALSE(report.complete);
        EXPECT_EQ(report.reason, "the radio did not acknowledge block 2 within 3 s");
        EXPECT_EQ(report.blocks, 2);
    }
}

TEST_F(UploadTest, RadioFallingSilentAtBlockTwoShowsWhereItStopped)
{
    const auto blocks = makeBlocks({10, 20, 30, 40});
    radioTakes(blocks).silentFromBlock = 2;
    const TransferReport report = run();
    EXPECT_FALSE(report.complete);
    EXPECT_EQ(report.reason, "the radio did not acknowledge block 2 within 3 s");
    EXPECT_EQ(report.statusText, " 59  30"); // E(2) - 1 and E(1)
    EXPECT_EQ(report.blocks, 2);
    EXPECT_EQ(radio->blocks().size(), 3u);
    EXPECT_EQ(port.writes().size(), 60u);
}

struct AckDelayCase {
    const char* name;
    double delay;
    bool acknowledged;
};

// Test lists name a case by its name, not by its bytes.
void PrintTo(const AckDelayCase& param, std::ostream* out)
{
    *out << param.name;
}

class UploadAckDelayTest : public UploadTest, public testing::WithParamInterface<AckDelayCase> {};

TEST_P(UploadAckDelayTest, ThreeSecondsCountFromTheMomentTheBlockHasLeftThePort)
{
    radioTakes(makeBlocks({200}));
    radio->ackDelay = GetParam().delay;
    port.setByteTime(kByteTime); // the block needs 0.23 s to leave the port
    EXPECT_EQ(run().complete, GetParam().acknowledged);
}

INSTANTIATE_TEST_SUITE_P(Delays, UploadAckDelayTest,
                         testing::Values(AckDelayCase{"Quick", 0.001, true},
                                         AckDelayCase{"JustInTime", 2.99, true},
                                         AckDelayCase{"TooLate", 3.01, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UploadTest, ChecksumsWrapIntoOneByte)
{
    // Payloads whose sums are 0, 255, 256, 257 and far beyond.
    std::vector<ByteList> blocks;
    const std::vector<ByteList> payloads{{},       {0}, {255}, {200, 56}, {200, 57}, ByteList(250, 0xFF),
                                         {1, 2, 3}};
    for (std::size_t k = 0; k < payloads.size(); ++k) {
        // Block number, payload, then a stored checksum that is never sent.
        ByteList block(payloads[k].size() + 2);
        block.front() = static_cast<std::uint8_t>(k);
        std::copy(payloads[k].begin(), payloads[k].end(), block.begin() + 1);
        block.back() = 0x5A;
        blocks.push_back(block);
    }
    radioTakes(blocks);

    ASSERT_TRUE(run().complete);

    const std::vector<int> expected{0, 0, 255, 0, 1, (250 * 255) % 256, 6};
    ASSERT_EQ(radio->blocks().size(), blocks.size());
    for (std::size_t k = 0; k < blocks.size(); ++k)
        EXPECT_EQ(radio->blocks()[k].back(), expected[k]) << "block " << k;
}

TEST_F(UploadTest, StoredChecksumsMakeNoDifference)
{
    const auto blocks = makeBlocks({12, 40, 100, 7});
    radioTakes(blocks);
    ASSERT_TRUE(run().complete);
    const ByteList sentFromGoodFile = port.writtenBytes();

    ByteList changed = file;
    int end = 0;
    for (const ByteList& block : blocks) {
        end += static_cast<int>(block.size());
        changed[static_cast<std::size_t>(end - 1)] ^= 0xA5;
    }
    ASSERT_TRUE(writeWholeFile(path, changed));
    FakeClock otherClock;
    FakeSerialPort otherPort(otherClock);
    RecordingSink otherSink(otherClock);
    FakeReceivingRadio otherRadio(otherPort, lengthsOf(blocks));

    ASSERT_TRUE(upload(otherPort, otherClock, path, otherSink, UploadLayout::AnyLayout).complete);
    EXPECT_EQ(otherPort.writtenBytes(), sentFromGoodFile);
}

struct BadFileCase {
    const char* name;
    ByteList content; // empty name of file: missing
    const char* reason;
};

// Test lists name a case by its name, not by its bytes.
void PrintTo(const BadFileCase& param, std::ostream* out)
{
    *out << param.name;
}

class UploadBadFileTest : public UploadTest, public testing::WithParamInterface<BadFileCase> {};

TEST_P(UploadBadFileTest, FileThatIsNotAnImageNeverOpensThePort)
{
    if (std::string(GetParam().name) != "Missing") {
        ASSERT_TRUE(writeWholeFile(path, GetParam().content));
    }

    const TransferReport report = run();

    EXPECT_FALSE(report.complete);
    EXPECT_NE(report.reason.find(GetParam().reason), std::string::npos) << report.reason;
    EXPECT_NE(report.detail.find("Nothing was sent"), std::string::npos) << report.detail;
    EXPECT_TRUE(port.calls().empty());
    EXPECT_TRUE(sink.statuses.empty());
    EXPECT_TRUE(sink.ranges.empty());
}

ByteList wronglyNumbered()
{
    ByteList image = imageFileOf(makeBlocks({10, 10}));
    image[10] = 7; // block 1 carries the number 7
    return image;
}

INSTANTIATE_TEST_SUITE_P(
    Files, UploadBadFileTest,
    testing::Values(BadFileCase{"Missing", {}, "cannot read"}, BadFileCase{"Empty", {}, "not an image file"},
                    BadFileCase{"Text", ByteList(300, 'x'), "not an image file"},
                    BadFileCase{"WronglyNumbered", wronglyNumbered(), "block 1 carries the number 7"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UploadTest, PortThatCannotBeOpenedIsReported)
{
    radioTakes(makeBlocks({10}));
    port.failOpen(Error{"cannot open /dev/fake: no such device", "Check that the cable is plugged in."});
    const TransferReport report = run();
    EXPECT_FALSE(report.complete);
    EXPECT_EQ(report.reason, "cannot open /dev/fake: no such device");
    EXPECT_EQ(report.detail, "Check that the cable is plugged in.");
    EXPECT_TRUE(port.writes().empty());
}

struct UploadFault {
    const char* name;
    void (*arrange)(FakeSerialPort& port);
    std::size_t bytesWritten;
};

// Test lists name a case by its name, not by its bytes.
void PrintTo(const UploadFault& param, std::ostream* out)
{
    *out << param.name;
}

class UploadPortFaultTest : public UploadTest, public testing::WithParamInterface<UploadFault> {};

const Error kLost{"the connection to /dev/fake was lost", "Check the cable."};

TEST_P(UploadPortFaultTest, PortFailingMidTransferStopsWithAReason)
{
    radioTakes(makeBlocks({20, 20, 20}));

    GetParam().arrange(port);
    const TransferReport report = run();

    EXPECT_FALSE(report.complete);
    EXPECT_FALSE(report.abandoned);
    EXPECT_EQ(report.reason, "upload stopped: the connection to /dev/fake was lost");
    EXPECT_NE(report.detail.find("Check the cable."), std::string::npos);
    EXPECT_EQ(report.statusText, "");
    EXPECT_EQ(port.writes().size(), GetParam().bytesWritten);
    EXPECT_FALSE(port.isOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, UploadPortFaultTest,
    testing::Values(
        UploadFault{"WriteInsideBlock", [](FakeSerialPort& p) { p.failWriteAfter(25, kLost); }, 25},
        UploadFault{"OutputCount", [](FakeSerialPort& p) { p.failOutputFrom(1000.0, kLost); }, 20},
        UploadFault{"InputCountWhileWaitingForAnswer",
                    [](FakeSerialPort& p) { p.failInputFrom(1000.28, kLost); }, 40}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UploadTest, AbandoningWhileWaitingForTheRadioStopsAtOnce)
{
    radioTakes(makeBlocks({20, 20, 20})).silentFromBlock = 1;
    sink.abandonAt = 1001.0;

    const TransferReport report = run();

    EXPECT_TRUE(report.abandoned);
    EXPECT_FALSE(report.complete);
    EXPECT_EQ(report.reason, "upload abandoned");
    EXPECT_EQ(report.statusText, "");
    EXPECT_EQ(port.writes().size(), 40u);
    EXPECT_NEAR(port.closeTime(), 1001.0, kPoll);
    EXPECT_FALSE(port.isOpen());
}

TEST_F(UploadTest, StoppingInThePauseAfterTheLastBlockStillCountsAsComplete)
{
    const auto blocks = makeBlocks({20, 20, 20});
    radioTakes(blocks);
    // Blocks go out at 1000.0, 1000.27 and 1000.54, each answered 0.02 s
    // later; the last pause runs to about 1000.81.
    sink.abandonAt = 1000.7;

    const TransferReport report = run();

    ASSERT_EQ(radio->ackTimes().size(), 3u);
    ASSERT_LT(radio->ackTimes().back(), sink.abandonAt);
    EXPECT_TRUE(report.complete) << report.reason;
    EXPECT_FALSE(report.abandoned);
    EXPECT_EQ(report.reason, "");
    EXPECT_EQ(report.statusText, " 59  60");
    EXPECT_EQ(radio->blocks(), sentForm(blocks));
    EXPECT_NEAR(port.closeTime(), 1000.7, kPoll);
    EXPECT_FALSE(port.isOpen());
}

} // namespace
} // namespace ft817::test
