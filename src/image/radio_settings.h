#pragma once
// The radio's menu settings (and the front panel's state the radio keeps
// beside them) in a loaded clone image: one table row per setting, with the
// key programs use for it ("apo_time"), the name the owner's menu gives it,
// its menu group, the models that have it, its place (block, index, bits) and
// how its bits encode a value. Everything but the ID callsign lies in block 1
// at the same place on every model; the callsign is block 48, indices 79..85.
//
// Reading never changes the image, and a value the radio would not hold (an
// unused list code, a number out of its range, a callsign byte that is no
// character) is read as it is stored, marked as not valid. Writing changes
// only the bits of the one setting; every other bit of its bytes is kept.

#include "image/block_store.h"
#include "image/memory_map.h"
#include "image/radio_model.h"
#include "platform/result.h"
#include "text/window_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace ft817 {

// The menu groups, in the order the tool lists them.
enum class SettingGroup {
    Basic,
    Cw,
    DigitalAndPacket,
    FrontPanel,
    DisplayAndControls,
    ExtendedMenu,
    Antennas
};
inline constexpr int kSettingGroupCount = 7;

// A group's name as a heading ("Basic", "CW", "Digital and packet", ...).
std::string_view settingGroupName(SettingGroup group);

// How a setting's stored bits give its value.
enum class SettingEncoding {
    List,     // the position of the option in the list (first = 0)
    OnOff,    // one bit: 1 = on
    Unsigned, // stored = value
    PlusOne,  // stored = value + 1
    Signed8,  // one byte, two's complement
    Signed16, // two bytes, two's complement, low byte first
    Callsign, // seven bytes, one character code each (kCallsignCharacters)
};

// The ID callsign's characters: a byte's code is the position of its character here.
inline constexpr std::string_view kCallsignCharacters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ ";
inline constexpr int kCallsignLength = 7;
// What the ID callsign takes, as the owner is told it.
inline constexpr std::string_view kCallsignRule =
    FT817_WINDOW_TEXT("RadioSettings", "up to 7 characters of 0-9, A-Z and space");
// What keeps the radio from taking `typed` as its ID callsign (small letters
// count as capitals): "the radio cannot show \"/\"" or "it has 8 characters";
// empty when nothing does.
std::string callsignProblem(std::string_view typed);

struct RadioSetting {
    std::string_view key;  // for JSON and the command line ("apo_time")
    std::string_view name; // as the menu names it ("APO time (auto power-off)")
    SettingGroup group = SettingGroup::Basic;
    Location at;     // the setting's (first) byte
    int highBit = 7; // its bits within that byte (for one-byte settings)
    int lowBit = 0;
    SettingEncoding encoding = SettingEncoding::Unsigned;
    std::vector<std::string> options; // a list's options, by stored position
    int minimum = 0;                  // a number's range (List: 0..options-1; OnOff: 0..1)
    int maximum = 0;
    // The model row's flag that must be set for the model to have it; null: every model has it.
    bool RadioModel::*onlyWhere = nullptr;
    // What the setting does on the radio, in one sentence for its owner.
    std::string_view description;
    // Its item number in the radio's menu; 0 where the tool does not know it
    // or the setting is no menu item (the front panel's state).
    int menuNumber = 0;

    // Bytes the setting spans: 1, 2 (Signed16) or 7 (Callsign).
    int byteCount() const;
    // True for the numbers a spin box enters (Unsigned, PlusOne, Signed8, Signed16).
    bool isNumber() const;
    // The name without its explanation in brackets ("APO time").
    std::string_view shortName() const;
    // What it does and where it is on the radio, for a tooltip:
    // "Sets the serial speed of the CAT socket ... Menu 14."
    std::string ownerHelp() const;
};

// Every setting, in the order the tool lists them (by group, as the menu has them).
const std::vector<RadioSetting>& radioSettings();
// The setting with this key; null when none has it.
const RadioSetting* findSetting(std::string_view key);
// True when the model has the setting.
bool modelHasSetting(const RadioModel& model, const RadioSetting& setting);
// The settings an image holds: those of its model (the settings every model
// has when its layout is none of the known models'), where its blocks reach them.
std::vector<const RadioSetting*> settingsOf(const BlockStore& store);

// A setting's value: the number (a list's position, 0 off / 1 on, the
// number itself) or, for the callsign, its text without the trailing spaces.
struct SettingValue {
    int number = 0;
    std::string text;
    friend bool operator==(const SettingValue&, const SettingValue&) = default;
};

struct SettingReading {
    SettingValue value;
    // False for an unused list code, a number out of range, a callsign byte that is no character.
    bool valid = true;
    // As a person reads it: "2h", "on", "20", "-5", "KM6NAP"; an invalid one
    // says what is stored ("code 7 (unused)", "120 (out of range 0..100)",
    // "KM6N?AP (byte 4 holds 0x3F, not a character)").
    std::string text;
};

// Reads a setting as the image stores it.
SettingReading readSetting(const BlockStore& store, const RadioSetting& setting);
// Writes a valid value (one parseSettingValue gives or in the setting's
// range); only the setting's bits change.
void writeSetting(BlockStore& store, const RadioSetting& setting, const SettingValue& value);
// A value as a person types it: a list's option ("2h", "3 sec", or "20" for
// "20 wpm"; case and spaces do not matter), on/off (also true/false, yes/no,
// 1/0), a number in range, a callsign of up to 7 of 0-9, A-Z and space
// (small letters taken as capitals). Otherwise why not, with the choices.
Result<SettingValue> parseSettingValue(const RadioSetting& setting, std::string_view typed);
// A valid value as a person reads it (the option, "on"/"off", the number, the callsign).
std::string settingValueText(const RadioSetting& setting, const SettingValue& value);

// The bits a setting occupies: one entry per byte with its mask.
std::vector<BitLocation> settingBits(const RadioSetting& setting);

} // namespace ft817
