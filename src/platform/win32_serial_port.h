#pragma once
// The real serial port on Windows, on the system's own calls: a COM port
// opened for plain (not overlapped) reading and writing, with the radio's
// fixed line settings (9600 baud, 8 data bits, no parity, 2 stop bits, no
// flow control; DTR and RTS on, as the radio's interface cables want).
// Nothing waits for a change of the line's state: a wait for input is a
// one-byte read with a time limit, so it ends with the first byte to arrive.

#include "platform/serial_port.h"

#include <cstdint>
#include <deque>
#include <string>

namespace ft817 {

class Win32SerialPort : public SerialPort {
public:
    // device: "COM5" or "\\.\COM5".
    explicit Win32SerialPort(std::string device);
    ~Win32SerialPort() override;
    Win32SerialPort(const Win32SerialPort&) = delete;
    Win32SerialPort& operator=(const Win32SerialPort&) = delete;

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

    // The path the system opens for a port name: "\\.\COM5" for "COM5".
    static std::string systemPath(const std::string& device);

private:
    // How ReadFile waits: not at all, or up to the given milliseconds for one byte.
    bool setReadWait(unsigned long milliseconds);
    // Reads what the system holds (at most one byte when waiting) into m_input.
    void take(bool wait);
    Status applyLineSettings();
    Error brokenError() const;
    void noteFailure();

    std::string m_device;
    void* m_handle = nullptr;
    std::deque<std::uint8_t> m_input;
    bool m_broken = false;
    int m_baud = 9600;
    // The read wait last given to the system; ~0 for none yet.
    unsigned long m_readWait = ~0UL;
};

} // namespace ft817
