#include "sim/cat_responder.h"

#include "cat_protocol/cat_frames.h"
#include "image/frequency_range.h"
#include "text/text_format.h"

#include <algorithm>
#include <termios.h>

namespace ft817::sim {
namespace {

std::uint32_t bcdValue(const CatResponder::Command& c)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = value * 100 + static_cast<std::uint32_t>((c[i] >> 4) * 10 + (c[i] & 0x0F));
    return value;
}

std::uint8_t bcdPair(std::uint32_t value)
{
    return static_cast<std::uint8_t>(((value / 10) % 10) << 4 | (value % 10));
}

} // namespace

Bytes builtInEeprom(const Bytes& image, const std::vector<int>& blockLengths)
{
    Bytes eeprom(kEepromSize, 0xFF);
    // Soft calibration and settings below the clone memory: mid-scale values
    // that differ from address to address, as a calibrated radio holds them.
    for (std::size_t address = 0; address < kEepromCloneAddress; ++address)
        eeprom[address] = static_cast<std::uint8_t>(0x40 + (address * 37) % 0x80);
    std::size_t start = 0;
    std::size_t place = kEepromCloneAddress;
    for (std::size_t k = 0; k < blockLengths.size(); ++k) {
        const auto length = static_cast<std::size_t>(blockLengths[k]);
        if (start + length > image.size() || length < 2)
            break;
        const auto payload = image.begin() + static_cast<long>(start) + 1;
        const std::size_t payloadLength = length - 2;
        if (k == 0) {
            std::copy_n(payload, std::min<std::size_t>(payloadLength, 2),
                        eeprom.begin() + kEepromVersionAddress);
        } else if (place + payloadLength <= kEepromSize) {
            std::copy_n(payload, payloadLength, eeprom.begin() + static_cast<long>(place));
            place += payloadLength;
        }
        start += length;
    }
    return eeprom;
}

CatResponder::CatResponder(CatOptions options, Bytes eeprom)
    : m_options(std::move(options)), m_eeprom(std::move(eeprom)), m_frequency(m_options.vfoFrequency),
      m_mode(m_options.vfoMode)
{
    m_eeprom.resize(kEepromSize, 0xFF);
}

Bytes CatResponder::answerFor(const Command& c)
{
    switch (c[4]) {
    case 0x03:
        return {bcdPair(m_frequency / 1'000'000), bcdPair(m_frequency / 10'000), bcdPair(m_frequency / 100),
                bcdPair(m_frequency), m_mode};
    case 0xE7:
        return {0x09}; // squelch open, S9
    case 0xBB: {
        const std::size_t address = static_cast<std::size_t>(c[0] << 8 | c[1]) % kEepromSize;
        return {m_eeprom[address], m_eeprom[(address + 1) % kEepromSize]};
    }
    case 0x01:
        // A frequency the radio cannot tune leaves its VFO where it was.
        if (checkTuned(bcdValue(c)))
            m_frequency = bcdValue(c);
        return {};
    case 0x07:
        m_mode = c[0];
        return {};
    default:
        return {};
    }
}

CatResponder::Reply CatResponder::take(const Command& command, int lineBaud)
{
    Reply reply;
    const std::string hex = hexBytes(command, " ");
    if (lineBaud != m_options.rate) {
        reply.log = "garbled: a command at " + std::to_string(lineBaud) + " baud, the radio's CAT RATE is " +
                    std::to_string(m_options.rate);
        return reply;
    }
    reply.heard = true;
    if (!isAllowedCatOpcode(command[4])) {
        reply.fault = true;
        reply.log = "FAULT: " + hex + ": opcode 0x" + hexByte(command[4]) +
                    " is outside the tool's allowlist (nothing done)";
        return reply;
    }
    const bool read = catAnswerLength(command) > 0;
    Bytes answer = answerFor(command);
    if (read) {
        if (m_options.silentAfterReads >= 0 && m_readsAnswered >= m_options.silentAfterReads) {
            reply.log = "silent: no answer to " + hex;
            return reply;
        }
        ++m_readsAnswered;
        reply.answer = std::move(answer);
    }
    return reply;
}

int lineBaudRate(int masterFd)
{
    termios settings{};
    if (masterFd < 0 || ::tcgetattr(masterFd, &settings) != 0)
        return 0;
    switch (cfgetispeed(&settings)) {
    case B1200:
        return 1200;
    case B2400:
        return 2400;
    case B4800:
        return 4800;
    case B9600:
        return 9600;
    case B19200:
        return 19200;
    case B38400:
        return 38400;
    case B57600:
        return 57600;
    case B115200:
        return 115200;
    default:
        return 0;
    }
}

} // namespace ft817::sim
