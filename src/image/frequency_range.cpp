#include "image/frequency_range.h"

#include "text/text_format.h"

#include <algorithm>
#include <string>

namespace ft817 {

bool radioTunes(std::uint32_t frequency)
{
    for (const FrequencyRange& range : kTunedRanges)
        if (frequency >= range.lowest && frequency <= range.highest)
            return true;
    return false;
}

namespace {

struct BandCodeRange {
    int code = 0;
    std::uint32_t lowest = 0;  // included
    std::uint32_t highest = 0; // included
};

// 10 Hz units; the first range that holds a frequency gives its code.
constexpr BandCodeRange kBandCodeRanges[] = {
    {0, 0, 3'299'999},           // below 33 MHz
    {1, 3'300'000, 5'600'000},   // 33 - 56 MHz
    {2, 7'600'000, 10'800'000},  // 76 - 108 MHz
    {3, 10'800'000, 13'699'999}, // 108 - 137 MHz (108 itself also 2)
    {4, 13'700'000, 15'400'000}, // 137 - 154 MHz
    {5, 42'000'000, 47'000'000}, // 420 - 470 MHz
};

} // namespace

std::optional<int> bandCodeOf(std::uint32_t frequency)
{
    for (const BandCodeRange& range : kBandCodeRanges)
        if (frequency >= range.lowest && frequency <= range.highest)
            return range.code;
    return std::nullopt;
}

bool bandCodeFits(int code, std::uint32_t frequency)
{
    bool inAny = false;
    for (const BandCodeRange& range : kBandCodeRanges) {
        if (frequency < range.lowest || frequency > range.highest)
            continue;
        if (range.code == code)
            return true;
        inAny = true;
    }
    return !inAny;
}

FrequencyRange bandCodeRange(int code)
{
    for (const BandCodeRange& range : kBandCodeRanges)
        if (range.code == code)
            return {std::max(range.lowest, kTunedRanges[0].lowest), range.highest};
    return {};
}

std::string rangeText(const FrequencyRange& range)
{
    const auto shortText = [](std::uint32_t frequency) {
        std::string text = megahertzText(frequency);
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
        return text;
    };
    // The highest frequency of a band below the next one's start reads as that start: 32.99999 as 33.
    const std::uint32_t highest = range.highest % 100'000 == 99'999 ? range.highest + 1 : range.highest;
    return shortText(range.lowest) + "-" + shortText(highest) + " MHz";
}

std::string_view bandCodeName(int code)
{
    static constexpr std::string_view kNames[] = {"HF",  "50 MHz",  "FM broadcast",
                                                  "AIR", "144 MHz", "430 MHz"};
    return code >= 0 && code < kBandCodeCount ? kNames[code] : "unknown";
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
