#pragma once
// The radio's side of CAT on a FakeSerialPort: it gathers five-byte commands
// and answers the reads (frequency and mode, receive status, EEPROM) after
// answerDelay, at the rate it is set to; at any other rate it hears garbage
// and says nothing. Every command it heard is kept for the test to check.

#include "cat_protocol/cat_frames.h"
#include "image/frequency_range.h"
#include "support/fake_serial_port.h"

#include <array>
#include <vector>

namespace ft817::test {

class FakeCatRadio {
public:
    using Command = std::array<std::uint8_t, 5>;

    explicit FakeCatRadio(FakeSerialPort& port) : m_port(port), m_eeprom(8192)
    {
        for (std::size_t i = 0; i < m_eeprom.size(); ++i)
            m_eeprom[i] = static_cast<std::uint8_t>(i * 7 + 3);
        m_port.onWrite([this](std::uint8_t byte, double leaves) { take(byte, leaves); });
    }

    int rate = 9600;
    double answerDelay = 0.01;
    int silentAfterReads = -1; // answers this many reads, then none
    int lateRead = -1;         // this read (counted from 0 among those answered) is answered late ...
    double lateDelay = 0.0;    // ... this long after its command
    int garbledRead = -1;      // this read's answer comes with its last byte changed
    std::array<std::uint8_t, 5> vfo{0x14, 0x56, 0x12, 0x50, 0x08}; // 145.6125 MHz FM

    std::vector<std::uint8_t>& eeprom() { return m_eeprom; }
    const std::vector<Command>& commands() const { return m_commands; }
    int readsAnswered() const { return m_answered; }

private:
    void take(std::uint8_t byte, double leaves)
    {
        if (m_port.baudRate() != rate) {
            m_partial.clear();
            return;
        }
        m_partial.push_back(byte);
        if (m_partial.size() < 5)
            return;
        Command command{};
        std::copy(m_partial.begin(), m_partial.end(), command.begin());
        m_partial.clear();
        m_commands.push_back(command);
        ByteList answer;
        if (command[4] == 0x03)
            answer.assign(vfo.begin(), vfo.end());
        else if (command[4] == 0xE7)
            answer = {0x00};
        else if (command[4] == 0xBB) {
            const std::size_t address = static_cast<std::size_t>(command[0] << 8 | command[1]);
            answer = {m_eeprom[address % 8192], m_eeprom[(address + 1) % 8192]};
        } else if (command[4] == 0x01) {
            // A frequency the radio cannot tune leaves its VFO where it was.
            const auto frequency = catFrequencyFromBcd(std::span<const std::uint8_t, 4>(command.data(), 4));
            if (frequency && checkTuned(*frequency))
                std::copy(command.begin(), command.begin() + 4, vfo.begin());
        } else if (command[4] == 0x07) {
            vfo[4] = command[0];
        }
        if (answer.empty())
            return;
        if (silentAfterReads >= 0 && m_answered >= silentAfterReads)
            return;
        if (m_answered == garbledRead)
            answer.back() ^= 0x5A;
        m_port.arrive(leaves + (m_answered == lateRead ? lateDelay : answerDelay), answer);
        ++m_answered;
    }

    FakeSerialPort& m_port;
    std::vector<std::uint8_t> m_eeprom;
    ByteList m_partial;
    std::vector<Command> m_commands;
    int m_answered = 0;
};

} // namespace ft817::test
