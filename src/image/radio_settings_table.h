#pragma once
// The radio's menu settings, one row each, built once by radioSettings().

#include "image/radio_settings.h"

#include <vector>

namespace ft817 {

std::vector<RadioSetting> settingsTable();

} // namespace ft817
