// The sender's failure paths, against a port that fails on request.
#include "cat_protocol/cat_sender.h"

#include "support/fake_clock.h"
#include "support/fake_serial_port.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ft817 {
namespace {

const CatCommand kCommand{0x43, 0x97, 0x00, 0x00, 0x01};

TEST(CatSender, SetsUpWritesOneByteAtATimeAndCloses)
{
    test::FakeClock clock;
    test::FakeSerialPort port(clock);
    ASSERT_TRUE(sendCatCommand(port, clock, kCommand));
    const std::vector<std::string> expected{"open", "setTextInputOneByte", "clearInput", "close"};
    EXPECT_EQ(port.calls(), expected);
    EXPECT_EQ(port.writtenBytes(), test::ByteList(kCommand.begin(), kCommand.end()));
    EXPECT_EQ(port.multiByteWrites(), 0);
    EXPECT_EQ(port.usesWhileClosed(), 0);
    EXPECT_FALSE(port.isOpen());
}

TEST(CatSender, PortThatCannotOpenIsReportedAndNothingIsWritten)
{
    test::FakeClock clock;
    test::FakeSerialPort port(clock);
    port.failOpen(Error{"cannot open /dev/fake: no such device", {}});
    const Status sent = sendCatCommand(port, clock, kCommand);
    ASSERT_FALSE(sent);
    EXPECT_NE(sent.error().message.find("cannot open"), std::string::npos);
    EXPECT_TRUE(port.writes().empty());
}

TEST(CatSender, FailedWriteStopsAndClosesThePort)
{
    test::FakeClock clock;
    test::FakeSerialPort port(clock);
    port.failWriteAfter(2, Error{"the connection to /dev/fake was lost", {}});
    const Status sent = sendCatCommand(port, clock, kCommand);
    ASSERT_FALSE(sent);
    EXPECT_EQ(port.writes().size(), 2u);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.calls().back(), "close");
}

TEST(CatSender, OutputThatNeverDrainsGivesUpAtTheLimitAndCloses)
{
    test::FakeClock clock;
    test::FakeSerialPort port(clock);
    port.setByteTime(3600.0); // a line that takes an hour for each byte
    const double start = clock.now();
    const Status sent = sendCatCommand(port, clock, kCommand, 2.0);
    ASSERT_FALSE(sent);
    EXPECT_NE(sent.error().message.find("within 2 s"), std::string::npos) << sent.error().message;
    EXPECT_NEAR(clock.now() - start, 2.0, 0.01);
    EXPECT_GT(port.polls(), 1000); // polled about once a millisecond
    EXPECT_FALSE(port.isOpen());
}

} // namespace
} // namespace ft817
