#include "text/megahertz.h"

#include "text/text_format.h"

#include <algorithm>

namespace ft817 {
namespace {

constexpr std::uint64_t kMaxStored = 4294967295u;

Error aboveFourBytes(std::string_view number)
{
    return Error{
        quotedField(number) + " MHz is above the highest frequency a channel holds (42949.67295 MHz)", {}};
}

} // namespace

std::string formatMegahertz(std::uint32_t value)
{
    // The radio's 10 Hz steps leave the sixth decimal always 0.
    return megahertzText(value) + "0";
}

Result<std::uint32_t> parseMegahertz(std::string_view text, FinerDigits finer)
{
    const std::string_view number = trimmed(text);
    if (number.empty())
        return Error{"no frequency given", {}};
    if (number.front() == '-')
        return Error{quotedField(number) + " is negative", {}};
    std::uint64_t whole = 0;
    std::uint64_t fraction = 0; // in 10 Hz units: the first five decimals
    bool anyDigit = false;
    bool pastPoint = false;
    int decimals = 0;
    bool roundUp = false; // the first digit past 10 Hz is 5 or more
    for (const char c : number) {
        if (c == '.' && !pastPoint) {
            pastPoint = true;
            continue;
        }
        if (c < '0' || c > '9')
            return Error{quotedField(number) + " is not a frequency in MHz", {}};
        anyDigit = true;
        const int digit = c - '0';
        if (!pastPoint) {
            whole = whole * 10 + static_cast<std::uint64_t>(digit);
            if (whole > kMaxStored)
                return aboveFourBytes(number);
        } else if (decimals < 5) {
            fraction = fraction * 10 + static_cast<std::uint64_t>(digit);
            ++decimals;
        } else if (finer == FinerDigits::Rounded) {
            roundUp = roundUp || (decimals++ == 5 && digit >= 5);
        } else if (digit != 0) {
            return Error{quotedField(number) + " MHz is finer than the radio's 10 Hz steps", {}};
        }
    }
    if (!anyDigit)
        return Error{quotedField(number) + " is not a frequency in MHz", {}};
    for (; decimals < 5; ++decimals)
        fraction *= 10;
    const std::uint64_t value = whole * 100000 + fraction + (roundUp ? 1 : 0);
    if (value > kMaxStored)
        return aboveFourBytes(number);
    return static_cast<std::uint32_t>(value);
}

Result<std::uint32_t> typedMegahertz(std::string_view typed)
{
    const std::string_view text = trimmed(typed);
    const std::size_t point = text.find('.');
    // Export writes six decimals, the sixth always 0: zeros past the fifth say nothing.
    if (point != std::string_view::npos && text.size() - point - 1 > 5 &&
        std::any_of(text.begin() + static_cast<std::ptrdiff_t>(point) + 6, text.end(),
                    [](char c) { return c != '0'; }))
        return Error{"\"" + std::string(text) + "\" has more than 5 decimals; channels hold 10 Hz steps", {}};
    return parseMegahertz(text);
}

} // namespace ft817
