#pragma once
// Turning what the person types into the CAT window into one five-byte CAT
// command for the radio in normal operation. Plain C++, no window, no port.
//
// The text is a frequency in the radio's unit of 10 Hz, right-aligned:
// "43970000" is 439.700 MHz. Characters pair up from the end of the text into
// the four parameter bytes 3, 2, 1 and 0; a pair of digits becomes one packed
// BCD byte, the earlier digit in the high nibble. The command sent is the four
// parameter bytes followed by the "set frequency" opcode.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ft817 {

// The five bytes of one CAT command, place 0 sent first.
using CatCommand = std::array<std::uint8_t, 5>;

// The radio's "set frequency" opcode, sent in place 4.
inline constexpr std::uint8_t kCatSetFrequency = 0x01;

// Fewest and most characters that make a command.
inline constexpr int kCatMinimumLength = 5;
inline constexpr int kCatMaximumLength = 8;

// What a text in the CAT window gives: a command to send, or nothing.
struct CatCommandBuild {
    // The command to send; empty when the text sends nothing.
    std::optional<CatCommand> command;
    // Why nothing is sent, for the person; empty when a command is sent and
    // also while the text is still too short (the person is still typing).
    std::string reason;
    // What the command does, for the person ("set frequency 439.70000 MHz").
    std::string meaning;
};

// Builds the command for the text (UTF-8) that the CAT window holds.
CatCommandBuild buildCatCommand(std::string_view text);

// The command's bytes in hexadecimal, place 0 first: "43 97 00 00 01".
std::string catCommandHex(const CatCommand& command);

} // namespace ft817
