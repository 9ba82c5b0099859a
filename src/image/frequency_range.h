#pragma once
// The frequencies the FT-817 family tunes: 0.1-56 MHz, 76-154 MHz and
// 420-470 MHz. A memory or a CAT command outside them is one the radio cannot
// use, so the commands that write one refuse it with this reason.

#include "platform/result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ft817 {

// A stretch of tuned frequencies, both ends included, in the radio's 10 Hz units.
struct FrequencyRange {
    std::uint32_t lowest = 0;
    std::uint32_t highest = 0;
};

inline constexpr FrequencyRange kTunedRanges[] = {
    {10'000, 5'600'000},      // 0.1 - 56 MHz
    {7'600'000, 15'400'000},  // 76 - 154 MHz
    {42'000'000, 47'000'000}, // 420 - 470 MHz
};

// True when the radio tunes this frequency (10 Hz units).
bool radioTunes(std::uint32_t frequency);

// The frequency when the radio tunes it, otherwise why not
// ("1000.00000 MHz is outside what the FT-817 tunes: 0.1-56, 76-154 and 420-470 MHz").
Status checkTuned(std::uint32_t frequency);

// The band code a record keeps beside each frequency (record byte 1 bits 2-0
// for the receive frequency, byte 5 bits 2-0 for a split channel's transmit
// frequency), as real radios fill it from the frequency:
//   0 below 33 MHz (HF), 1 33-56 MHz, 2 76-108 MHz (FM broadcast),
//   3 108-137 MHz (AIR), 4 137-154 MHz, 5 420-470 MHz.
// At exactly 108 MHz a radio stores 2 or 3 (whichever VFO band it came from).
inline constexpr int kBandCodeCount = 6;

// The band code of a frequency (10 Hz units); none outside the six bands.
std::optional<int> bandCodeOf(std::uint32_t frequency);
// True when a stored band code is one a radio stores for this frequency, or
// the frequency lies outside every band (then any code is left as it is).
bool bandCodeFits(int code, std::uint32_t frequency);
// The frequencies a band code stands for, within what the radio tunes
// (code 0, HF: 0.1-33 MHz); an empty range for 6 and 7.
FrequencyRange bandCodeRange(int code);
// A range as a person writes it: "0.1-33 MHz", "144.5-146 MHz".
std::string rangeText(const FrequencyRange& range);
// The band a code stands for: "HF", "50 MHz", "FM broadcast", "AIR", "144 MHz",
// "430 MHz"; "unknown" for 6 and 7.
std::string_view bandCodeName(int code);

} // namespace ft817
