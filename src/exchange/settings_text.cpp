#include "exchange/settings_text.h"

#include "image/image_check.h"

#include <algorithm>

namespace ft817 {

namespace {

std::string padRight(std::string_view text, std::size_t width)
{
    std::string padded(text);
    if (padded.size() < width)
        padded.append(width - padded.size(), ' ');
    return padded;
}

std::string jsonValue(const RadioSetting& setting, const SettingReading& reading)
{
    switch (setting.encoding) {
    case SettingEncoding::OnOff:
        return reading.value.number != 0 ? "true" : "false";
    case SettingEncoding::List:
        return "\"" + reading.text + "\"";
    case SettingEncoding::Callsign:
        return "\"" + reading.value.text + "\"";
    default:
        return std::to_string(reading.value.number);
    }
}

// The value as the listing and the differences show it: the callsign in quotes.
std::string shownText(const RadioSetting& setting, const SettingReading& reading)
{
    if (setting.encoding != SettingEncoding::Callsign)
        return reading.text;
    return "\"" + reading.value.text + "\"" + reading.text.substr(reading.value.text.size());
}

} // namespace

std::string settingsText(const BlockStore& store)
{
    const std::vector<const RadioSetting*> settings = settingsOf(store);
    const RadioModel* radio = radioOf(store);
    std::string text = "Settings of " +
                       (radio ? std::string(radio->name) : std::string("an unknown layout")) + ": " +
                       std::to_string(settings.size()) + "\n";
    for (int group = 0; group < kSettingGroupCount; ++group) {
        std::string lines;
        for (const RadioSetting* setting : settings) {
            if (static_cast<int>(setting->group) != group)
                continue;
            lines += "  " + padRight(setting->key, 22) + padRight(setting->name, 38) +
                     shownText(*setting, readSetting(store, *setting)) + "\n";
        }
        if (!lines.empty())
            text += std::string(settingGroupName(static_cast<SettingGroup>(group))) + "\n" + lines;
    }
    return text;
}

std::string settingsJson(const BlockStore& store)
{
    std::string out = "{";
    const std::vector<const RadioSetting*> settings = settingsOf(store);
    for (std::size_t i = 0; i < settings.size(); ++i) {
        out += i == 0 ? "\n  \"" : ",\n  \"";
        out += settings[i]->key;
        out += "\": " + jsonValue(*settings[i], readSetting(store, *settings[i]));
    }
    out += "\n}\n";
    return out;
}

std::vector<const RadioSetting*> settingsOfBoth(const BlockStore& before, const BlockStore& after)
{
    const std::vector<const RadioSetting*> later = settingsOf(after);
    std::vector<const RadioSetting*> both;
    for (const RadioSetting* setting : settingsOf(before))
        if (std::find(later.begin(), later.end(), setting) != later.end())
            both.push_back(setting);
    return both;
}

std::string settingDifference(const RadioSetting& setting, const BlockStore& before, const BlockStore& after)
{
    const std::string old = shownText(setting, readSetting(before, setting));
    const std::string now = shownText(setting, readSetting(after, setting));
    if (old == now)
        return {};
    std::string line(setting.shortName());
    line += ": " + old;
    line += " \u2192 ";
    line += now;
    return line;
}

} // namespace ft817
