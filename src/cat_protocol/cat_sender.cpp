#include "cat_protocol/cat_sender.h"

#include "cat_protocol/cat_frames.h"
#include "text/text_format.h"

#include <charconv>
#include <string>

namespace ft817 {
namespace {

constexpr double kPollInterval = 0.001;

// Closes the port when the command ends, on every path.
class PortCloser {
public:
    explicit PortCloser(SerialPort& port) : m_port(port) {}
    ~PortCloser() { m_port.close(); }
    PortCloser(const PortCloser&) = delete;
    PortCloser& operator=(const PortCloser&) = delete;

private:
    SerialPort& m_port;
};

} // namespace

Status writeGuardedCatCommand(SerialPort& port, const CatCommand& command)
{
    if (!isAllowedCatOpcode(command[4]))
        return Error{"refused to send CAT opcode 0x" + hexByte(command[4]),
                     "This tool sends only reads and the frequency, mode, shift and tone "
                     "settings; it never writes the radio's EEPROM."};
    for (const std::uint8_t& byte : command) {
        const Status written = port.write(std::span<const std::uint8_t>(&byte, 1));
        if (!written)
            return written;
    }
    return {};
}

Status writeGuardedSyncByte(SerialPort& port, std::uint8_t byte)
{
    if (!isReadOpcode(byte))
        return Error{"refused to send 0x" + hexByte(byte) + " to bring the radio's commands into step",
                     "Only a read opcode can be sent on its own: whatever place of a command it lands "
                     "in, it completes nothing but a read."};
    return port.write(std::span<const std::uint8_t>(&byte, 1));
}

Status sendCatCommand(SerialPort& port, Clock& clock, const CatCommand& command, double drainLimitSeconds)
{
    if (!isAllowedCatOpcode(command[4]))
        return writeGuardedCatCommand(port, command);
    if (Status ready = setUpPort(port); !ready)
        return ready;
    const PortCloser closer(port);

    if (Status written = writeGuardedCatCommand(port, command); !written)
        return written;

    const double start = clock.now();
    for (;;) {
        const Result<int> queued = port.outputCount();
        if (!queued)
            return queued.error();
        if (*queued <= 0)
            return {};
        if (clock.now() - start >= drainLimitSeconds) {
            // Written with a decimal point whatever the user's locale.
            char limit[32];
            const auto written =
                std::to_chars(limit, limit + sizeof limit, drainLimitSeconds, std::chars_format::general, 6);
            return Error{"the command did not leave " + port.deviceName() + " within " +
                             std::string(limit, written.ptr) + " s",
                         "The port holds bytes it cannot send; check the cable and the radio, "
                         "then type again."};
        }
        clock.sleep(kPollInterval);
    }
}

} // namespace ft817
