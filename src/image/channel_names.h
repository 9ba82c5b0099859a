#pragma once
// The values of a channel's mode, shift and tone mode, and every name each
// value goes by: one table per field, indexed by the value the record stores.
//   - word: the lower-case word of show's text and JSON and of diff;
//   - listed: the channel list's cell and choice;
//   - csv: the Duplex and Tone columns of export and import.
// Modes have one name everywhere: the radio's own.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace ft817 {

enum class ToneMode { None = 0, Tone = 1, Mute = 2, Dcs = 3 };
// The radio's meaning of the two split flag bits.
enum class Shift { Simplex = 0, Minus = 1, Plus = 2, Split = 3 };

// Names of the eight modes, index = stored mode value.
inline constexpr std::array<std::string_view, 8> kModeNames = {"LSB", "USB", "CW",  "CWR",
                                                               "AM",  "FM",  "DIG", "PKT"};

// The names one shift or tone mode goes by.
struct ValueNames {
    std::string_view word;
    std::string_view listed;
    std::string_view csv;
};

// Index = static_cast<int>(Shift).
inline constexpr std::array<ValueNames, 4> kShiftNames = {{
    {"simplex", "Simplex", ""},
    {"minus", "Minus", "-"},
    {"plus", "Plus", "+"},
    {"split", "Split", "split"},
}};

// Index = static_cast<int>(ToneMode).
inline constexpr std::array<ValueNames, 4> kToneModeNames = {{
    {"none", "None", ""},
    {"tone", "Tone", "Tone"},
    {"mute", "Tone SQL", "TSQL"},
    {"dcs", "DCS", "DTCS"},
}};

// The names of a shift or tone mode.
constexpr const ValueNames& namesOf(Shift shift)
{
    return kShiftNames[static_cast<std::size_t>(shift) & 3];
}
constexpr const ValueNames& namesOf(ToneMode mode)
{
    return kToneModeNames[static_cast<std::size_t>(mode) & 3];
}
// The radio's name of a mode value 0..7.
constexpr std::string_view modeName(int mode)
{
    return kModeNames[static_cast<std::size_t>(mode) & 7];
}

// Lower-case name of a tone mode: "none", "tone", "mute", "dcs".
std::string_view toneModeName(ToneMode mode);
// Lower-case name of a shift: "simplex", "minus", "plus", "split".
std::string_view shiftName(Shift shift);

// The value whose name is the text, letters in either case; none when no
// value has that name.
std::optional<int> modeNamed(std::string_view text);
std::optional<Shift> shiftNamedInCsv(std::string_view text);
std::optional<ToneMode> toneModeNamedInCsv(std::string_view text);

} // namespace ft817
