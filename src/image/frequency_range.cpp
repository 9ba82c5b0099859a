#include "image/frequency_range.h"

#include <cstdio>
#include <string>

namespace ft817 {

bool radioTunes(std::uint32_t frequency)
{
    for (const FrequencyRange& range : kTunedRanges)
        if (frequency >= range.lowest && frequency <= range.highest)
            return true;
    return false;
}

Status checkTuned(std::uint32_t frequency)
{
    if (radioTunes(frequency))
        return {};
    char megahertz[32];
    std::snprintf(megahertz, sizeof megahertz, "%u.%05u", frequency / 100'000, frequency % 100'000);
    return Error{
        std::string(megahertz) + " MHz is outside what the FT-817 tunes: 0.1-56, 76-154 and 420-470 MHz", {}};
}

} // namespace ft817
