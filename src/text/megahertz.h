#pragma once
// Frequencies as people read and write them: MHz text to and from the radio's
// 10 Hz units. Every box, cell, file column and command-line option that
// carries a frequency in MHz reads and writes it here. Plain C++.

#include "platform/result.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ft817 {

// A stored frequency (10 Hz units) as MHz with six decimals: 14550000 -> "145.500000".
std::string formatMegahertz(std::uint32_t value);

// What digits finer than 10 Hz make of MHz text: a refusal, or the nearest 10 Hz.
enum class FinerDigits { Refused, Rounded };

// MHz text ("145.5", "0.600000") in the radio's 10 Hz units; refuses text that
// is not a plain non-negative decimal number, finer than 10 Hz (unless finer
// digits are rounded, a half upwards), or above 42949.67295 MHz (the most four bytes hold).
Result<std::uint32_t> parseMegahertz(std::string_view text, FinerDigits finer = FinerDigits::Refused);

// MHz as a person types it into a cell or box ("145.6125", or "145.612500"
// as export writes it): read as parseMegahertz reads it, and digits other
// than zeros past the fifth decimal refused as finer than a channel holds.
Result<std::uint32_t> typedMegahertz(std::string_view typed);

} // namespace ft817
