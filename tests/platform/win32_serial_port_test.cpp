// The Windows serial port's own behaviour that needs no device: port names,
// a port that does not exist, a port not open. Transfers through a real COM
// port run in scripts/check-windows-serial, against the simulated radio.

#include "platform/win32_serial_port.h"

#include <gtest/gtest.h>

namespace ft817 {
namespace {

TEST(Win32SerialPort, OpensComPortsByTheDevicePathEvenAboveCom9)
{
    EXPECT_EQ(Win32SerialPort::systemPath("COM5"), "\\\\.\\COM5");
    EXPECT_EQ(Win32SerialPort::systemPath("COM12"), "\\\\.\\COM12");
    EXPECT_EQ(Win32SerialPort::systemPath("\\\\.\\COM12"), "\\\\.\\COM12");
}

TEST(Win32SerialPort, AMissingPortSaysSoAndNamesTheDeviceManager)
{
    Win32SerialPort port("COM42");
    const Status opened = port.open();
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.error().message, "cannot open COM42: no such device");
    EXPECT_NE(opened.error().detail.find("Device Manager"), std::string::npos) << opened.error().detail;
    EXPECT_FALSE(port.isOpen());
}

TEST(Win32SerialPort, APortNotOpenReportsItAndNeverWaits)
{
    Win32SerialPort port("COM42");
    EXPECT_FALSE(port.inputCount());
    EXPECT_FALSE(port.outputCount());
    const std::uint8_t byte = 0x06;
    EXPECT_FALSE(port.write(std::span<const std::uint8_t>(&byte, 1)));
    EXPECT_FALSE(port.readByte());
    EXPECT_TRUE(port.waitForInput(5.0));
    port.close();
    EXPECT_EQ(port.deviceName(), "COM42");
}

} // namespace
} // namespace ft817
