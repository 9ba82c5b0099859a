#pragma once
// The simulated radio's side of CAT in normal operation: it answers the reads
// the tool may send (frequency and mode, receive status, the EEPROM two bytes
// at a time) from its VFO and its EEPROM, follows the set commands on its
// VFO, and never changes its EEPROM. A command at a rate other than its CAT
// rate is garbage to it; an opcode the tool must never send is a fault.

#include "platform/file_access.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ft817::sim {

// The radio's EEPROM holds 8192 bytes.
inline constexpr std::size_t kEepromSize = 8192;
// Where the clone memory starts in the EEPROM: block 0 is EEPROM 0x0004-0x0005,
// block 1 starts at 0x0055 and the later blocks follow it.
inline constexpr std::size_t kEepromVersionAddress = 0x0004;
inline constexpr std::size_t kEepromCloneAddress = 0x0055;

// What is at the far end of the line in normal operation.
enum class CatLine {
    Radio, // the radio, taking five-byte commands
    Echo,  // no radio: the line gives back every byte the tool sends (TX tied to RX)
    Noise, // no radio: every byte the tool sends is answered with a byte of noise
};

struct CatOptions {
    Bytes eeprom;                            // 8192 bytes; empty: built from the clone memory
    std::uint32_t vfoFrequency = 14'500'000; // 10 Hz units
    std::uint8_t vfoMode = 0x08;             // FM
    int rate = 9600;                         // the radio's CAT RATE
    int silentAfterReads = -1;               // fault: answers this many reads, then none
    double answerDelay = 0.005;              // seconds from a command's last byte to its answer
    CatLine line = CatLine::Radio;           // fault: an echoing or noisy line instead of the radio
};

// A plausible EEPROM for the clone memory (blocks back to back with their number
// and checksum bytes): soft calibration below 0x0055, the clone payloads in place.
Bytes builtInEeprom(const Bytes& image, const std::vector<int>& blockLengths);

class CatResponder {
public:
    using Command = std::array<std::uint8_t, 5>;
    struct Reply {
        bool heard = false; // false: garbage at a wrong rate
        bool fault = false; // an opcode outside the tool's allowlist
        Bytes answer;       // empty for set commands and once silent
        std::string log;    // empty, or what went wrong, one line
    };

    CatResponder(CatOptions options, Bytes eeprom);

    // What the radio does with a whole command that came at lineBaud.
    Reply take(const Command& command, int lineBaud);

    const Bytes& eeprom() const { return m_eeprom; }
    std::uint32_t vfoFrequency() const { return m_frequency; }
    std::uint8_t vfoMode() const { return m_mode; }
    double answerDelay() const { return m_options.answerDelay; }

private:
    Bytes answerFor(const Command& command);

    CatOptions m_options;
    Bytes m_eeprom;
    std::uint32_t m_frequency;
    std::uint8_t m_mode;
    int m_readsAnswered = 0;
};

// The input rate the tool has set on the line (its termios), or 0.
int lineBaudRate(int masterFd);

} // namespace ft817::sim
