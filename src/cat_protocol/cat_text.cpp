#include "cat_protocol/cat_text.h"

namespace ft817 {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Characters, not bytes: a UTF-8 continuation byte does not start one.
int characterCount(std::string_view text)
{
    int count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

// "43970000" (10 Hz units) as "439.70000 MHz".
std::string frequencyText(std::string_view digits)
{
    std::string padded(6 > digits.size() ? 6 - digits.size() : 0, '0');
    padded += digits;
    const std::string whole = padded.substr(0, padded.size() - 5);
    const std::size_t firstNonZero = whole.find_first_not_of('0');
    const std::string wholeShown = firstNonZero == std::string::npos ? "0" : whole.substr(firstNonZero);
    return wholeShown + "." + padded.substr(padded.size() - 5) + " MHz";
}

} // namespace

CatTextReading readCatText(std::string_view text)
{
    CatTextReading build;
    const int length = characterCount(text);
    if (length < kCatTextMinimumLength)
        return build;
    for (const char c : text) {
        if (!isDigit(c)) {
            build.reason = "Not sent: type digits only, the frequency in 10 Hz steps "
                           "(43970000 is 439.700 MHz).";
            return build;
        }
    }
    if (length > kCatTextMaximumLength) {
        build.reason = "Not sent: at most 8 digits, the frequency in 10 Hz steps "
                       "(43970000 is 439.700 MHz).";
        return build;
    }

    CatCommand command{};
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size; ++i) {
        const auto digit = static_cast<std::uint8_t>(text[size - 1 - i] - '0');
        const std::size_t place = 3 - i / 2;
        // The later character of a pair is the low nibble, the earlier the high one.
        command[place] |= static_cast<std::uint8_t>(i % 2 == 0 ? digit : digit << 4);
    }
    command[4] = static_cast<std::uint8_t>(CatOpcode::SetFrequency);
    build.command = command;
    build.meaning = "set frequency " + frequencyText(text);
    return build;
}

} // namespace ft817
