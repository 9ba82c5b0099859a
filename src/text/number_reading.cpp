#include "text/number_reading.h"

namespace ft817 {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

bool TypedNumber::isGreaterThan(std::int64_t limit) const
{
    if (isNegative()) {
        if (limit >= 0)
            return false;
        // -w.f > limit exactly when w.f < |limit|, and with a whole |limit| that is w < |limit|.
        const std::uint64_t magnitude = 0 - static_cast<std::uint64_t>(limit);
        return whole < magnitude;
    }
    if (limit < 0)
        return true;
    const auto bound = static_cast<std::uint64_t>(limit);
    return whole > bound || (whole == bound && !fraction.empty());
}

std::int64_t TypedNumber::rounded() const
{
    std::uint64_t magnitude = whole;
    if (!fraction.empty()) {
        const char first = fraction.front();
        const bool rest = fraction.size() > 1; // trailing zeros are dropped, so any rest is non-zero
        const bool up = first > '5' || (first == '5' && (rest || magnitude % 2 == 1));
        if (up)
            ++magnitude;
    }
    const auto value = static_cast<std::int64_t>(magnitude);
    return minus ? -value : value;
}

TypedNumber readNumber(std::string_view text)
{
    TypedNumber number;
    bool signSeen = false;
    bool pointSeen = false;
    for (const char c : text) {
        if (isBlank(c))
            continue;
        if (!signSeen && !number.hasDigits && !pointSeen && (c == '-' || c == '+')) {
            signSeen = true;
            number.minus = c == '-';
            continue;
        }
        if (isDigit(c)) {
            number.hasDigits = true;
            const auto d = static_cast<std::uint64_t>(c - '0');
            if (pointSeen)
                number.fraction.push_back(c);
            else if (number.whole > (TypedNumber::kMaxWhole - d) / 10)
                number.whole = TypedNumber::kMaxWhole;
            else
                number.whole = number.whole * 10 + d;
            continue;
        }
        if (c == '.' && !pointSeen) {
            pointSeen = true;
            continue;
        }
        break;
    }
    while (!number.fraction.empty() && number.fraction.back() == '0')
        number.fraction.pop_back();
    return number;
}

std::int64_t readWholeNumber(std::string_view text)
{
    return readNumber(text).rounded();
}

std::optional<std::uint32_t> typedFrequency(std::string_view text)
{
    const auto last8 = text.size() > 8 ? text.substr(text.size() - 8) : text;
    const TypedNumber number = readNumber(last8);
    if (number.isNegative())
        return std::nullopt;
    // At most 8 characters reach the reading, so the value is at most 10^8.
    return static_cast<std::uint32_t>(number.rounded());
}

int typedChannelIndex(std::string_view text)
{
    const std::int64_t channel = readWholeNumber(text) - 1;
    if (channel <= -1)
        return 0;
    if (channel >= 200)
        return 199;
    return static_cast<int>(channel);
}

ClampedEntry clampNumberEntry(std::string_view text, int highest)
{
    ClampedEntry entry;
    std::string shown(text);
    if (readNumber(shown).isGreaterThan(highest)) {
        shown = std::to_string(highest);
        entry.newText = shown;
    }
    if (readNumber(shown).isNegative()) {
        shown = "0";
        entry.newText = shown;
    }
    entry.stored = static_cast<std::uint8_t>(readWholeNumber(shown));
    return entry;
}

std::u16string paddedTag(std::u16string_view text)
{
    std::u16string tag(text);
    if (tag.size() < 8)
        tag.append(8 - tag.size(), u' ');
    return tag;
}

std::array<std::uint8_t, 8> tagBytes(std::u16string_view text)
{
    const std::u16string tag = paddedTag(text);
    std::array<std::uint8_t, 8> bytes{};
    for (std::size_t k = 0; k < 8; ++k)
        bytes[k] = tag[k] <= 0xFF ? static_cast<std::uint8_t>(tag[k]) : std::uint8_t{'?'};
    return bytes;
}

} // namespace ft817
