// The calibration backup against a scripted radio: every rate, a radio that
// stops mid-way, slow and late answers, answers that disagree, and what it sends.
#include "cat_protocol/calibration_backup.h"
#include "cat_protocol/cat_link.h"

#include "support/fake_cat_radio.h"
#include "support/fake_clock.h"
#include "support/fake_serial_port.h"

#include <gtest/gtest.h>

namespace ft817 {
namespace {

TEST(CalibrationBackup, ReadsThe85BytesAtEachRateWithOverlappingReadsAfterTheSync)
{
    for (const int rate : kCatRates) {
        SCOPED_TRACE(rate);
        test::FakeClock clock;
        test::FakeSerialPort port(clock);
        test::FakeCatRadio radio(port);
        radio.rate = rate;
        int progressCalls = 0;
        CalibrationRequest request;
        request.progress = [&](int done, int total) {
            EXPECT_EQ(done, ++progressCalls);
            EXPECT_EQ(total, 85);
        };
        const Result<CalibrationRead> read = readCalibration(port, clock, request);
        ASSERT_TRUE(read) << read.error().full();
        EXPECT_EQ(read->rate, rate);
        EXPECT_EQ(read->bytes, Bytes(radio.eeprom().begin(), radio.eeprom().begin() + 85));
        EXPECT_EQ(progressCalls, 85);
        // What the radio heard: the sync's status read and frequency read, then
        // EEPROM reads 0x0000, 0x0001, ... 0x0054.
        ASSERT_EQ(radio.commands().size(), 87u);
        EXPECT_EQ(radio.commands()[0], (test::FakeCatRadio::Command{0xE7, 0xE7, 0xE7, 0xE7, 0xE7}));
        EXPECT_EQ(radio.commands()[1], (test::FakeCatRadio::Command{0xE7, 0xE7, 0xE7, 0xE7, 0x03}));
        for (int n = 0; n < 85; ++n) {
            const auto& command = radio.commands()[static_cast<std::size_t>(n + 2)];
            EXPECT_EQ(command, (test::FakeCatRadio::Command{0x00, static_cast<std::uint8_t>(n), 0, 0, 0xBB}));
        }
        EXPECT_FALSE(port.isOpen());
    }
}

TEST(CalibrationBackup, EachReadIsAnsweredBeforeTheNextIsSent)
{
    test::FakeClock clock;
    test::FakeSerialPort port(clock);
    test::FakeCatRadio radio(port);
    radio.answerDelay = 0.3; // slow, within the answer limit
    CalibrationRequest request;
    request.rate = 9600;
    ASSERT_TRUE(readCalibration(port, clock, request));
    EXPECT_EQ(radio.commands().size(), 87u); // the sync's two reads, then no retry was needed
    const auto& writes = port.writes();
    for (std::size_t n = 1; n < 87; ++n)
        EXPECT_GE(writes[5 * n].time - writes[5 * n - 1].time, 0.3 - 1e-9) << n;
}

TEST(CalibrationBackup, RadioThatStopsMidWayLeavesNoBytesAndSaysWhere)
{
    test::FakeClock clock;
    test::FakeSerialPort port(clock);
    test::FakeCatRadio radio(port);
    radio.silentAfterReads = 2 + 20; // the sync's two reads and 20 EEPROM reads
    const Result<CalibrationRead> read = readCalibration(port, clock, {});
    ASSERT_FALSE(read);
    EXPECT_NE(read.error().message.find("stopped answering at EEPROM 0x0014 (read 21 of 85)"),
              std::string::npos)
        << read.error().message;
    EXPECT_FALSE(port.isOpen());
}

TEST(CalibrationBackup, SilentRadioGetsTheMessageAboutRateAndCable)
{
    test::FakeClock clock;
    test::FakeSerialPort port(clock);
    const Result<CalibrationRead> read = readCalibration(port, clock, {});
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error().message, kNoCatAnswer);
    EXPECT_EQ(port.writtenBytes().size(), 5u * 3); // five sync bytes per rate, nothing else
}

TEST(CalibrationBackup, LateAnswerIsWaitedOutBeforeTheReadIsSentAgain)
{
    test::FakeClock clock;
    test::FakeSerialPort port(clock);
    test::FakeCatRadio radio(port);
    radio.lateRead = 2 + 10; // EEPROM 0x000A is answered after the time limit
    radio.lateDelay = 0.7;
    CalibrationRequest request;
    request.rate = 9600;
    const Result<CalibrationRead> read = readCalibration(port, clock, request);
    ASSERT_TRUE(read) << read.error().full();
    EXPECT_EQ(read->bytes, Bytes(radio.eeprom().begin(), radio.eeprom().begin() + 85));
    // 0x000A was read twice, the second time only after its late answer had come and gone.
    const auto& commands = radio.commands();
    ASSERT_EQ(commands.size(), 88u);
    EXPECT_EQ(commands[12], commands[13]);
    EXPECT_GE(port.writes()[5 * 13].time - port.writes()[5 * 12 + 4].time, 0.7);
}

TEST(CalibrationBackup, AnswersThatDisagreeLeaveNoBackup)
{
    test::FakeClock clock;
    test::FakeSerialPort port(clock);
    test::FakeCatRadio radio(port);
    radio.garbledRead = 2 + 30; // the byte of EEPROM 0x001F read with 0x001E
    CalibrationRequest request;
    request.rate = 9600;
    const Result<CalibrationRead> read = readCalibration(port, clock, request);
    ASSERT_FALSE(read);
    EXPECT_NE(read.error().message.find("disagree about EEPROM 0x001F"), std::string::npos)
        << read.error().message;
}

} // namespace
} // namespace ft817
