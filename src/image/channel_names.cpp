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
