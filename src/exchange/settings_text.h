#pragma once
// The radio's menu settings of a loaded image for people and programs: a
// listing by menu group (key, name, value), a JSON object from the keys to
// the values, and one line per setting that differs between two images.
// Everything here only reads.

#include "image/block_store.h"
#include "image/radio_settings.h"

#include <string>
#include <vector>

namespace ft817 {

// The settings of the image's model, grouped by menu group under a heading
// each, one line per setting: key, name and value (the callsign in quotes;
// a value the radio would not hold says what is stored), with a final newline.
std::string settingsText(const BlockStore& store);

// The settings as one JSON object, keys in table order: a list's option as
// its text (an unused code as "code 7 (unused)"), on/off as true/false, a
// number as a number, the callsign as a string ("?" for a byte that is no
// character); with a final newline.
std::string settingsJson(const BlockStore& store);

// The settings both images hold, in table order.
std::vector<const RadioSetting*> settingsOfBoth(const BlockStore& before, const BlockStore& after);

// "APO time: OFF → 2h" when the setting reads differently in the two images; empty when the same.
std::string settingDifference(const RadioSetting& setting, const BlockStore& before, const BlockStore& after);

} // namespace ft817
