#pragma once
// Reading what the person types into the CAT window (or gives the cat
// command) as one five-byte CAT command for the radio in normal operation.
// Plain C++, no window, no port.
//
// The text is a frequency in the radio's unit of 10 Hz, right-aligned:
// "43970000" is 439.700 MHz. Characters pair up from the end of the text into
// the four parameter bytes 3, 2, 1 and 0; a pair of digits becomes one packed
// BCD byte, the earlier digit in the high nibble. The command sent is the four
// parameter bytes followed by the "set frequency" opcode.

#include "cat_protocol/cat_frames.h"

#include <optional>
#include <string>
#include <string_view>

namespace ft817 {

// Fewest and most characters that make a command.
inline constexpr int kCatTextMinimumLength = 5;
inline constexpr int kCatTextMaximumLength = 8;

// What a typed text gives: a command to send, or nothing.
struct CatTextReading {
    // The command to send; empty when the text sends nothing.
    std::optional<CatCommand> command;
    // Why nothing is sent, for the person; empty when a command is sent and
    // also while the text is still too short (the person is still typing).
    std::string reason;
    // What the command does, for the person ("set frequency 439.70000 MHz").
    std::string meaning;
};

// Reads the typed text (UTF-8) as the command it sends.
CatTextReading readCatText(std::string_view text);

} // namespace ft817
