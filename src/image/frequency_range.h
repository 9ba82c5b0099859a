#pragma once
// The frequencies the FT-817 family tunes: 0.1-56 MHz, 76-154 MHz and
// 420-470 MHz. A memory or a CAT command outside them is one the radio cannot
// use, so the commands that write one refuse it with this reason.

#include "platform/result.h"

#include <cstdint>

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

} // namespace ft817
