#pragma once
// The real serial port, with the radio's fixed line settings: 9600 baud,
// 8 data bits, no parity, 2 stop bits, no flow control. On POSIX systems it
// is QSerialPort's; it works without a running event loop: inputCount()
// pulls whatever the system has received into the port's buffer before
// counting. On Windows it is the system's own calls (Win32SerialPort), and
// Qt only lists the ports.

#include "platform/serial_port.h"

#include <string>

#ifdef _WIN32
#include "platform/win32_serial_port.h"
#else
#include <QSerialPort>
#endif

namespace ft817 {

#ifdef _WIN32
using QtSerialPort = Win32SerialPort;
#else

class QtSerialPort : public SerialPort {
public:
    explicit QtSerialPort(std::string device);
    ~QtSerialPort() override;

    Status open() override;
    void close() override;
    bool isOpen() const override;
    void setTextInputOneByte() override;
    void clearInput() override;
    Result<int> inputCount() override;
    std::optional<std::uint8_t> readByte() override;
    Status write(std::span<const std::uint8_t> bytes) override;
    Result<int> outputCount() override;
    std::string deviceName() const override { return m_device; }
    bool waitForInput(double seconds) override;
    Status setBaudRate(int baud) override;

    // The operating system's file descriptor of the open port, or -1.
    int handle() const;

private:
    // Moves bytes that the system holds into the port's own buffer.
    void pump();
    Error brokenError() const;
    // The parts that ask the operating system itself, one file per system:
    // why the device could not be opened, in words a person can act on;
    Error openError(QSerialPort::SerialPortError error, const QString& text) const;
    // The name Qt is given for the device the person named.
    static std::string systemPortName(const std::string& device);
    // whether the system holds received bytes (or news of a hang-up) worth asking Qt for;
    bool systemHasInput();
    // how many written bytes the system still holds, not yet on the line.
    int heldBySystem();

    std::string m_device;
    QSerialPort m_port;
    bool m_broken = false;
    int m_baud = 9600;
};
#endif

// The real serial device of that name: its ports are QtSerialPorts.
SerialDevice qtSerialDevice(const std::string& device);

// The device that stands for "serial port number 1" when the user names none:
// the first USB serial adapter present, else the platform's first serial port.
std::string defaultSerialDevice();

} // namespace ft817
