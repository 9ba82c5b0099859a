#include "editor/number_reading.h"

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

}  // namespace

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

std::int32_t hexToValue(std::string_view text)
{
    const auto n = text.size();
    std::uint64_t value = 0;
    std::int64_t digit = 0;
    for (std::size_t i = 1; i <= n; ++i) {
        const auto c = static_cast<unsigned char>(text[i - 1]);
        if (isDigit(static_cast<char>(c)))
            digit = c - '0';
        else if (c == ' ')
            value = 0;
        else
            digit = static_cast<std::int64_t>(c) - 55;
        // 16^(n-i) modulo 2^64: zero once the power passes 15.
        std::uint64_t weight = n - i < 16 ? 1 : 0;
        for (std::size_t p = 0; p < n - i && p < 16; ++p)
            weight *= 16;
        value = static_cast<std::uint64_t>(digit) * weight + value;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::array<std::uint8_t, 4>> frequencyBytes(std::string_view text)
{
    const auto last8 = text.size() > 8 ? text.substr(text.size() - 8) : text;
    const TypedNumber number = readNumber(last8);
    if (number.isNegative())
        return std::nullopt;
    // At most 8 characters reach the reading, so the value is below 10^8 and
    // fits in 8 hexadecimal digits.
    const auto value = static_cast<std::uint64_t>(number.rounded());
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (std::uint64_t rest = value;;) {
        hex.insert(hex.begin(), kHexDigits[rest % 16]);
        rest /= 16;
        if (rest == 0)
            break;
    }
    if (hex.size() > 8)
        return std::nullopt;
    hex.insert(0, 8 - hex.size(), ' ');
    std::array<std::uint8_t, 4> bytes{};
    for (std::size_t k = 0; k < 4; ++k)
        bytes[k] = static_cast<std::uint8_t>(hexToValue(std::string_view(hex).substr(2 * k, 2)));
    return bytes;
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

}  // namespace ft817
