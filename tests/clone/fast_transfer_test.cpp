// Fast timing of download and upload against scripted radios on a fake port
// and a fake clock: when each block is acknowledged, when the transfer ends,
// and that everything the person sees and the file are as with standard timing.

#include "clone/download.h"
#include "clone/transfer_wait.h"
#include "clone/upload.h"
#include "clone_test_image.h"
#include "image/radio_model.h"
#include "recording_sink.h"
#include "support/fake_serial_port.h"
#include "support/temp_dir.h"

#include "platform/file_access.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace ft817::test {
namespace {

constexpr double kPoll = kPollInterval;
constexpr double kByteTime = 11.0 / 9600;
constexpr double kShortQuiet = 0.04;
// Floating-point slack of the fake clock's sums.
constexpr double kSlack = 1e-9;
// "At once": the answer leaves as the byte it answers arrives.
constexpr double kAtOnce = 1e-6;

const RadioModel& layoutNamed(std::string_view name)
{
    for (const RadioModel& layout : knownRadioModels()) {
        if (layout.name == name)
            return layout;
    }
    throw std::invalid_argument("no layout " + std::string(name));
}

// The blocks a radio of this layout sends (number byte, payload, checksum).
std::vector<ByteList> blocksOf(const RadioModel& layout)
{
    std::vector<int> lengths;
    for (int payload : layout.payloadLengths)
        lengths.push_back(payload + 2);
    return makeBlocks(lengths);
}

// Makes the checksum of the first `length` bytes of the block match, as if
// the block ended there: the byte at length - 1 becomes their sum.
void matchChecksumAt(ByteList& block, std::size_t length)
{
    unsigned sum = 0;
    for (std::size_t i = 1; i + 1 < length; ++i)
        sum += block[i];
    block[length - 1] = static_cast<std::uint8_t>(sum % 256);
    sum = 0;
    for (std::size_t i = 1; i + 1 < block.size(); ++i)
        sum += block[i];
    block.back() = static_cast<std::uint8_t>(sum % 256);
}

class FastDownloadTest : public testing::Test {
protected:
    FastDownloadTest()
    {
        clock.onSleep([this](double now) {
            longestSleep = std::max(longestSleep, now - lastWake);
            lastWake = now;
        });
    }

    // A radio on a 9600-baud line that sends these blocks.
    FakeSendingRadio& radioSends(const std::vector<ByteList>& blocks)
    {
        radio = std::make_unique<FakeSendingRadio>(port, blocks);
        radio->byteSpacing = kByteTime;
        return *radio;
    }

    TransferReport run() { return download(port, clock, path, sink, history, TransferTiming::Fast); }

    // Seconds from the last byte of block k to its acknowledgement leaving.
    double ackDelay(std::size_t k) const
    {
        return radio->acknowledgements().at(k) - radio->blockEnds().at(k);
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
};

class FastDownloadLayoutTest : public FastDownloadTest, public testing::WithParamInterface<std::string> {};

std::vector<std::string> layoutNames()
{
    std::vector<std::string> names;
    for (const RadioModel& layout : knownRadioModels())
        names.emplace_back(layout.name);
    return names;
}

// Every block whose length the possible layouts agree on goes without a
// wait; where a block has come at the shorter of two lengths (block 3 of an
// FT-817 against an FT-818's, the last block of an FT-817 against an
// FT-817ND's) 40 ms of silence decide; the transfer ends 0.3 s after the
// layout's last block, 0.5 s where a longer layout could still follow.
TEST_P(FastDownloadLayoutTest, WholeBlocksAreAcknowledgedAtOnceAndTheEndComesSoon)
{
    const RadioModel& layout = layoutNamed(GetParam());
    const auto blocks = blocksOf(layout);
    radioSends(blocks).start();

    const TransferReport report = run();

    ASSERT_TRUE(report.complete) << report.reason;
    EXPECT_EQ(*readWholeFile(path), imageFileOf(blocks));
    ASSERT_EQ(radio->acknowledgements().size(), blocks.size());
    for (std::size_t k = 0; k < blocks.size(); ++k) {
        // Where the five layouts give the block more than one length and this
        // one is the shorter, nothing is acknowledged before 40 ms of silence
        // have ruled out the longer.
        const bool ft818 = layout.name.starts_with("FT-818");
        const bool shorterOfTwo = (layout.name == "FT-817" && k == 49) || (!ft818 && k == 3);
        if (shorterOfTwo) {
            EXPECT_GE(ackDelay(k), kShortQuiet - kSlack) << "block " << k;
            EXPECT_LT(ackDelay(k), kShortQuiet + kPoll + kSlack) << "block " << k;
        } else {
            EXPECT_LT(ackDelay(k), kAtOnce) << "block " << k;
        }
    }
    // 0.5 s where a longer layout (a US radio's) could still follow.
    const auto possible = radioModelsStartingWith(layout.payloadLengths);
    const bool longerCanFollow = std::ranges::any_of(
        possible, [&](const RadioModel* other) { return other->blockCount() > layout.blockCount(); });
    const double shortestEnd = longerCanFollow ? 0.5 : 0.3;
    const double end = port.closeTime() - radio->acknowledgements().back();
    EXPECT_GE(end, shortestEnd - kSlack);
    EXPECT_LT(end, shortestEnd + kPoll + kSlack);
    EXPECT_LE(longestSleep, kPoll + kSlack);
}

INSTANTIATE_TEST_SUITE_P(Layouts, FastDownloadLayoutTest, testing::ValuesIn(layoutNames()),
                         [](const auto& info) {
                             std::string name;
                             for (char c : info.param) {
                                 if (std::isalnum(static_cast<unsigned char>(c)))
                                     name += c;
                             }
                             return name;
                         });

TEST_F(FastDownloadTest, ShowsAndSavesExactlyWhatStandardTimingDoes)
{
    for (const RadioModel& layout : knownRadioModels()) {
        const auto blocks = blocksOf(layout);
        RecordingSink sinks[2] = {RecordingSink(clock), RecordingSink(clock)};
        ByteList files[2];
        for (int fast = 0; fast < 2; ++fast) {
            FakeSerialPort onePort(clock);
            FakeSendingRadio sending(onePort, blocks);
            sending.startTime = clock.now() + 0.5;
            sending.byteSpacing = kByteTime;
            sending.start();
            const std::string onePath = dir.file(std::to_string(fast) + ".bin");
            const TransferReport report = download(onePort, clock, onePath, sinks[fast], history,
                                                   fast ? TransferTiming::Fast : TransferTiming::Standard);
            ASSERT_TRUE(report.complete) << layout.name << ": " << report.reason;
            files[fast] = *readWholeFile(onePath);
        }
        EXPECT_EQ(files[0], files[1]) << layout.name;
        EXPECT_EQ(sinks[0].statusTexts(), sinks[1].statusTexts()) << layout.name;
        EXPECT_EQ(sinks[0].maximums, sinks[1].maximums) << layout.name;
        EXPECT_EQ(sinks[0].values, sinks[1].values) << layout.name;
        EXPECT_EQ(sinks[0].blocksDone, sinks[1].blocksDone) << layout.name;
    }
}

TEST_F(FastDownloadTest, BlockWithAWrongChecksumWaitsForAQuarterSecondOfSilence)
{
    auto blocks = blocksOf(layoutNamed("FT-817"));
    blocks[2].back() ^= 0x5A;
    radioSends(blocks).start();

    const TransferReport report = run();

    ASSERT_TRUE(report.complete) << report.reason;
    // Saved as it came: a download judges no block by its checksum.
    EXPECT_EQ(*readWholeFile(path), imageFileOf(blocks));
    EXPECT_GE(ackDelay(2), 0.25 - kSlack);
    EXPECT_LT(ackDelay(2), 0.25 + kPoll + kSlack);
    // The layout is still known, so the next block goes fast again.
    EXPECT_LT(ackDelay(6), kAtOnce);
}

// An FT-817ND's last block is 132 bytes long where an FT-817's is 120. Even
// when its first 120 bytes look like a whole block and the line pauses
// there (a USB adapter holding bytes back), it is not cut short.
TEST_F(FastDownloadTest, LongerLastBlockIsNotCutAtTheShorterLayoutsLength)
{
    auto blocks = blocksOf(layoutNamed("FT-817ND"));
    matchChecksumAt(blocks[49], 120);
    FakeSendingRadio& sending = radioSends(blocks);
    sending.pauses = {{49, 120, 0.016}};
    sending.start();

    const TransferReport report = run();

    ASSERT_TRUE(report.complete) << report.reason;
    EXPECT_EQ(report.blocks, 50);
    EXPECT_EQ(*readWholeFile(path), imageFileOf(blocks));
    EXPECT_EQ(sending.otherBytes(), 0);
    EXPECT_GE(sending.acknowledgements()[49], sending.blockEnds()[49]);
}

// A US radio that pauses a third of a second before its 51st block, where
// the FT-817ND's and FT-818's memories end, is not taken for one of them.
TEST_F(FastDownloadTest, UsRadioPausingBeforeItsLastBlockIsNotCutShort)
{
    const auto blocks = blocksOf(layoutNamed("FT-817ND (US)"));
    FakeSendingRadio& sending = radioSends(blocks);
    sending.pauses = {{50, 0, 0.32}};
    sending.start();

    const TransferReport report = run();

    ASSERT_TRUE(report.complete) << report.reason;
    EXPECT_EQ(report.blocks, 51);
    EXPECT_EQ(report.radio, "FT-817ND (US)");
    EXPECT_EQ(report.notWholeMemory, "");
    EXPECT_EQ(*readWholeFile(path), imageFileOf(blocks));
}

struct UsRadioCase {
    const char* name;
    const char* layout;
    double blockDelay;
};

// Test lists name a case by its name, not by its bytes.
void PrintTo(const UsRadioCase& param, std::ostream* out)
{
    *out << param.name;
}

class FastDownloadUsRadioTest : public FastDownloadTest, public testing::WithParamInterface<UsRadioCase> {};

// The US radios send one block after the point where the FT-817ND and FT-818
// end, as promptly as every block before it; a radio slow between blocks
// gets ten times its slowest pause.
TEST_P(FastDownloadUsRadioTest, BlockAfterTheLastOfTheShorterLayoutStillArrives)
{
    const auto blocks = blocksOf(layoutNamed(GetParam().layout));
    FakeSendingRadio& sending = radioSends(blocks);
    sending.blockDelay = GetParam().blockDelay;
    sending.start();

    const TransferReport report = run();

    ASSERT_TRUE(report.complete) << report.reason;
    EXPECT_EQ(report.blocks, 51);
    EXPECT_EQ(*readWholeFile(path), imageFileOf(blocks));
    // Ten times the radio's slowest pause before a block (as the tool saw
    // it, up to one look at the port later), at least 0.3 s, at most 2 s.
    const double delay = GetParam().blockDelay;
    const double end = port.closeTime() - sending.acknowledgements().back();
    EXPECT_GE(end, std::clamp(10 * delay, 0.3, 2.0) - kSlack);
    EXPECT_LT(end, std::clamp(10 * (delay + kPoll), 0.3, 2.0) + kPoll + kSlack);
}

INSTANTIATE_TEST_SUITE_P(Radios, FastDownloadUsRadioTest,
                         testing::Values(UsRadioCase{"Ft817ndUs", "FT-817ND (US)", 0.02},
                                         UsRadioCase{"Ft818ndUs", "FT-818ND (US)", 0.02},
                                         UsRadioCase{"SlowBetweenBlocks", "FT-817ND (US)", 0.12},
                                         UsRadioCase{"SlowerThanTheStandardEnd", "FT-817ND (US)", 1.5}),
                         [](const auto& info) { return std::string(info.param.name); });

// Once the blocks match no known layout, the transfer keeps the standard
// timing to its end: a quarter second of silence ends each block, 2 s the transfer.
TEST_F(FastDownloadTest, TransferOutsideTheKnownLayoutsKeepsTheStandardTiming)
{
    const auto blocks = makeBlocks({4, 42, 30, 210, 30});
    radioSends(blocks).start();

    const TransferReport report = run();

    ASSERT_TRUE(report.complete) << report.reason;
    EXPECT_EQ(*readWholeFile(path), imageFileOf(blocks));
    EXPECT_LT(ackDelay(0), kAtOnce);
    EXPECT_LT(ackDelay(1), kAtOnce);
    for (std::size_t k = 2; k < blocks.size(); ++k) {
        EXPECT_GE(ackDelay(k), 0.25 - kSlack) << "block " << k;
        EXPECT_LT(ackDelay(k), 0.25 + kPoll + kSlack) << "block " << k;
    }
    const double end = port.closeTime() - radio->acknowledgements().back();
    EXPECT_GE(end, 2.0 - kSlack);
    EXPECT_LT(end, 2.0 + kPoll + kSlack);
}

// A block longer than every layout's ends on its checksum and 40 ms of silence.
TEST_F(FastDownloadTest, BlockLongerThanAnyLayoutsEndsAfterShortSilence)
{
    const auto blocks = makeBlocks({4, 60});
    radioSends(blocks).start();

    const TransferReport report = run();

    ASSERT_TRUE(report.complete) << report.reason;
    EXPECT_EQ(report.blocks, 2);
    EXPECT_GE(ackDelay(1), kShortQuiet - kSlack);
    EXPECT_LT(ackDelay(1), kShortQuiet + kPoll + kSlack);
}

// A block with a byte too many is ended by its length and acknowledged; the
// extra byte follows before the radio can have had the acknowledgement, and
// it is that block the report names, as standard timing would.
TEST_F(FastDownloadTest, AnExtraByteIsBlamedOnTheBlockThatSentIt)
{
    auto blocks = blocksOf(layoutNamed("FT-817"));
    blocks[8].push_back(0x42);
    radioSends(blocks).start();

    const TransferReport report = run();

    ASSERT_TRUE(report.complete) << report.reason;
    EXPECT_TRUE(report.notWholeMemory.starts_with("block 8 went on after its length had ended it"))
        << report.notWholeMemory;
}

TEST_F(FastDownloadTest, RadioStoppingInsideABlockIsTakenAsFinishedAsWithStandardTiming)
{
    auto blocks = blocksOf(layoutNamed("FT-817"));
    blocks.resize(3);
    blocks[2].resize(100);
    radioSends(blocks).start();

    const TransferReport report = run();

    ASSERT_TRUE(report.complete) << report.reason;
    EXPECT_EQ(report.statusText, " 146  3");
    EXPECT_GE(ackDelay(2), 0.25 - kSlack);
    EXPECT_GE(port.closeTime() - radio->acknowledgements().back(), 2.0 - kSlack);
}

// Fast timing changes when blocks are acknowledged, not what is checked and
// kept: a whole memory is named and kept in the history with the file it
// replaced; a memory cut off after a few blocks is saved as received, called
// not a whole memory and kept as such.
TEST_F(FastDownloadTest, AWholeMemoryIsNamedAndKeptWithTheFileItReplaced)
{
    const ByteList before{1, 2, 3};
    ASSERT_TRUE(writeWholeFile(path, before));
    radioSends(blocksOf(layoutNamed("FT-817ND"))).start();

    const TransferReport report = run();

    ASSERT_TRUE(report.complete) << report.reason;
    EXPECT_EQ(report.radio, "FT-817ND");
    EXPECT_EQ(report.notWholeMemory, "");
    ASSERT_EQ(report.notes.size(), 3u);
    EXPECT_NE(report.notes[0].find("_replaced_nebl1.bin"), std::string::npos) << report.notes[0];
    EXPECT_NE(report.notes[1].find("_FT-817ND.img"), std::string::npos) << report.notes[1];
}

TEST_F(FastDownloadTest, ACutOffMemoryIsSavedAsReceivedAndCalledNotWhole)
{
    auto blocks = blocksOf(layoutNamed("FT-817"));
    blocks.resize(3);
    radioSends(blocks).start();

    const TransferReport report = run();

    ASSERT_TRUE(report.complete) << report.reason;
    EXPECT_EQ(*readWholeFile(path), imageFileOf(blocks));
    EXPECT_EQ(report.notWholeMemory,
              "the radio stopped after block 2 of 50 or 51; missing: blocks 3 to 49 or blocks 3 to 50");
    // A layout left unfinished ends with the standard 2 s.
    EXPECT_GE(port.closeTime() - radio->acknowledgements().back(), 2.0 - kSlack);
    ASSERT_FALSE(report.notes.empty());
    EXPECT_NE(report.notes.back().find("_not-whole.img"), std::string::npos) << report.notes.back();
}

TEST_F(FastDownloadTest, AbandoningStopsAtOnceAndSavesNothing)
{
    radioSends(blocksOf(layoutNamed("FT-817"))).start();
    sink.abandonAt = 1002.0;

    const TransferReport report = run();

    EXPECT_TRUE(report.abandoned);
    EXPECT_FALSE(report.complete);
    EXPECT_NEAR(port.closeTime(), 1002.0, kPoll);
    EXPECT_FALSE(std::filesystem::exists(path));
}

class FastUploadTest : public testing::Test {
protected:
    FakeClock clock;
    FakeSerialPort port{clock};
    RecordingSink sink{clock};
    TempDir dir;
    std::string path = dir.file("nebl1.bin");
};

// After each acknowledgement the next block follows 10 ms later, instead of
// a quarter second; the radio takes every block as with standard timing.
TEST_F(FastUploadTest, NextBlockFollowsTenMillisecondsAfterTheAcknowledgement)
{
    const auto blocks = blocksOf(layoutNamed("FT-817ND (US)"));
    ASSERT_TRUE(writeWholeFile(path, imageFileOf(blocks)));
    FakeReceivingRadio radio(port, lengthsOf(blocks));
    port.setByteTime(kByteTime);

    // The patterned records hold frequencies no radio tunes: sent as asked.
    const TransferReport report =
        upload(port, clock, path, sink, UploadLayout::AnyLayout, TransferTiming::Fast);

    ASSERT_TRUE(report.complete) << report.reason;
    EXPECT_EQ(report.statusText, " 6752  6753");
    ASSERT_EQ(radio.blocks().size(), blocks.size());
    EXPECT_EQ(joined(radio.blocks()), joined(blocks));
    EXPECT_EQ(port.multiByteWrites(), static_cast<int>(blocks.size()));
    // The first byte written after each acknowledgement reached the tool.
    const auto& writes = port.writes();
    std::size_t next = 0;
    for (std::size_t k = 0; k + 1 < blocks.size(); ++k) {
        next += blocks[k].size();
        const double pause = writes[next].time - radio.ackTimes()[k];
        EXPECT_GE(pause, 0.01 - kSlack) << "block " << k + 1;
        EXPECT_LT(pause, 0.01 + kAtOnce) << "block " << k + 1;
    }
}

// Fast timing sends nothing the standard one would refuse.
TEST_F(FastUploadTest, AnImageThatIsNoWholeMemoryIsStillRefusedBeforeThePortIsOpened)
{
    const auto blocks = makeBlocks({150, 150});
    ASSERT_TRUE(writeWholeFile(path, imageFileOf(blocks)));

    const TransferReport report =
        upload(port, clock, path, sink, UploadLayout::WholeMemoryOnly, TransferTiming::Fast);

    EXPECT_FALSE(report.complete);
    EXPECT_EQ(report.notWholeMemory, "block 0 is 150 bytes long where the radio sends 4");
    EXPECT_TRUE(port.calls().empty());
}

TEST_F(FastUploadTest, UnansweredBlockStillStopsAfterThreeSeconds)
{
    const auto blocks = makeBlocks({10, 60, 25});
    ASSERT_TRUE(writeWholeFile(path, imageFileOf(blocks)));
    FakeReceivingRadio radio(port, lengthsOf(blocks));
    radio.silentFromBlock = 1;

    const TransferReport report =
        upload(port, clock, path, sink, UploadLayout::AnyLayout, TransferTiming::Fast);

    EXPECT_FALSE(report.complete);
    EXPECT_EQ(report.statusText, " 69  10");
    EXPECT_GE(port.closeTime() - radio.blockEnds()[1], 3.0 - kSlack);
    EXPECT_LT(port.closeTime() - radio.blockEnds()[1], 3.0 + kPoll + kSlack);
}

} // namespace
} // namespace ft817::test
