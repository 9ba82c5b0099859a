#include "image/tone_tables.h"

#include "text/text_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace ft817 {

const std::array<int, kCtcssToneCount> kCtcssTenthsOfHertz = {
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000, 1035, 1072, 1109, 1148,
    1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567, 1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799,
    1835, 1862, 1899, 1928, 1966, 1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541,
};

const std::array<int, kDcsCodeCount> kDcsCodes = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115, 116, 122, 125,
    131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223, 225, 226, 243, 244, 245, 246,
    251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365,
    371, 411, 412, 413, 423, 431, 432, 445, 446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526,
    532, 546, 565, 606, 612, 624, 627, 631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754,
};

std::optional<int> ctcssTenthsOfHertz(int number)
{
    if (number < 0 || number >= kCtcssToneCount)
        return std::nullopt;
    return kCtcssTenthsOfHertz[static_cast<std::size_t>(number)];
}

std::optional<double> ctcssHertz(int number)
{
    const auto tenths = ctcssTenthsOfHertz(number);
    if (!tenths)
        return std::nullopt;
    return *tenths / 10.0;
}

std::optional<int> ctcssNumberForTenths(int tenths)
{
    const auto found = std::find(kCtcssTenthsOfHertz.begin(), kCtcssTenthsOfHertz.end(), tenths);
    if (found == kCtcssTenthsOfHertz.end())
        return std::nullopt;
    return static_cast<int>(found - kCtcssTenthsOfHertz.begin());
}

std::optional<int> ctcssNumberForHertz(double hertz)
{
    // The table ends at 254.1 Hz; anything far outside cannot match and must
    // not reach the rounding below.
    if (!std::isfinite(hertz) || hertz < 0.0 || hertz > 1000.0)
        return std::nullopt;
    return ctcssNumberForTenths(static_cast<int>(std::lround(hertz * 10.0)));
}

std::optional<int> dcsCode(int number)
{
    if (number < 0 || number >= kDcsCodeCount)
        return std::nullopt;
    return kDcsCodes[static_cast<std::size_t>(number)];
}

std::optional<int> dcsNumberForCode(int code)
{
    const auto found = std::find(kDcsCodes.begin(), kDcsCodes.end(), code);
    if (found == kDcsCodes.end())
        return std::nullopt;
    return static_cast<int>(found - kDcsCodes.begin());
}

std::string ctcssHertzText(int number)
{
    const auto tenths = ctcssTenthsOfHertz(number);
    if (!tenths)
        return {};
    return std::to_string(*tenths / 10) + "." + std::to_string(*tenths % 10);
}

std::string dcsCodeText(int number)
{
    const auto code = dcsCode(number);
    if (!code)
        return {};
    char text[8];
    std::snprintf(text, sizeof text, "%03d", *code);
    return text;
}

std::string ctcssText(int number)
{
    const std::string hertz = ctcssHertzText(number);
    return hertz.empty() ? std::string("not in the radio's table") : hertz + " Hz";
}

std::string dcsText(int number)
{
    const std::string code = dcsCodeText(number);
    return code.empty() ? std::string("not in the radio's table") : "DCS " + code;
}

std::optional<int> parseCtcssHertz(std::string_view text)
{
    text = trimmed(text);
    if (text.empty() || text.front() == '+' || text.front() == '-')
        return std::nullopt;
    double hertz = 0.0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), hertz, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return ctcssNumberForHertz(hertz);
}

std::optional<int> parseDcsCode(std::string_view text)
{
    text = trimmed(text);
    if (text.empty() || text.size() > 3)
        return std::nullopt;
    int code = 0;
    for (const char c : text) {
        // Codes are octal digits: 8 and 9 never appear in one.
        if (c < '0' || c > '7')
            return std::nullopt;
        code = code * 10 + (c - '0');
    }
    return dcsNumberForCode(code);
}

} // namespace ft817
