#include "image/frequency_range.h"

#include "text/text_format.h"

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
    return Error{megahertzText(frequency) +
                     " MHz is outside what the FT-817 tunes: 0.1-56, 76-154 and 420-470 MHz",
                 {}};
}

} // namespace ft817
