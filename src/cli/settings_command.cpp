// ft817clone settings: list the radio's menu settings held in an image file,
// or change some of them and write the image atomically.

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/exchange_commands.h"
#include "cli/image_output.h"
#include "cli/memory_check.h"

#include "exchange/settings_text.h"
#include "image/block_store.h"
#include "image/image_check.h"
#include "image/image_file.h"
#include "image/image_history.h"
#include "image/radio_settings.h"
#include "platform/file_access.h"
#include "platform/qt_history_folder.h"

#include <algorithm>
#include <iostream>
#include <variant>

namespace ft817 {
namespace {

constexpr const char* kSettingsUsage =
    "Usage: ft817clone settings IMAGE [--json]\n"
    "       ft817clone settings IMAGE KEY=VALUE... [--out OUT] [--any-layout]\n"
    "\n"
    "Lists the radio's menu settings held in an image file, by menu group: key, name and\n"
    "value (IMAGE may also be a payload file of another programming tool). A value the radio\n"
    "would not hold is shown as it is stored (\"code 7 (unused)\").\n"
    "\n"
    "With KEY=VALUE pairs, changes those settings and writes the image to OUT (default: IMAGE\n"
    "itself, replaced atomically; the history folder keeps the old file; for a payload file an\n"
    "image file beside it, IMAGE with the extension .bin). Only the bits of the\n"
    "named settings change. A key the radio does not have or a value it does not take is\n"
    "refused with the choices, and then nothing is written. VALUE is a list's option as the\n"
    "menu shows it (apo_time=2h, scan_resume=\"3 sec\"; the number alone for an option with a\n"
    "unit: cw_speed=20), on or off, a whole number in the setting's range (dig_shift=-5), or\n"
    "up to 7 characters of 0-9, A-Z and space for id_callsign (id_callsign=KM6NAP).\n"
    "\n"
    "  --json        print the settings as one JSON object from the keys to the values (a list's\n"
    "                option as text, an unused code as \"code 7 (unused)\", on/off as true/false,\n"
    "                numbers as numbers, the callsign as text with \"?\" for a byte that is no\n"
    "                character)\n"
    "  --out OUT     write the changed image here instead\n"
    "  --any-layout  change an image whose stored checksums do not match, or whose blocks the\n"
    "                radio split or cut short, all the same (fresh checksums hide the damage)\n";

struct SettingsRequest {
    std::string image;
    std::vector<std::pair<std::string, std::string>> changes; // key, value as typed
    bool json = false;
    bool anyLayout = false;
    std::string out;
};

std::variant<SettingsRequest, int> readSettingsArguments(CommandLine& line, const Arguments& args)
{
    line.addFlag("json");
    line.addValueOption("out", "OUT");
    line.addFlag("any-layout");
    if (const auto exit = line.parse(args))
        return *exit;
    const std::vector<std::string> words = line.files();
    if (words.empty())
        return line.usageError("name the image file");
    SettingsRequest request{words[0], {}, line.isSet("json"), line.isSet("any-layout"), {}};
    for (std::size_t i = 1; i < words.size(); ++i) {
        const auto equals = words[i].find('=');
        if (equals == std::string::npos || equals == 0)
            return line.usageError("\"" + words[i] + "\" is not KEY=VALUE");
        request.changes.emplace_back(words[i].substr(0, equals), words[i].substr(equals + 1));
    }
    if (request.changes.empty() && line.isSet("out"))
        return line.usageError("--out writes changed settings: give them as KEY=VALUE");
    if (!request.changes.empty() && request.json)
        return line.usageError("--json lists the settings: give it without changes");
    if (line.isSet("out"))
        request.out = line.value("out");
    return request;
}

int listSettings(const CommandLine& line, const SettingsRequest& request)
{
    const auto memory = loadMemory("settings", request.image);
    if (!memory)
        return line.failure(memory.error().full());
    // Damage goes to the error stream, so that it shows beside either output form.
    printNotWholeMemory("settings", request.image, memory->imageFile);
    std::cout << (request.json ? settingsJson(memory->store) : settingsText(memory->store));
    return 0;
}

// Why a key names none of this image's settings, with the keys it has.
std::string unknownKey(const std::string& key, const BlockStore& store)
{
    const RadioModel* radio = radioOf(store);
    const std::string model = radio ? std::string(radio->name) : std::string("this image's layout");
    if (findSetting(key))
        return key + " is not a setting of the " + model;
    std::string why = "no setting is called " + key + "; the " + model + " has:";
    for (const RadioSetting* setting : settingsOf(store)) {
        why += ' ';
        why += setting->key;
    }
    return why;
}

// Writes every change into store, or says why not (all of the reasons).
std::vector<std::string> applyChanges(BlockStore& store, const SettingsRequest& request)
{
    const std::vector<const RadioSetting*> held = settingsOf(store);
    std::vector<std::string> problems;
    std::vector<std::string> seen;
    for (const auto& [key, typed] : request.changes) {
        // Clang 14 cannot capture a structured binding in a lambda.
        const std::string& wanted = key;
        const auto found = std::find_if(held.begin(), held.end(),
                                        [&](const RadioSetting* setting) { return setting->key == wanted; });
        if (found == held.end()) {
            problems.push_back(unknownKey(key, store));
            continue;
        }
        if (std::find(seen.begin(), seen.end(), key) != seen.end()) {
            problems.push_back(key + " is given twice");
            continue;
        }
        seen.push_back(key);
        const Result<SettingValue> value = parseSettingValue(**found, typed);
        if (!value) {
            problems.push_back(value.error().message);
            continue;
        }
        writeSetting(store, **found, *value);
    }
    return problems;
}

int changeSettings(const CommandLine& line, const SettingsRequest& request)
{
    const Result<LoadedMemory> memory =
        loadMemoryToChange("settings", request.image, request.anyLayout, "change it");
    if (!memory)
        return line.failure(memory.error().full());
    const Result<std::string> target = changedImageTarget(*memory, request.image, request.out);
    if (!target)
        return line.failure(target.error().full());
    const BlockStore* before = &memory->store;
    BlockStore after = *before;
    if (const std::vector<std::string> problems = applyChanges(after, request); !problems.empty()) {
        for (const std::string& problem : problems)
            commandMessage("settings", problem);
        commandMessage("settings", "nothing written");
        return kUsageExit;
    }
    const ImageHistory history(historyFolder());
    const Result<std::string> kept = writeImageKeepingReplaced(after, *target, history, "settings");
    if (!kept)
        return line.failure(kept.error().full());

    for (const auto& [key, typed] : request.changes) {
        const RadioSetting& setting = *findSetting(key);
        const std::string change = settingDifference(setting, *before, after);
        std::cout << (change.empty() ? std::string(setting.shortName()) + ": unchanged" : change) << "\n";
    }
    std::cout << "wrote " << *target << "\n";
    if (!kept->empty())
        std::cout << "the old file is kept as " << *kept << "\n";
    return 0;
}

} // namespace

int runSettingsCommand(const Arguments& args)
{
    CommandLine line("settings", kSettingsUsage);
    const auto read = readSettingsArguments(line, args);
    if (const int* exit = std::get_if<int>(&read))
        return *exit;
    const SettingsRequest& request = std::get<SettingsRequest>(read);
    return request.changes.empty() ? listSettings(line, request) : changeSettings(line, request);
}

} // namespace ft817
