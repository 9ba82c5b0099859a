#include "image/channel_names.h"

#include <algorithm>

namespace ft817 {
namespace {

bool sameLetters(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

// Index of the entry whose name is the text, by letters in either case.
template <typename Table, typename Name>
std::optional<int> indexNamed(const Table& table, Name name, std::string_view text)
{
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const auto& entry) { return sameLetters(name(entry), text); });
    if (found == table.end())
        return std::nullopt;
    return static_cast<int>(found - table.begin());
}

} // namespace

std::string listedModeName(int mode, bool narrow)
{
    return std::string(modeName(mode)) + (narrow && hasNarrow(mode) ? "-N" : "");
}

std::string_view stepGroupName(StepGroup group)
{
    static constexpr std::string_view kNames[] = {"SSB/CW/DIG/PKT", "AM", "FM"};
    return kNames[static_cast<int>(group)];
}

std::string_view stepGroupKey(StepGroup group)
{
    static constexpr std::string_view kKeys[] = {"ssb", "am", "fm"};
    return kKeys[static_cast<int>(group)];
}

std::span<const int> tuningStepsHertz(StepGroup group)
{
    static constexpr int kSsb[] = {1000, 2500, 5000};
    static constexpr int kAm[] = {2500, 5000, 9000, 10000, 12500, 25000};
    static constexpr int kFm[] = {5000, 6250, 10000, 12500, 15000, 20000, 25000, 50000};
    switch (group) {
    case StepGroup::Am:
        return kAm;
    case StepGroup::Fm:
        return kFm;
    case StepGroup::Ssb:
        break;
    }
    return kSsb;
}

std::string tuningStepText(StepGroup group, int position)
{
    const std::span<const int> steps = tuningStepsHertz(group);
    if (position < 0 || position >= static_cast<int>(steps.size()))
        return {};
    const int tensOfHertz = steps[static_cast<std::size_t>(position)] / 10;
    const std::string hundredths = std::to_string(100 + tensOfHertz % 100).substr(1);
    return std::to_string(tensOfHertz / 100) + "." + hundredths;
}

std::optional<int> tuningStepNamed(StepGroup group, std::string_view kilohertz)
{
    // Whole kHz, then at most three decimals: Hz.
    long long hertz = 0;
    int decimals = -1;
    for (const char c : kilohertz) {
        if (c == '.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (c < '0' || c > '9' || decimals >= 3 || hertz > 1'000'000)
            return std::nullopt;
        hertz = hertz * 10 + (c - '0');
        if (decimals >= 0)
            ++decimals;
    }
    if (kilohertz.empty() || kilohertz == ".")
        return std::nullopt;
    for (int d = std::max(decimals, 0); d < 3; ++d)
        hertz *= 10;
    const std::span<const int> steps = tuningStepsHertz(group);
    const auto found = std::find(steps.begin(), steps.end(), hertz);
    if (found == steps.end())
        return std::nullopt;
    return static_cast<int>(found - steps.begin());
}

std::string_view toneModeName(ToneMode mode)
{
    return namesOf(mode).word;
}

std::string_view shiftName(Shift shift)
{
    return namesOf(shift).word;
}

std::optional<int> modeNamed(std::string_view text)
{
    return indexNamed(
        kModeNames, [](std::string_view name) { return name; }, text);
}

std::optional<Shift> shiftNamedInCsv(std::string_view text)
{
    const auto index = indexNamed(
        kShiftNames, [](const ValueNames& names) { return names.csv; }, text);
    return index ? std::optional<Shift>(static_cast<Shift>(*index)) : std::nullopt;
}

std::optional<ToneMode> toneModeNamedInCsv(std::string_view text)
{
    const auto index = indexNamed(
        kToneModeNames, [](const ValueNames& names) { return names.csv; }, text);
    return index ? std::optional<ToneMode>(static_cast<ToneMode>(*index)) : std::nullopt;
}

} // namespace ft817
