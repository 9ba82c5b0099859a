// The sender's failure paths, against a port that fails on request.
#include "cat_protocol/cat_sender.h"

#include "support/fake_clock.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ft817 {
namespace {

class ScriptedPort : public SerialPort {
public:
    Status open() override
    {
        log.push_back("open");
        if (failOpen)
            return Error{"cannot open /dev/fake: no such device", {}};
        m_open = true;
        return {};
    }
    void close() override
    {
        log.push_back("close");
        m_open = false;
    }
    bool isOpen() const override { return m_open; }
    void setTextInputOneByte() override { log.push_back("text"); }
    void clearInput() override { log.push_back("clear"); }
    Result<int> inputCount() override { return 0; }
    std::optional<std::uint8_t> readByte() override { return std::nullopt; }
    Status write(std::span<const std::uint8_t> bytes) override
    {
        if (!m_open)
            return Error{"not open", {}};
        if (failWriteAt == static_cast<int>(written.size()))
            return Error{"the connection to /dev/fake was lost", {}};
        log.push_back("write" + std::to_string(bytes.size()));
        written.insert(written.end(), bytes.begin(), bytes.end());
        return {};
    }
    Result<int> outputCount() override
    {
        ++outputPolls;
        return neverDrains ? 5 : 0;
    }
    std::string deviceName() const override { return "/dev/fake"; }

    bool failOpen = false;
    int failWriteAt = -1;
    bool neverDrains = false;
    int outputPolls = 0;
    std::vector<std::string> log;
    std::vector<std::uint8_t> written;

private:
    bool m_open = false;
};

const CatCommand kCommand{0x43, 0x97, 0x00, 0x00, 0x01};

TEST(CatSender, SetsUpWritesOneByteAtATimeAndCloses)
{
    ScriptedPort port;
    test::FakeClock clock;
    ASSERT_TRUE(sendCatCommand(port, clock, kCommand));
    const std::vector<std::string> expected{"open",   "text",   "clear",  "write1", "write1",
                                            "write1", "write1", "write1", "close"};
    EXPECT_EQ(port.log, expected);
    EXPECT_EQ(port.written, std::vector<std::uint8_t>(kCommand.begin(), kCommand.end()));
    EXPECT_FALSE(port.isOpen());
}

TEST(CatSender, PortThatCannotOpenIsReportedAndNothingIsWritten)
{
    ScriptedPort port;
    port.failOpen = true;
    test::FakeClock clock;
    const Status sent = sendCatCommand(port, clock, kCommand);
    ASSERT_FALSE(sent);
    EXPECT_NE(sent.error().message.find("cannot open"), std::string::npos);
    EXPECT_TRUE(port.written.empty());
}

TEST(CatSender, FailedWriteStopsAndClosesThePort)
{
    ScriptedPort port;
    port.failWriteAt = 2;
    test::FakeClock clock;
    const Status sent = sendCatCommand(port, clock, kCommand);
    ASSERT_FALSE(sent);
    EXPECT_EQ(port.written.size(), 2u);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.log.back(), "close");
}

TEST(CatSender, OutputThatNeverDrainsGivesUpAtTheLimitAndCloses)
{
    ScriptedPort port;
    port.neverDrains = true;
    test::FakeClock clock;
    const double start = clock.now();
    const Status sent = sendCatCommand(port, clock, kCommand, 2.0);
    ASSERT_FALSE(sent);
    EXPECT_NE(sent.error().message.find("within 2 s"), std::string::npos) << sent.error().message;
    EXPECT_NEAR(clock.now() - start, 2.0, 0.01);
    EXPECT_GT(port.outputPolls, 1000); // polled about once a millisecond
    EXPECT_FALSE(port.isOpen());
}

} // namespace
} // namespace ft817
