#pragma once
// The one serial link to the radio. Every user performs the same set-up:
// open(); setTextInputOneByte(); clearInput(); and closes the port when done.
//
// Timing: no operation waits for the radio. write() queues bytes and returns;
// outputCount() tells how many have not yet left; inputCount() and readByte()
// look at what has already arrived. A port that fails while open (a cable
// pulled out) reports it through the Result of inputCount(), outputCount()
// or write(), with a message a person can act on.

#include "platform/result.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace ft817 {

class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens the port with the fixed line settings (9600 baud, 8 data bits,
    // no parity, 2 stop bits, no flow control).
    virtual Status open() = 0;
    // Closes the port; harmless when it is not open.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Received bytes are delivered unchanged, one byte per read.
    virtual void setTextInputOneByte() = 0;
    // Discards every byte received and not yet read.
    virtual void clearInput() = 0;
    // Number of received bytes not yet read; consumes nothing.
    virtual Result<int> inputCount() = 0;
    // The next received byte, or nothing when none is waiting.
    virtual std::optional<std::uint8_t> readByte() = 0;
    // Queues the bytes for sending in order and returns without waiting.
    virtual Status write(std::span<const std::uint8_t> bytes) = 0;
    // Number of queued bytes not yet sent; sends nothing and does not wait.
    virtual Result<int> outputCount() = 0;
    // The device this port stands for, as shown to the user.
    virtual std::string deviceName() const = 0;
    // Waits until a received byte is waiting, or about the given seconds have
    // passed, whichever comes first; returns at once when a byte is already
    // waiting or the port has failed. False, without waiting, from a port that
    // cannot wait on its input: the caller then sleeps instead.
    virtual bool waitForInput(double /*seconds*/) { return false; }
    // The line's speed for CAT (the radio's menu item CAT RATE), used from the
    // next open() on and at once when open. Clone mode always runs at 9600.
    virtual Status setBaudRate(int baud)
    {
        if (baud == 9600)
            return {};
        return Error{"cannot set " + deviceName() + " to " + std::to_string(baud) + " baud", {}};
    }
};

// A serial device by name, and the way to make a port for it. A port object
// belongs to the thread that made it, so each user makes its own port on the
// thread that will use it (a transfer makes its port on its worker thread).
struct SerialDevice {
    // The device as shown to the user ("/dev/ttyUSB0").
    std::string name;
    std::function<std::unique_ptr<SerialPort>()> makePort;
};

// The set-up every user of the port performs, in this order: open; text
// input, one byte per read; clear input. Nothing more happens when open fails.
inline Status setUpPort(SerialPort& port)
{
    if (Status opened = port.open(); !opened)
        return opened;
    port.setTextInputOneByte();
    port.clearInput();
    return {};
}

} // namespace ft817
