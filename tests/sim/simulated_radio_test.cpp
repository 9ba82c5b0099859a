// The simulated radio through the real serial port: each mode's exchange,
// and every fault it can put on the line.

#include "sim/default_memory.h"
#include "support/eventually.h"
#include "support/sim_fixture.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>

using namespace ft817;
using namespace ft817::test;

namespace {

const std::uint8_t kAck = 0x06;

// The built-in FT-817 memory, cut into its blocks.
std::vector<Bytes> defaultBlocks(sim::Model model = sim::Model::FT817)
{
    const sim::Memory memory = sim::defaultMemory(model);
    std::vector<Bytes> blocks;
    auto at = memory.image.begin();
    for (int length : memory.blockLengths) {
        blocks.emplace_back(at, at + length);
        at += length;
    }
    return blocks;
}

Status sendAck(SimFixture& sim)
{
    return sim.port().write({&kAck, 1});
}

// Writes one block and waits for the answer: the bytes that came back
// before quietSeconds of silence.
Bytes sendBlock(SimFixture& sim, const Bytes& block, double quietSeconds = 0.15, double timeoutSeconds = 2.0)
{
    EXPECT_TRUE(sim.port().write(block).ok());
    return sim.readUntilQuiet(quietSeconds, timeoutSeconds);
}

// Takes a whole download: every block read by its known length and acknowledged.
std::vector<Bytes> downloadAll(SimFixture& sim, const std::vector<int>& lengths)
{
    std::vector<Bytes> blocks;
    for (int length : lengths) {
        Bytes block = sim.readBytes(static_cast<std::size_t>(length), 3.0);
        if (block.size() != static_cast<std::size_t>(length))
            break;
        blocks.push_back(block);
        if (!sendAck(sim))
            break;
    }
    return blocks;
}

TEST(SimulatedRadioSend, ServesTheWholeImageBlockByBlockAndThenFallsSilent)
{
    SimFixture sim(fastRadioOptions(sim::Mode::Send));
    ASSERT_TRUE(sim.start().ok());
    ASSERT_TRUE(sim.openPort().ok());
    const auto expected = defaultBlocks();
    EXPECT_EQ(sim.readBytes(4, 2.0), expected[0]);
    // Without an acknowledgement the radio waits.
    EXPECT_TRUE(sim.readUntilQuiet(0.05, 0.3).empty());
    ASSERT_TRUE(sendAck(sim).ok());
    std::vector<Bytes> rest;
    for (std::size_t k = 1; k < expected.size(); ++k) {
        rest.push_back(sim.readBytes(expected[k].size(), 2.0));
        ASSERT_EQ(rest.back(), expected[k]) << "block " << k;
        ASSERT_TRUE(sendAck(sim).ok());
    }
    EXPECT_TRUE(sim.radio().waitForTransfers(1, 2.0));
    EXPECT_EQ(sim.radio().acknowledgementsReceived(), static_cast<int>(expected.size()));
    EXPECT_TRUE(sim.readUntilQuiet(0.05, 0.3).empty()) << "silent after the last block";
}

TEST(SimulatedRadioSend, BytesOtherThanTheAcknowledgementDoNotAdvanceIt)
{
    SimFixture sim(fastRadioOptions(sim::Mode::Send));
    ASSERT_TRUE(sim.start().ok());
    ASSERT_TRUE(sim.openPort().ok());
    ASSERT_EQ(sim.readBytes(4, 2.0).size(), 4u);
    const Bytes other = {0x15, 0x00, 0xFF};
    ASSERT_TRUE(sim.port().write(other).ok());
    EXPECT_TRUE(sim.readUntilQuiet(0.05, 0.3).empty());
    ASSERT_TRUE(sendAck(sim).ok());
    EXPECT_EQ(sim.readBytes(42, 2.0), defaultBlocks()[1]);
}

TEST(SimulatedRadioSend, StartsAfterTheStartDelayFromTheOpen)
{
    auto options = fastRadioOptions(sim::Mode::Send);
    options.startDelay = 0.4;
    SimFixture sim(options);
    ASSERT_TRUE(sim.start().ok());
    const double opened = secondsNow();
    ASSERT_TRUE(sim.openPort().ok());
    ASSERT_EQ(sim.readBytes(4, 3.0).size(), 4u);
    EXPECT_GE(secondsNow() - opened, 0.35);
}

TEST(SimulatedRadioSend, AnotherOpenServesAnotherDownload)
{
    SimFixture sim(fastRadioOptions(sim::Mode::Send));
    ASSERT_TRUE(sim.start().ok());
    const auto lengths = sim.radio().blockLengths();
    for (int round = 1; round <= 2; ++round) {
        ASSERT_TRUE(sim.openPort().ok());
        EXPECT_EQ(downloadAll(sim, lengths).size(), lengths.size());
        EXPECT_TRUE(sim.radio().waitForTransfers(round, 2.0));
        sim.port().close();
    }
    EXPECT_EQ(sim.radio().portOpens(), 2);
}

TEST(SimulatedRadioSend, ClosingThePortMidTransferAbandonsIt)
{
    SimFixture sim(fastRadioOptions(sim::Mode::Send));
    ASSERT_TRUE(sim.start().ok());
    ASSERT_TRUE(sim.openPort().ok());
    ASSERT_EQ(sim.readBytes(4, 2.0).size(), 4u);
    sim.port().close();
    ASSERT_TRUE(eventually([&] { return !sim.radio().toolHasPortOpen(); }));
    // The next open starts again from block 0.
    ASSERT_TRUE(sim.openPort().ok());
    EXPECT_EQ(sim.readBytes(4, 2.0), defaultBlocks()[0]);
    EXPECT_EQ(sim.radio().transfersCompleted(), 0);
}

TEST(SimulatedRadioSend, SendsAnImageItWasGiven)
{
    auto options = fastRadioOptions(sim::Mode::Send);
    options.image = {0, 1, 2, 3, 1, 9, 9, 18};
    options.blockLengths = {4, 4};
    SimFixture sim(options);
    ASSERT_TRUE(sim.start().ok());
    ASSERT_TRUE(sim.openPort().ok());
    const auto blocks = downloadAll(sim, {4, 4});
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[1], (Bytes{1, 9, 9, 18}));
    EXPECT_TRUE(sim.radio().waitForTransfers(1, 2.0));
}

TEST(SimulatedRadioSend, RefusesAnImageWhoseBlocksDoNotAddUp)
{
    auto options = fastRadioOptions(sim::Mode::Send);
    options.image = {0, 1, 2};
    options.blockLengths = {4};
    sim::SimulatedRadio radio(options);
    EXPECT_FALSE(radio.start().ok());
}

TEST(SimulatedRadioFaults, PauseInABlockSplitsItWithSilence)
{
    auto options = fastRadioOptions(sim::Mode::Send);
    options.faults.pauseInBlock = 2;
    options.faults.pauseSeconds = 0.4;
    SimFixture sim(options);
    ASSERT_TRUE(sim.start().ok());
    ASSERT_TRUE(sim.openPort().ok());
    ASSERT_EQ(downloadAll(sim, {4, 42}).size(), 2u);
    const Bytes first = sim.readUntilQuiet(0.2, 2.0);
    const double quietFrom = secondsNow() - 0.2;
    EXPECT_EQ(first.size(), 105u);
    const Bytes second = sim.readBytes(105, 2.0);
    EXPECT_GE(secondsNow() - quietFrom, 0.3);
    Bytes whole = first;
    whole.insert(whole.end(), second.begin(), second.end());
    EXPECT_EQ(whole, defaultBlocks()[2]);
}

TEST(SimulatedRadioFaults, StopAfterBlockSendsItWholeThenNothing)
{
    auto options = fastRadioOptions(sim::Mode::Send);
    options.faults.stopAfterBlock = 1;
    SimFixture sim(options);
    ASSERT_TRUE(sim.start().ok());
    ASSERT_TRUE(sim.openPort().ok());
    ASSERT_EQ(downloadAll(sim, {4, 42}).size(), 2u);
    EXPECT_TRUE(sim.readUntilQuiet(0.05, 0.4).empty());
    EXPECT_EQ(sim.radio().transfersCompleted(), 0);
}

TEST(SimulatedRadioFaults, StopInBlockSendsHalfOfItThenNothing)
{
    auto options = fastRadioOptions(sim::Mode::Send);
    options.faults.stopInBlock = 1;
    SimFixture sim(options);
    ASSERT_TRUE(sim.start().ok());
    ASSERT_TRUE(sim.openPort().ok());
    ASSERT_EQ(downloadAll(sim, {4}).size(), 1u);
    const Bytes half = sim.readUntilQuiet(0.3, 2.0);
    const Bytes block1 = defaultBlocks()[1];
    EXPECT_EQ(half, Bytes(block1.begin(), block1.begin() + 21));
    EXPECT_TRUE(sim.readUntilQuiet(0.05, 0.3).empty());
}

TEST(SimulatedRadioFaults, HangUpInBlockMakesThePortFailAndTheRadioComesBack)
{
    TempDir folder;
    auto options = fastRadioOptions(sim::Mode::Send);
    options.faults.hangUpInBlock = 1;
    SimFixture sim(options, folder.file("radio"));
    ASSERT_TRUE(sim.start().ok());
    const std::string firstSlave = sim.radio().slavePath();
    ASSERT_TRUE(sim.openPort().ok());
    ASSERT_EQ(downloadAll(sim, {4}).size(), 1u);
    EXPECT_EQ(sim.readBytes(21, 2.0).size(), 21u);
    // The port reports the loss, within a moment, instead of waiting for ever.
    ASSERT_TRUE(eventually([&] { return !sim.port().inputCount().ok(); }, 2.0));
    EXPECT_FALSE(sendAck(sim).ok());
    // The tool may see the broken line a moment before the radio counts it.
    EXPECT_TRUE(eventually([&] { return sim.radio().hangUps() == 1; }, 2.0)) << sim.radio().hangUps();
    // Plugged in again: a fresh line behind the same link. The radio counts the
    // hang-up a moment before its new line is open; the tool's port still holds
    // the old line, so the new one cannot take its number.
    EXPECT_TRUE(eventually([&] { return sim.radio().slavePath() != firstSlave; }, 2.0));
    sim.port().close();
    EXPECT_EQ(std::filesystem::read_symlink(folder.file("radio")).string(), sim.radio().slavePath());
    QtSerialPort again(sim.radio().devicePath());
    ASSERT_TRUE(again.open().ok());
    again.clearInput();
    Result<int> waiting = again.inputCount();
    EXPECT_TRUE(eventually([&] {
        waiting = again.inputCount();
        return !waiting.ok() || *waiting >= 4;
    }));
    ASSERT_TRUE(waiting.ok());
    EXPECT_GE(*waiting, 4);
}

class SimulatedRadioReceive : public ::testing::Test {
protected:
    void startRadio(sim::RadioOptions options)
    {
        m_sim = std::make_unique<SimFixture>(std::move(options));
        ASSERT_TRUE(m_sim->start().ok());
        ASSERT_TRUE(m_sim->openPort().ok());
    }
    std::unique_ptr<SimFixture> m_sim;
    std::vector<Bytes> m_blocks = defaultBlocks();
};

TEST_F(SimulatedRadioReceive, TakesAWholeUploadAcknowledgingEveryBlock)
{
    startRadio(fastRadioOptions(sim::Mode::Receive));
    Bytes image;
    for (std::size_t k = 0; k < m_blocks.size(); ++k) {
        ASSERT_TRUE(m_sim->port().write(m_blocks[k]).ok());
        ASSERT_EQ(m_sim->readBytes(1, 2.0), Bytes{kAck}) << "block " << k;
        image.insert(image.end(), m_blocks[k].begin(), m_blocks[k].end());
    }
    EXPECT_TRUE(m_sim->radio().waitForTransfers(1, 2.0));
    EXPECT_EQ(m_sim->radio().receivedImage(), image);
}

TEST_F(SimulatedRadioReceive, ABlockWithAWrongChecksumGetsNoAnswer)
{
    startRadio(fastRadioOptions(sim::Mode::Receive));
    Bytes damaged = m_blocks[0];
    damaged.back() ^= 0x01;
    EXPECT_TRUE(sendBlock(*m_sim, damaged, 0.3, 0.4).empty());
    // The radio still waits for block 0 and takes it when it comes right.
    EXPECT_EQ(sendBlock(*m_sim, m_blocks[0]), Bytes{kAck});
    EXPECT_EQ(m_sim->radio().receivedImage(), m_blocks[0]);
}

TEST_F(SimulatedRadioReceive, ABlockWithTheWrongNumberGetsNoAnswer)
{
    startRadio(fastRadioOptions(sim::Mode::Receive));
    EXPECT_EQ(sendBlock(*m_sim, m_blocks[0]), Bytes{kAck});
    Bytes renumbered = m_blocks[1];
    renumbered[0] = 2;
    EXPECT_TRUE(sendBlock(*m_sim, renumbered, 0.3, 0.4).empty());
}

TEST_F(SimulatedRadioReceive, NeverAcknowledgeStaysSilent)
{
    auto options = fastRadioOptions(sim::Mode::Receive);
    options.faults.neverAcknowledge = true;
    startRadio(options);
    EXPECT_TRUE(sendBlock(*m_sim, m_blocks[0], 0.4, 0.5).empty());
    EXPECT_EQ(m_sim->radio().receivedImage(), m_blocks[0]) << "it still took the block";
}

TEST_F(SimulatedRadioReceive, SlowAcknowledgementComesAfterTheAckDelay)
{
    auto options = fastRadioOptions(sim::Mode::Receive);
    options.ackDelay = 0.6;
    startRadio(options);
    const double sent = secondsNow();
    ASSERT_TRUE(m_sim->port().write(m_blocks[0]).ok());
    EXPECT_EQ(m_sim->readBytes(1, 3.0), Bytes{kAck});
    EXPECT_GE(secondsNow() - sent, 0.55);
}

TEST_F(SimulatedRadioReceive, NoiseBeforeTheAcknowledgement)
{
    auto options = fastRadioOptions(sim::Mode::Receive);
    options.faults.bytesBeforeAck = {0x00, 0xFA, 0x15};
    startRadio(options);
    EXPECT_EQ(sendBlock(*m_sim, m_blocks[0]), (Bytes{0x00, 0xFA, 0x15, kAck}));
    EXPECT_EQ(sendBlock(*m_sim, m_blocks[1]), (Bytes{0x00, 0xFA, 0x15, kAck}));
}

TEST_F(SimulatedRadioReceive, StopAfterBlockAcknowledgesNothingLater)
{
    auto options = fastRadioOptions(sim::Mode::Receive);
    options.faults.stopAfterBlock = 1;
    startRadio(options);
    EXPECT_EQ(sendBlock(*m_sim, m_blocks[0]), Bytes{kAck});
    EXPECT_EQ(sendBlock(*m_sim, m_blocks[1]), Bytes{kAck});
    EXPECT_TRUE(sendBlock(*m_sim, m_blocks[2], 0.3, 0.4).empty());
}

TEST_F(SimulatedRadioReceive, HangUpInBlockBreaksTheToolsPort)
{
    auto options = fastRadioOptions(sim::Mode::Receive);
    options.faults.hangUpInBlock = 1;
    startRadio(options);
    EXPECT_EQ(sendBlock(*m_sim, m_blocks[0]), Bytes{kAck});
    ASSERT_TRUE(m_sim->port().write(m_blocks[1]).ok());
    Status written = m_sim->port().write(m_blocks[2]);
    Result<int> counted = m_sim->port().inputCount();
    EXPECT_TRUE(eventually(
        [&] {
            counted = m_sim->port().inputCount();
            if (counted.ok())
                written = m_sim->port().write(m_blocks[2]);
            return !written.ok() || !counted.ok();
        },
        2.0));
    // The radio counts its hang-up once the line is down: the tool may see the break first.
    EXPECT_TRUE(eventually([&] { return m_sim->radio().hangUps() == 1; }, 2.0)) << m_sim->radio().hangUps();
}

TEST_F(SimulatedRadioReceive, ReopeningThePortStartsAgainAtBlockZero)
{
    startRadio(fastRadioOptions(sim::Mode::Receive));
    EXPECT_EQ(sendBlock(*m_sim, m_blocks[0]), Bytes{kAck});
    m_sim->port().close();
    ASSERT_TRUE(eventually([&] { return !m_sim->radio().toolHasPortOpen(); }));
    ASSERT_TRUE(m_sim->openPort().ok());
    EXPECT_EQ(sendBlock(*m_sim, m_blocks[0]), Bytes{kAck});
    EXPECT_EQ(m_sim->radio().receivedImage(), m_blocks[0]);
}

TEST(SimulatedRadioCat, RecordsEveryFiveByteCommandHoweverItArrives)
{
    SimFixture sim(fastRadioOptions(sim::Mode::Cat));
    ASSERT_TRUE(sim.start().ok());
    ASSERT_TRUE(sim.openPort().ok());
    // Two whole commands and the start of a third in one piece; the rest of
    // the third only once the radio has taken the first two.
    const Bytes twoAndAStart = {0x14, 0x50, 0x00, 0x00, 0x01, 0x07, 0x07, 0x40, 0x00, 0x01, 0x00, 0x00, 0x00};
    const Bytes end = {0x00, 0x0F};
    ASSERT_TRUE(sim.port().write(twoAndAStart).ok());
    ASSERT_TRUE(eventually([&] { return sim.radio().catCommands().size() >= 2; }));
    ASSERT_TRUE(sim.port().write(end).ok());
    EXPECT_TRUE(eventually([&] { return sim.radio().catCommands().size() >= 3; }));
    const auto commands = sim.radio().catCommands();
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0], (std::array<std::uint8_t, 5>{0x14, 0x50, 0x00, 0x00, 0x01}));
    EXPECT_EQ(commands[1], (std::array<std::uint8_t, 5>{0x07, 0x07, 0x40, 0x00, 0x01}));
    EXPECT_EQ(commands[2], (std::array<std::uint8_t, 5>{0x00, 0x00, 0x00, 0x00, 0x0F}));
    EXPECT_TRUE(sim.readUntilQuiet(0.05, 0.2).empty()) << "a radio in normal operation answers nothing here";
}

TEST(SimulatedRadioCat, KeepsAPartCommandAcrossThePortClosingAsTheRadioDoes)
{
    SimFixture sim(fastRadioOptions(sim::Mode::Cat));
    ASSERT_TRUE(sim.start().ok());
    // An upload's block 0 (four bytes) to a radio in normal operation ...
    ASSERT_TRUE(sim.openPort().ok());
    ASSERT_TRUE(sim.port().write(defaultBlocks()[0]).ok());
    sim.port().close();
    ASSERT_TRUE(eventually([&] { return !sim.radio().toolHasPortOpen(); }));
    // ... makes the next command's first byte (set mode FM's 0x08) the opcode: PTT on.
    ASSERT_TRUE(sim.openPort().ok());
    ASSERT_TRUE(sim.port().write(Bytes{0x08, 0x00, 0x00, 0x00, 0x07}).ok());
    EXPECT_TRUE(eventually([&] { return !sim.radio().catFaults().empty(); }));
    ASSERT_EQ(sim.radio().catFaults().size(), 1u);
    EXPECT_NE(sim.radio().catFaults()[0].find("opcode 0x08"), std::string::npos)
        << sim.radio().catFaults()[0];
}

TEST(SimulatedRadioAuto, SendsWhenTheToolOpensAndStaysQuiet)
{
    auto options = fastRadioOptions(sim::Mode::Auto);
    options.startDelay = 0.0;
    SimFixture sim(options);
    ASSERT_TRUE(sim.start().ok());
    const double opened = secondsNow();
    ASSERT_TRUE(sim.openPort().ok());
    EXPECT_EQ(sim.readBytes(4, 2.0), defaultBlocks()[0]);
    EXPECT_GE(secondsNow() - opened, sim::kAutoSendSilence - 0.05);
    ASSERT_TRUE(sendAck(sim).ok());
    EXPECT_EQ(downloadAll(sim, {42}).size(), 1u);
}

TEST(SimulatedRadioAuto, ReceivesWhenAWholeBlockZeroArrives)
{
    SimFixture sim(fastRadioOptions(sim::Mode::Auto));
    ASSERT_TRUE(sim.start().ok());
    ASSERT_TRUE(sim.openPort().ok());
    const auto blocks = defaultBlocks();
    Bytes image;
    for (const Bytes& block : blocks) {
        ASSERT_TRUE(sim.port().write(block).ok());
        ASSERT_EQ(sim.readBytes(1, 2.0), Bytes{kAck});
        image.insert(image.end(), block.begin(), block.end());
    }
    EXPECT_TRUE(sim.radio().waitForTransfers(1, 2.0));
    EXPECT_EQ(sim.radio().receivedImage(), image);
    EXPECT_TRUE(sim.radio().catCommands().empty());
}

TEST(SimulatedRadioAuto, TakesOtherBytesAsCatCommandsAndNeverSends)
{
    SimFixture sim(fastRadioOptions(sim::Mode::Auto));
    ASSERT_TRUE(sim.start().ok());
    ASSERT_TRUE(sim.openPort().ok());
    const Bytes command = {0x00, 0x14, 0x50, 0x00, 0x01};
    ASSERT_TRUE(sim.port().write(command).ok());
    EXPECT_TRUE(sim.readUntilQuiet(0.05, 0.6).empty());
    const auto commands = sim.radio().catCommands();
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0], (std::array<std::uint8_t, 5>{0x00, 0x14, 0x50, 0x00, 0x01}));
}

TEST(SimulatedRadioAuto, KeepsACommandWhoseSenderClosedThePortAtOnce)
{
    SimFixture sim(fastRadioOptions(sim::Mode::Auto));
    ASSERT_TRUE(sim.start().ok());
    for (std::uint8_t last : {0x01, 0x02}) {
        ASSERT_TRUE(sim.openPort().ok());
        const Bytes command = {0x07, 0x07, 0x40, 0x00, last};
        ASSERT_TRUE(sim.port().write(command).ok());
        sim.port().close();
    }
    EXPECT_TRUE(eventually([&] { return sim.radio().catCommands().size() >= 2; }));
    const auto commands = sim.radio().catCommands();
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0][4], 0x01);
    EXPECT_EQ(commands[1][4], 0x02);
}

TEST(SimulatedRadioAuto, DecidesAfreshForEverySession)
{
    SimFixture sim(fastRadioOptions(sim::Mode::Auto));
    ASSERT_TRUE(sim.start().ok());
    ASSERT_TRUE(sim.openPort().ok());
    const Bytes command = {0x07, 0x07, 0x40, 0x00, 0x01};
    ASSERT_TRUE(sim.port().write(command).ok());
    ASSERT_TRUE(eventually([&] { return sim.radio().catCommands().size() == 1; }));
    sim.port().close();
    ASSERT_TRUE(eventually([&] { return !sim.radio().toolHasPortOpen(); }));
    ASSERT_TRUE(sim.openPort().ok());
    EXPECT_EQ(sim.readBytes(4, 2.0), defaultBlocks()[0]);
    EXPECT_EQ(sim.radio().catCommands().size(), 1u);
}

TEST(SimulatedRadioOnce, StopsWhenTheToolClosesThePortAfterOneTransfer)
{
    auto options = fastRadioOptions(sim::Mode::Send);
    options.once = true;
    SimFixture sim(options);
    ASSERT_TRUE(sim.start().ok());
    ASSERT_TRUE(sim.openPort().ok());
    const auto lengths = sim.radio().blockLengths();
    EXPECT_EQ(downloadAll(sim, lengths).size(), lengths.size());
    ASSERT_TRUE(sim.radio().waitForTransfers(1, 2.0));
    // Still serving while the tool holds the port: closing it now would
    // break the tool's last wait.
    EXPECT_FALSE(sim.radio().waitUntilFinished(0.1));
    EXPECT_TRUE(sim.radio().isServing());
    auto counted = sim.port().inputCount();
    EXPECT_TRUE(counted.ok());
    sim.port().close();
    EXPECT_TRUE(sim.radio().waitUntilFinished(2.0));
}

TEST(SimulatedRadioPacing, SendsAtNineThousandSixHundredBaud)
{
    auto options = fastRadioOptions(sim::Mode::Send);
    options.pacing = true;
    SimFixture sim(options);
    ASSERT_TRUE(sim.start().ok());
    ASSERT_TRUE(sim.openPort().ok());
    ASSERT_EQ(downloadAll(sim, {4, 42}).size(), 2u);
    // Block 2 is 210 bytes: 0.24 s on a real line.
    const Bytes first = sim.readBytes(1, 2.0);
    ASSERT_EQ(first.size(), 1u);
    const double start = secondsNow();
    const Bytes rest = sim.readBytes(209, 5.0);
    const double took = secondsNow() - start;
    EXPECT_EQ(rest.size(), 209u);
    EXPECT_GE(took, 209 * sim::kByteSeconds * 0.9);
    EXPECT_LT(took, 3.0);
}

TEST(SimulatedRadioPacing, AcknowledgesNoSoonerThanTheLineCouldCarryTheBlock)
{
    auto options = fastRadioOptions(sim::Mode::Receive);
    options.pacing = true;
    options.ackDelay = 0.02;
    SimFixture sim(options);
    ASSERT_TRUE(sim.start().ok());
    ASSERT_TRUE(sim.openPort().ok());
    const auto blocks = defaultBlocks();
    ASSERT_EQ(sendBlock(sim, blocks[0]), Bytes{kAck});
    ASSERT_EQ(sendBlock(sim, blocks[1]), Bytes{kAck});
    // Written at once, the 210 bytes of block 2 take 0.24 s on a real line.
    const double sent = secondsNow();
    ASSERT_TRUE(sim.port().write(blocks[2]).ok());
    ASSERT_EQ(sim.readBytes(1, 3.0), Bytes{kAck});
    const double took = secondsNow() - sent;
    EXPECT_GE(took, 210 * sim::kByteSeconds * 0.9);
    EXPECT_LT(took, 3.0);
}

TEST(SimulatedRadioLine, LinkPointsAtTheSlaveAndGoesAwayOnStop)
{
    TempDir folder;
    const std::string link = folder.file("radio");
    {
        sim::SimulatedRadio radio(fastRadioOptions(sim::Mode::Send));
        ASSERT_TRUE(radio.start(link).ok());
        EXPECT_EQ(radio.devicePath(), link);
        EXPECT_EQ(std::filesystem::read_symlink(link).string(), radio.slavePath());
        EXPECT_EQ(radio.slavePath().rfind("/dev/pts/", 0), 0u);
        radio.stop();
        EXPECT_FALSE(std::filesystem::is_symlink(link));
        EXPECT_FALSE(radio.isServing());
    }
}

TEST(SimulatedRadioLine, AStoppedRadioLeavesTheNextRadiosLinkAlone)
{
    TempDir folder;
    const std::string link = folder.file("radio");
    sim::SimulatedRadio first(fastRadioOptions(sim::Mode::Send));
    ASSERT_TRUE(first.start(link).ok());
    const std::string firstLine = first.slavePath();
    first.stop();
    ASSERT_FALSE(std::filesystem::is_symlink(link));

    // The next radio on the same link usually gets the freed pseudo-terminal number.
    sim::SimulatedRadio second(fastRadioOptions(sim::Mode::Send));
    ASSERT_TRUE(second.start(link).ok());
    if (second.slavePath() != firstLine)
        std::cerr << "note: the second radio got " << second.slavePath() << ", not " << firstLine << "\n";
    first.stop(); // as its destructor does again
    ASSERT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(std::filesystem::read_symlink(link).string(), second.slavePath());
}

TEST(SimulatedRadioLine, NeverReplacesOrDeletesWhatItDidNotMake)
{
    TempDir folder;
    const std::string file = folder.file("file");
    std::ofstream(file) << "keep me";
    const std::string link = folder.file("link");
    std::filesystem::create_symlink("/nonexistent", link);
    for (const std::string& path : {file, link}) {
        sim::SimulatedRadio radio(fastRadioOptions(sim::Mode::Send));
        const Status started = radio.start(path);
        ASSERT_FALSE(started.ok()) << path;
        EXPECT_NE(started.error().message.find("something is there already"), std::string::npos);
        radio.stop();
    }
    std::ifstream kept(file);
    std::string content;
    std::getline(kept, content);
    EXPECT_EQ(content, "keep me");
    EXPECT_EQ(std::filesystem::read_symlink(link), "/nonexistent");
}

TEST(SimulatedRadio, FaultsThatWouldDoNothingAreRefused)
{
    sim::RadioOptions options = fastRadioOptions(sim::Mode::Send);
    options.faults.stopAfterBlock = 50;
    EXPECT_EQ(sim::SimulatedRadio(options).start().error().message,
              "there is no block 50 to stop after: the radio's last block is 49");
    options.faults = {};
    options.faults.pauseSeconds = 0.5;
    EXPECT_EQ(sim::SimulatedRadio(options).start().error().message,
              "a pause is given but no block to pause in");
    options.model = sim::Model::FT818NDUS;
    options.faults = {};
    options.faults.hangUpInBlock = 50;
    EXPECT_TRUE(sim::SimulatedRadio(options).start().ok());
}

TEST(SimulatedRadioLine, StopWhileTheToolHoldsThePortIsPromptAndTheToolSeesIt)
{
    SimFixture sim(fastRadioOptions(sim::Mode::Send));
    ASSERT_TRUE(sim.start().ok());
    ASSERT_TRUE(sim.openPort().ok());
    ASSERT_TRUE(sim.waitForOpen(2.0));
    EXPECT_EQ(sim.radio().portOpens(), 1);
    const double start = secondsNow();
    sim.radio().stop();
    EXPECT_LT(secondsNow() - start, 1.0);
    Result<int> counted = sim.port().inputCount();
    while (counted.ok() && secondsNow() - start < 2.0)
        counted = sim.port().inputCount();
    EXPECT_FALSE(counted.ok());
}

} // namespace
