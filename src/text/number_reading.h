#pragma once
// How the editor reads a number that the user typed into a box, and which
// frequency a typed text stores. Plain C++, no windows involved.
//
// Reading rule (the same for every box):
// - blanks (space, tab, line breaks) are ignored wherever they stand;
// - one optional leading sign: "-" makes the number negative, "+" is accepted
//   and changes nothing;
// - then decimal digits with an optional decimal point "." and fraction, read
//   up to the first character that cannot continue the number;
// - a text without digits gives 0; an exponent ("1e5") is not read, the
//   number ends at the "e" (so "1e5" is 1);
// - where a whole number is needed, the number is rounded to the nearest
//   whole number, a half to the even neighbour (144.5 -> 144, 145.5 -> 146,
//   -2.5 -> -2). Rounding works on the decimal digits themselves, so halves
//   are exact however long the text is.
// Whole parts beyond 18 digits are held at 999999999999999999, so an absurdly
// long text still gives a number above every limit and never overflows.
// A character that is not plain ASCII never continues a number.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ft817 {

// A number as read from a text, kept as decimal digits so comparisons and
// rounding are exact.
struct TypedNumber {
    bool minus = false;      // a minus sign was read
    std::uint64_t whole = 0; // digits before the point (held at kMaxWhole)
    std::string fraction;    // digits after the point, trailing zeros dropped
    bool hasDigits = false;  // at least one digit was read

    // Largest whole part kept; longer numbers are held here.
    static constexpr std::uint64_t kMaxWhole = 999'999'999'999'999'999ULL;

    // True when the number is zero (-0 and 0.000 included).
    bool isZero() const { return whole == 0 && fraction.empty(); }
    // True when the number is below zero (-0.3 is, -0 is not).
    bool isNegative() const { return minus && !isZero(); }
    // True when the number is greater than limit (49.4 > 49, 49.0 is not).
    bool isGreaterThan(std::int64_t limit) const;
    // The nearest whole number, a half going to the even neighbour.
    std::int64_t rounded() const;
};

// Reads the number a text starts with by the reading rule above.
TypedNumber readNumber(std::string_view text);

// Reads a number and rounds it to a whole number (half to even); 0 without digits.
std::int64_t readWholeNumber(std::string_view text);

// The frequency (10 Hz units) that a frequency box's text stores: the last 8
// characters of the text are read and rounded. Returns nothing when those
// characters read as a negative number (-0.3 included): such an entry is
// refused and the stored frequency is kept.
std::optional<std::uint32_t> typedFrequency(std::string_view text);

// The channel index 0..199 that a text typed into the channel number box
// selects: the number (rounded half to even, so "2.5" is channel 2 and "3.5"
// channel 4) minus 1, then 0 for anything at or below -1 and 199 for anything
// at or above 200. So 0, negative numbers and texts without a number select
// channel 1; numbers above 200 select channel 200.
int typedChannelIndex(std::string_view text);

// The text a tone or code box shows after its clamp, and the byte it stores:
// above highest the box shows the highest value, below 0 it shows "0"; a
// number inside the range keeps the typed text (a fraction stays visible).
struct ClampedEntry {
    std::optional<std::string> newText; // set when the box's text must change
    std::uint8_t stored = 0;            // the byte read from what the box then shows
};
// Clamps a tone or code box's text to 0..highest (highest 0..255) and reads the byte to store.
ClampedEntry clampNumberEntry(std::string_view text, int highest);

// The tag text as the tag commit leaves it: padded on the right with blanks
// to 8 characters, or unchanged when it is 8 or more characters long.
std::u16string paddedTag(std::u16string_view text);
// The 8 bytes a tag stores: one per character of the first 8 (after padding);
// a character code up to 255 is stored as it is (the Latin-1 set), any other
// character as "?" (0x3F).
std::array<std::uint8_t, 8> tagBytes(std::u16string_view text);

} // namespace ft817
