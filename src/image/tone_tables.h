#pragma once
// The radio's tone tables. A channel record stores a CTCSS tone as its
// position 0..49 in the radio's table of 50 tones and a DCS code as its
// position 0..103 in the table of 104 codes; these tables turn positions into
// what people recognise (88.5 Hz, DCS 023) and back.
//
// DCS codes are written as three octal digits; here a code is held as the
// number those digits spell in decimal (code 023 is 23, code 754 is 754).

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ft817 {

inline constexpr int kCtcssToneCount = 50;
inline constexpr int kDcsCodeCount = 104;

// The 50 CTCSS tones in tenths of a hertz (885 = 88.5 Hz), by tone number.
extern const std::array<int, kCtcssToneCount> kCtcssTenthsOfHertz;
// The 104 DCS codes (23 = code 023), by code number.
extern const std::array<int, kDcsCodeCount> kDcsCodes;

// Tone number 0..49 to its frequency in tenths of a hertz; nothing outside the table.
std::optional<int> ctcssTenthsOfHertz(int number);
// Tone number 0..49 to its frequency in hertz (8 -> 88.5); nothing outside the table.
std::optional<double> ctcssHertz(int number);
// The tone number whose frequency equals hertz after rounding to 0.1 Hz; nothing when no tone matches.
std::optional<int> ctcssNumberForHertz(double hertz);
// The tone number of a frequency in tenths of a hertz (885 -> 8); nothing when no tone matches.
std::optional<int> ctcssNumberForTenths(int tenths);

// Code number 0..103 to its DCS code (0 -> 23, meaning 023); nothing outside the table.
std::optional<int> dcsCode(int number);
// The code number of a DCS code (23 -> 0); nothing when the radio lacks the code.
std::optional<int> dcsNumberForCode(int code);

// Tone number as hertz text with one decimal ("88.5"); empty outside the table.
std::string ctcssHertzText(int number);
// Code number as three digits ("023"); empty outside the table.
std::string dcsCodeText(int number);
// Tooltip text for a tone number: "88.5 Hz", or "not in the radio's table".
std::string ctcssText(int number);
// Tooltip text for a code number: "DCS 023", or "not in the radio's table".
std::string dcsText(int number);

// Reads a tone written in hertz ("88.5", " 100 ", "67.00") and finds its tone
// number; nothing for text that is not a number or a tone the radio lacks.
std::optional<int> parseCtcssHertz(std::string_view text);
// Reads a DCS code written as digits ("023", "23", "754") and finds its code
// number; nothing for text that is not a code the radio has.
std::optional<int> parseDcsCode(std::string_view text);

} // namespace ft817
