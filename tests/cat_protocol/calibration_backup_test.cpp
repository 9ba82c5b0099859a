// The calibration backup against a scripted radio: every rate, a radio that
// stops mid-way, slow answers, and what it sends.
#include "cat_protocol/calibration_backup.h"
#include "cat_protocol/cat_link.h"

#include "support/fake_cat_radio.h"
#include "support/fake_clock.h"
#include "support/fake_serial_port.h"

#include <gtest/gtest.h>

namespace ft817 {
namespace {

TEST(CalibrationBackup, ReadsThe85BytesAtEachRateWith43ReadsAfterTheProbe)
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
            EXPECT_EQ(total, 43);
        };
        const Result<CalibrationRead> read = readCalibration(port, clock, request);
        ASSERT_TRUE(read) << read.error().full();
        EXPECT_EQ(read->rate, rate);
        EXPECT_EQ(read->bytes, Bytes(radio.eeprom().begin(), radio.eeprom().begin() + 85));
        EXPECT_EQ(progressCalls, 43);
        // What the radio heard: one frequency read (the probe), then EEPROM reads 0x0000, 0x0002, ... 0x0054.
        ASSERT_EQ(radio.commands().size(), 44u);
        EXPECT_EQ(radio.commands()[0][4], 0x03);
        for (int n = 0; n < 43; ++n) {
            const auto& command = radio.commands()[static_cast<std::size_t>(n + 1)];
            EXPECT_EQ(command,
                      (test::FakeCatRadio::Command{0x00, static_cast<std::uint8_t>(2 * n), 0, 0, 0xBB}));
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
    EXPECT_EQ(radio.commands().size(), 43u); // no retry was needed, no probe at a given rate
    const auto& writes = port.writes();
    for (std::size_t n = 1; n < 43; ++n)
        EXPECT_GE(writes[5 * n].time - writes[5 * n - 1].time, 0.3 - 1e-9) << n;
}

TEST(CalibrationBackup, RadioThatStopsMidWayLeavesNoBytesAndSaysWhere)
{
    test::FakeClock clock;
    test::FakeSerialPort port(clock);
    test::FakeCatRadio radio(port);
    radio.silentAfterReads = 1 + 20; // the probe and 20 EEPROM reads
    const Result<CalibrationRead> read = readCalibration(port, clock, {});
    ASSERT_FALSE(read);
    EXPECT_NE(read.error().message.find("stopped answering at EEPROM 0x0028 (read 21 of 43)"),
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
    EXPECT_EQ(port.writtenBytes().size(), 5u * 3); // one probe per rate, nothing else
}

} // namespace
} // namespace ft817
