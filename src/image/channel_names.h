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
#include <span>
#include <string>
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

// True for the modes the radio has a narrow filter for: CW, CWR and FM.
constexpr bool hasNarrow(int mode)
{
    return mode == 2 || mode == 3 || mode == 5;
}
// A mode as the channel list names it, "-N" after a narrow one ("FM-N", "CW-N", "CWR-N").
std::string listedModeName(int mode, bool narrow);

// The three tuning steps a record keeps, one for each group of modes.
enum class StepGroup { Ssb = 0, Am = 1, Fm = 2 };
inline constexpr std::array<StepGroup, 3> kStepGroups = {StepGroup::Ssb, StepGroup::Am, StepGroup::Fm};
// The group a mode 0..7 tunes in: AM, FM, or SSB for LSB, USB, CW, CWR, DIG and PKT.
constexpr StepGroup stepGroupOf(int mode)
{
    return (mode & 7) == 4 ? StepGroup::Am : (mode & 7) == 5 ? StepGroup::Fm : StepGroup::Ssb;
}
// The group's name: "SSB/CW/DIG/PKT", "AM", "FM"; its key in show's JSON: "ssb", "am", "fm".
std::string_view stepGroupName(StepGroup group);
std::string_view stepGroupKey(StepGroup group);
// The group's steps in Hz, by the position the record stores.
std::span<const int> tuningStepsHertz(StepGroup group);
// A step position of a group as kHz with two decimals ("12.50"); empty for
// a position the radio does not define.
std::string tuningStepText(StepGroup group, int position);
// The position of a step given in kHz ("5", "6.25", "12.50") in a group;
// none when the text is no step of that group.
std::optional<int> tuningStepNamed(StepGroup group, std::string_view kilohertz);

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
