// The real serial port against a pseudo-terminal: the test holds the master
// side and sees exactly what the tool's port puts on the line.

#include "platform/qt_serial_port.h"
#include "sim/pseudo_terminal.h"
#include "support/eventually.h"
#include "support/sim_fixture.h"
#include "support/temp_dir.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace ft817;
using namespace ft817::test;

namespace {

class QtSerialPortTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_line.open().ok()); }

    int master() const { return m_line.master(); }
    const std::string& device() const { return m_line.slavePath(); }

    void writeFromRadio(const Bytes& bytes)
    {
        ASSERT_EQ(::write(master(), bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    // Waits until the port counts `count` bytes waiting; -1 when it fails.
    static int waitForInput(QtSerialPort& port, int count)
    {
        int waiting = 0;
        eventually([&] {
            const Result<int> counted = port.inputCount();
            waiting = counted ? *counted : -1;
            return waiting < 0 || waiting >= count;
        });
        return waiting;
    }

    // Bytes the radio's side reads within the timeout.
    Bytes readAtRadio(std::size_t count, double timeoutSeconds = 2.0)
    {
        Bytes bytes;
        const double end = secondsNow() + timeoutSeconds;
        while (bytes.size() < count && secondsNow() < end) {
            pollfd fd{master(), POLLIN, 0};
            if (::poll(&fd, 1, 10) <= 0 || !(fd.revents & POLLIN))
                continue;
            std::uint8_t buffer[256];
            const ssize_t got = ::read(master(), buffer, sizeof buffer);
            if (got > 0)
                bytes.insert(bytes.end(), buffer, buffer + got);
        }
        return bytes;
    }

    sim::PseudoTerminal m_line;
};

TEST_F(QtSerialPortTest, OpensWithTheRadiosFixedLineSettings)
{
    QtSerialPort port(device());
    ASSERT_TRUE(port.open().ok());
    termios settings{};
    // Settings read on the master are the slave's, as the port left them.
    ASSERT_EQ(::tcgetattr(master(), &settings), 0);
    EXPECT_EQ(::cfgetispeed(&settings), static_cast<speed_t>(B9600));
    EXPECT_EQ(::cfgetospeed(&settings), static_cast<speed_t>(B9600));
    EXPECT_EQ(settings.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_NE(settings.c_cflag & CSTOPB, 0u) << "two stop bits";
    EXPECT_EQ(settings.c_cflag & PARENB, 0u) << "no parity";
    EXPECT_EQ(settings.c_cflag & CRTSCTS, 0u) << "no hardware flow control";
    EXPECT_EQ(settings.c_iflag & (IXON | IXOFF | IXANY), 0u) << "no software flow control";
    EXPECT_EQ(settings.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u) << "raw input";
    EXPECT_EQ(settings.c_iflag & (ICRNL | INLCR | IGNCR | ISTRIP), 0u) << "bytes unchanged on input";
    EXPECT_EQ(settings.c_oflag & OPOST, 0u) << "bytes unchanged on output";
    EXPECT_TRUE(port.isOpen());
    EXPECT_GE(port.handle(), 0);
}

TEST_F(QtSerialPortTest, CountsWaitingBytesAndReadsThemOneAtATimeUnchanged)
{
    QtSerialPort port(device());
    ASSERT_TRUE(port.open().ok());
    port.setTextInputOneByte();
    port.clearInput();
    const Bytes sent = {0x00, 0x0D, 0x0A, 0x11, 0x13, 0x06, 0xFF};
    writeFromRadio(sent);
    ASSERT_EQ(waitForInput(port, 7), 7);
    // Counting consumes nothing.
    EXPECT_EQ(*port.inputCount(), 7);
    Bytes read;
    for (int i = 0; i < 7; ++i) {
        auto byte = port.readByte();
        ASSERT_TRUE(byte.has_value()) << "byte " << i;
        read.push_back(*byte);
        EXPECT_EQ(*port.inputCount(), 6 - i);
    }
    EXPECT_EQ(read, sent);
    EXPECT_FALSE(port.readByte().has_value());
}

TEST_F(QtSerialPortTest, ClearInputDiscardsOnlyWhatHasAlreadyArrived)
{
    QtSerialPort port(device());
    ASSERT_TRUE(port.open().ok());
    writeFromRadio({1, 2, 3, 4});
    ASSERT_EQ(waitForInput(port, 4), 4);
    port.clearInput();
    EXPECT_EQ(*port.inputCount(), 0);
    EXPECT_FALSE(port.readByte().has_value());
    writeFromRadio({0x42});
    ASSERT_EQ(waitForInput(port, 1), 1);
    EXPECT_EQ(port.readByte(), std::optional<std::uint8_t>(0x42));
}

TEST_F(QtSerialPortTest, WaitForInputEndsWithTheFirstByteAndConsumesNothing)
{
    QtSerialPort port(device());
    ASSERT_TRUE(port.open().ok());
    port.clearInput();
    std::thread radio([this] {
        sleepSeconds(0.05);
        writeFromRadio({0x06});
    });
    const double started = secondsNow();
    EXPECT_TRUE(port.waitForInput(10.0));
    // Woken by the byte, not by the end of the ten seconds.
    EXPECT_LT(secondsNow() - started, 5.0);
    radio.join();
    EXPECT_EQ(waitForInput(port, 1), 1);
    // With a byte waiting it returns at once.
    EXPECT_TRUE(port.waitForInput(10.0));
    EXPECT_EQ(port.readByte(), std::optional<std::uint8_t>(0x06));
}

TEST_F(QtSerialPortTest, WritesReachTheLineInOrderAndUnchanged)
{
    QtSerialPort port(device());
    ASSERT_TRUE(port.open().ok());
    Bytes sent;
    for (int i = 0; i < 256; ++i)
        sent.push_back(static_cast<std::uint8_t>(i));
    ASSERT_TRUE(port.write(sent).ok());
    const std::uint8_t more[] = {0x06, 0x0D};
    ASSERT_TRUE(port.write(more).ok());
    sent.insert(sent.end(), std::begin(more), std::end(more));
    EXPECT_EQ(readAtRadio(sent.size()), sent);
    auto queued = port.outputCount();
    ASSERT_TRUE(queued.ok());
    EXPECT_EQ(*queued, 0);
}

TEST_F(QtSerialPortTest, OperationsOnAClosedPortFailOrDoNothing)
{
    QtSerialPort port(device());
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(port.inputCount().ok());
    EXPECT_FALSE(port.outputCount().ok());
    const std::uint8_t byte = 0x06;
    EXPECT_FALSE(port.write({&byte, 1}).ok());
    EXPECT_FALSE(port.readByte().has_value());
    port.clearInput();
    port.close();
    EXPECT_EQ(port.handle(), -1);
}

TEST_F(QtSerialPortTest, AMissingDeviceIsReportedAsNoSuchDevice)
{
    TempDir folder;
    QtSerialPort port(folder.file("ttyUSB9"));
    const Status opened = port.open();
    ASSERT_FALSE(opened.ok());
    EXPECT_NE(opened.error().message.find("no such device"), std::string::npos) << opened.error().message;
    EXPECT_NE(opened.error().message.find(folder.file("ttyUSB9")), std::string::npos);
    EXPECT_FALSE(port.isOpen());
}

TEST_F(QtSerialPortTest, ABareNameIsADeviceInDevAndTheMessageSaysSo)
{
    TempDir folder;
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    std::ofstream("ft817-no-such-tty") << "";
    QtSerialPort port("ft817-no-such-tty");
    const Status opened = port.open();
    std::filesystem::current_path(previous);
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(opened.error().message, "cannot open /dev/ft817-no-such-tty: no such device");
    EXPECT_NE(opened.error().detail.find("give --port ./ft817-no-such-tty"), std::string::npos);
}

// "runs/rel/port" is that path from the working folder, not a device under /dev.
TEST_F(QtSerialPortTest, ANameWithAFolderIsAPathAsGiven)
{
    TempDir folder;
    std::filesystem::create_directories(folder.path() / "runs" / "rel");
    std::filesystem::create_symlink(device(), folder.path() / "runs" / "rel" / "port");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    QtSerialPort port("runs/rel/port");
    const Status opened = port.open();
    std::filesystem::current_path(previous);
    EXPECT_TRUE(opened.ok()) << opened.error().full();
    port.close();
}

// A file or a device that takes no line settings is said to be no serial line in words.
TEST_F(QtSerialPortTest, SomethingThatIsNoSerialLineIsCalledSo)
{
    TempDir folder;
    std::ofstream(folder.file("plain")) << "data";
    for (const std::string& name : {folder.file("plain"), std::string("/dev/null")}) {
        QtSerialPort port(name);
        const Status opened = port.open();
        ASSERT_FALSE(opened.ok()) << name;
        EXPECT_EQ(opened.error().message, "cannot open " + name + ": it is not a serial line");
        EXPECT_EQ(opened.error().message.find("ioctl"), std::string::npos);
    }
}

TEST_F(QtSerialPortTest, ADeviceAnotherPortHoldsIsReportedAsInUse)
{
    QtSerialPort first(device());
    ASSERT_TRUE(first.open().ok());
    QtSerialPort second(device());
    const Status opened = second.open();
    ASSERT_FALSE(opened.ok());
    EXPECT_NE(opened.error().message.find("in use"), std::string::npos) << opened.error().full();
    std::cerr << opened.error().full() << "\n";
    EXPECT_FALSE(second.isOpen());
    // The first port is unharmed and the device is free again once it closes.
    writeFromRadio({0x55});
    EXPECT_EQ(waitForInput(first, 1), 1);
    first.close();
    EXPECT_TRUE(second.open().ok());
}

TEST_F(QtSerialPortTest, ADeviceHeldExclusivelyIsReportedReadably)
{
    const int holder = ::open(device().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::ioctl(holder, TIOCEXCL), 0);
    QtSerialPort port(device());
    const Status opened = port.open();
    ::close(holder);
    if (::geteuid() == 0 && opened.ok())
        GTEST_SKIP() << "running as the superuser, whom an exclusive lock does not hold off";
    ASSERT_FALSE(opened.ok());
    EXPECT_NE(opened.error().message.find("cannot open " + device()), std::string::npos);
    EXPECT_NE(opened.error().message.find("in use"), std::string::npos) << opened.error().full();
}

TEST_F(QtSerialPortTest, AHangUpIsReportedAsAnErrorNotAHang)
{
    QtSerialPort port(device());
    ASSERT_TRUE(port.open().ok());
    writeFromRadio({1, 2});
    ASSERT_EQ(waitForInput(port, 2), 2);
    ASSERT_EQ(port.readByte(), std::optional<std::uint8_t>(1));
    m_line.close(); // the cable is pulled

    const double start = secondsNow();
    Result<int> counted = port.inputCount();
    // What the port had already taken in may still be read; then it fails.
    while (counted.ok() && *counted > 0 && secondsNow() - start < 2.0) {
        port.readByte();
        counted = port.inputCount();
    }
    ASSERT_FALSE(counted.ok());
    EXPECT_NE(counted.error().message.find("lost"), std::string::npos) << counted.error().message;
    const std::uint8_t byte = 0x06;
    EXPECT_FALSE(port.write({&byte, 1}).ok());
    EXPECT_FALSE(port.outputCount().ok());
    EXPECT_LT(secondsNow() - start, 1.0);
    port.close();
    EXPECT_FALSE(port.isOpen());
}

} // namespace
