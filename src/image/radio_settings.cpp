#include "image/radio_settings.h"

#include "image/image_check.h"
#include "image/radio_settings_table.h"
#include "text/text_format.h"
#include "text/window_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace ft817 {

namespace {

std::uint8_t fieldMask(const RadioSetting& setting)
{
    return static_cast<std::uint8_t>(((1u << (setting.highBit - setting.lowBit + 1)) - 1u) << setting.lowBit);
}

// The setting's stored code: its bits shifted down, or both bytes of a 16-bit number.
int storedCode(const BlockStore& store, const RadioSetting& setting)
{
    const auto [block, index] = setting.at;
    if (setting.encoding == SettingEncoding::Signed16)
        return store.byte(index, block) | (store.byte(index + 1, block) << 8);
    return (store.byte(index, block) & fieldMask(setting)) >> setting.lowBit;
}

// A number from its stored code.
int numberOf(const RadioSetting& setting, int code)
{
    switch (setting.encoding) {
    case SettingEncoding::PlusOne:
        return code - 1;
    case SettingEncoding::Signed8:
        return static_cast<std::int8_t>(code);
    case SettingEncoding::Signed16:
        return static_cast<std::int16_t>(code);
    default:
        return code;
    }
}

std::string lowerWithoutSpaces(std::string_view text)
{
    std::string out;
    for (const char c : text)
        if (c != ' ')
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// Whether text splits a number with spaces ("3 0 0"): such text names no
// number, so it matches no option, however the option is spaced.
bool splitsANumber(std::string_view text)
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] != ' ' || !digit(text[i - 1]))
            continue;
        const auto next = text.find_first_not_of(' ', i);
        if (next != std::string_view::npos && digit(text[next]))
            return true;
    }
    return false;
}

// Whether text is a plain whole number: an optional sign, then digits, nothing else.
bool plainNumber(std::string_view text)
{
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// An option's number when the rest of it is a unit ("20" of "20 wpm", "440" of "440Hz").
std::string numberBeforeUnit(std::string_view option)
{
    const auto digits = option.find_first_not_of("0123456789");
    if (digits == 0 || digits == std::string_view::npos)
        return {};
    const std::string_view unit = option.substr(digits);
    const bool letters = std::all_of(unit.begin(), unit.end(), [](char c) {
        return c == ' ' || std::isalpha(static_cast<unsigned char>(c));
    });
    return letters ? std::string(option.substr(0, digits)) : std::string();
}

std::string quoted(std::string_view typed)
{
    std::string text = "\"";
    text += typed;
    text += "\"";
    return text;
}

Result<SettingValue> parseList(const RadioSetting& setting, std::string_view typed)
{
    const std::string wanted = splitsANumber(typed) ? std::string() : lowerWithoutSpaces(typed);
    const auto& options = setting.options;
    for (std::size_t i = 0; i < options.size() && !wanted.empty(); ++i)
        if (lowerWithoutSpaces(options[i]) == wanted)
            return SettingValue{static_cast<int>(i), {}};
    for (std::size_t i = 0; i < options.size(); ++i)
        if (!wanted.empty() && numberBeforeUnit(options[i]) == wanted)
            return SettingValue{static_cast<int>(i), {}};
    std::string why = std::string(setting.key) + " is one of ";
    why += orList(options);
    why += ", not ";
    why += quoted(typed);
    return Error{why, {}};
}

Result<SettingValue> parseOnOff(const RadioSetting& setting, std::string_view typed)
{
    const std::string word = lowerWithoutSpaces(typed);
    if (word == "on" || word == "true" || word == "yes" || word == "1")
        return SettingValue{1, {}};
    if (word == "off" || word == "false" || word == "no" || word == "0")
        return SettingValue{0, {}};
    std::string why = std::string(setting.key) + " is on or off, not ";
    why += quoted(typed);
    return Error{why, {}};
}

Result<SettingValue> parseNumber(const RadioSetting& setting, std::string_view typed)
{
    std::string text = trimmed(typed);
    const bool plain = plainNumber(text);
    if (plain && text.front() == '+')
        text.erase(0, 1);
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (plain && error == std::errc() && end == text.data() + text.size() && number >= setting.minimum &&
        number <= setting.maximum)
        return SettingValue{number, {}};
    std::string why = std::string(setting.key) + " is a whole number from " + std::to_string(setting.minimum);
    why += " to " + std::to_string(setting.maximum) + ", not ";
    why += quoted(typed);
    return Error{why, {}};
}

std::string upperCase(std::string_view typed)
{
    std::string text;
    for (const char c : typed)
        text += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

Result<SettingValue> parseCallsign(const RadioSetting& setting, std::string_view typed)
{
    const std::string problem = callsignProblem(typed);
    if (problem.empty()) {
        std::string text = upperCase(typed);
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        return SettingValue{0, text};
    }
    std::string why = std::string(setting.key) + " is " + std::string(kCallsignRule) + ", not ";
    why += quoted(typed) + ": " + problem;
    return Error{why, {}};
}

SettingReading readCallsign(const BlockStore& store, const RadioSetting& setting)
{
    SettingReading reading;
    std::string notes;
    for (int k = 0; k < kCallsignLength; ++k) {
        const std::uint8_t code = store.byte(setting.at.index + k, setting.at.block);
        if (code < kCallsignCharacters.size()) {
            reading.value.text += kCallsignCharacters[code];
            continue;
        }
        reading.valid = false;
        reading.value.text += '?';
        notes +=
            (notes.empty() ? " (" : ", ") + ("byte " + std::to_string(k + 1) + " holds 0x" + hexByte(code));
    }
    while (!reading.value.text.empty() && reading.value.text.back() == ' ')
        reading.value.text.pop_back();
    reading.text = reading.value.text;
    if (!reading.valid)
        reading.text += notes + ", not a character)";
    return reading;
}

} // namespace

std::string callsignProblem(std::string_view typed)
{
    const std::string text = upperCase(typed);
    std::string refused;
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A character of several bytes (UTF-8) counts once and is shown whole.
        std::size_t end = i + 1;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
        const std::string_view character(typed.substr(i, end - i));
        ++count;
        if (end == i + 1 && kCallsignCharacters.find(text[i]) != std::string_view::npos) {
            i = end - 1;
            continue;
        }
        const std::string shown = quoted(character);
        if (refused.find(shown) == std::string::npos)
            refused += (refused.empty() ? "" : ", ") + shown;
        i = end - 1;
    }
    if (!refused.empty())
        return "the radio cannot show " + refused;
    if (count > kCallsignLength)
        return "it has " + std::to_string(count) + " characters";
    return {};
}

std::string_view settingGroupName(SettingGroup group)
{
    static constexpr std::string_view kNames[kSettingGroupCount] = {
        FT817_WINDOW_TEXT("RadioSettings", "Basic"),
        FT817_WINDOW_TEXT("RadioSettings", "CW"),
        FT817_WINDOW_TEXT("RadioSettings", "Digital and packet"),
        FT817_WINDOW_TEXT("RadioSettings", "Front panel state"),
        FT817_WINDOW_TEXT("RadioSettings", "Display and controls"),
        FT817_WINDOW_TEXT("RadioSettings", "Extended menu"),
        FT817_WINDOW_TEXT("RadioSettings", "Antenna sockets")};
    return kNames[static_cast<int>(group)];
}

int RadioSetting::byteCount() const
{
    if (encoding == SettingEncoding::Signed16)
        return 2;
    return encoding == SettingEncoding::Callsign ? kCallsignLength : 1;
}

bool RadioSetting::isNumber() const
{
    return encoding != SettingEncoding::List && encoding != SettingEncoding::OnOff &&
           encoding != SettingEncoding::Callsign;
}

std::string_view RadioSetting::shortName() const
{
    return name.substr(0, name.find(" ("));
}

std::string RadioSetting::ownerHelp() const
{
    std::string help(description);
    if (menuNumber > 0)
        help += " Menu " + std::to_string(menuNumber) + ".";
    return help;
}

const std::vector<RadioSetting>& radioSettings()
{
    static const std::vector<RadioSetting> table = settingsTable();
    return table;
}

const RadioSetting* findSetting(std::string_view key)
{
    for (const RadioSetting& setting : radioSettings())
        if (setting.key == key)
            return &setting;
    return nullptr;
}

bool modelHasSetting(const RadioModel& model, const RadioSetting& setting)
{
    return setting.onlyWhere == nullptr || model.*setting.onlyWhere;
}

std::vector<const RadioSetting*> settingsOf(const BlockStore& store)
{
    const RadioModel* model = radioOf(store);
    std::vector<const RadioSetting*> held;
    for (const RadioSetting& setting : radioSettings()) {
        if (setting.onlyWhere && !(model && modelHasSetting(*model, setting)))
            continue;
        const int last = setting.at.index + setting.byteCount() - 1;
        if (store.hasBlock(setting.at.block) && last <= store.payloadLength(setting.at.block))
            held.push_back(&setting);
    }
    return held;
}

SettingReading readSetting(const BlockStore& store, const RadioSetting& setting)
{
    if (setting.encoding == SettingEncoding::Callsign)
        return readCallsign(store, setting);
    const int code = storedCode(store, setting);
    SettingReading reading;
    reading.value.number = numberOf(setting, code);
    const int number = reading.value.number;
    reading.valid = number >= setting.minimum && number <= setting.maximum;
    if (reading.valid)
        reading.text = settingValueText(setting, reading.value);
    else if (setting.encoding == SettingEncoding::List)
        reading.text = "code " + std::to_string(code) + " (unused)";
    else
        reading.text = std::to_string(number) + " (out of range " + std::to_string(setting.minimum) + ".." +
                       std::to_string(setting.maximum) + ")";
    return reading;
}

void writeSetting(BlockStore& store, const RadioSetting& setting, const SettingValue& value)
{
    const auto [block, index] = setting.at;
    switch (setting.encoding) {
    case SettingEncoding::Callsign:
        for (int k = 0; k < kCallsignLength; ++k) {
            const char c =
                k < static_cast<int>(value.text.size()) ? value.text[static_cast<std::size_t>(k)] : ' ';
            const auto code = kCallsignCharacters.find(c);
            store.setByte(index + k, block,
                          static_cast<std::uint8_t>(
                              code == std::string_view::npos ? kCallsignCharacters.size() - 1 : code));
        }
        return;
    case SettingEncoding::Signed16: {
        const auto code = static_cast<std::uint16_t>(value.number);
        store.setByte(index, block, static_cast<std::uint8_t>(code & 0xFF));
        store.setByte(index + 1, block, static_cast<std::uint8_t>(code >> 8));
        return;
    }
    default:
        break;
    }
    const int code = setting.encoding == SettingEncoding::PlusOne ? value.number + 1 : value.number;
    const std::uint8_t mask = fieldMask(setting);
    store.setBits(index, block, mask, static_cast<std::uint8_t>((code << setting.lowBit) & mask));
}

Result<SettingValue> parseSettingValue(const RadioSetting& setting, std::string_view typed)
{
    switch (setting.encoding) {
    case SettingEncoding::List:
        return parseList(setting, typed);
    case SettingEncoding::OnOff:
        return parseOnOff(setting, typed);
    case SettingEncoding::Callsign:
        return parseCallsign(setting, typed);
    default:
        return parseNumber(setting, typed);
    }
}

std::string settingValueText(const RadioSetting& setting, const SettingValue& value)
{
    switch (setting.encoding) {
    case SettingEncoding::List:
        if (value.number >= 0 && value.number < static_cast<int>(setting.options.size()))
            return setting.options[static_cast<std::size_t>(value.number)];
        return "code " + std::to_string(value.number) + " (unused)";
    case SettingEncoding::OnOff:
        return value.number != 0 ? "on" : "off";
    case SettingEncoding::Callsign:
        return value.text;
    default:
        return std::to_string(value.number);
    }
}

std::vector<BitLocation> settingBits(const RadioSetting& setting)
{
    if (setting.byteCount() == 1)
        return {BitLocation{setting.at.block, setting.at.index, fieldMask(setting)}};
    std::vector<BitLocation> bits;
    for (int k = 0; k < setting.byteCount(); ++k)
        bits.push_back(BitLocation{setting.at.block, setting.at.index + k, 0xFF});
    return bits;
}

} // namespace ft817
