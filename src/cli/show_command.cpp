#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/exchange_commands.h"
#include "cli/memory_check.h"

#include "exchange/memory_report.h"
#include "image/block_store.h"
#include "image/image_check.h"
#include "image/image_file.h"
#include "image/memory_map.h"
#include "platform/file_access.h"

#include <charconv>
#include <iostream>
#include <optional>
#include <variant>

namespace ft817 {

namespace {

constexpr const char* kShowUsage =
    "Usage: ft817clone show FILE [--channel N] [--json]\n"
    "Prints the memory held in an image file, loaded as the editor loads it (or in a payload\n"
    "file of another programming tool: see convert --help).\n"
    "  --channel N   print channel N (1..200) only, active or not\n"
    "  --json        print JSON instead of text (frequencies in the radio's 10 Hz units;\n"
    "                band_select is null for a VFO whose band number is 15; current_channel\n"
    "                is the channel the editor opens on, 1 when the radio's byte holds 200 or\n"
    "                more; current_channel_byte is that byte as stored; tag_shown is bit 7 of\n"
    "                record byte 0, which the radio follows, tag_on both tag flags;\n"
    "                tuning_step_khz is the step of the channel's mode, tuning_steps_khz the\n"
    "                record's three; notes lists records whose band code does not fit their\n"
    "                frequency, which a radio would fill otherwise; untuned the channels and\n"
    "                special memories in use whose frequency the radio cannot tune)\n";

// What show was asked to print.
struct ShowRequest {
    std::string path;
    std::optional<int> channel; // 0-based; empty for the whole memory
    bool json = false;
};

// Reads show's arguments: the request, or the exit code when there is nothing to show.
std::variant<ShowRequest, int> readShowArguments(const Arguments& args)
{
    CommandLine line("show", kShowUsage);
    line.addValueOption("channel", "N");
    line.addFlag("json");
    if (const auto exit = line.parse(args))
        return *exit;
    const std::vector<std::string> files = line.files();
    if (files.empty())
        return line.usageError("name the image file to show");
    if (files.size() > 1)
        return line.usageError("only one image file can be shown at a time");

    ShowRequest request{files[0], std::nullopt, line.isSet("json")};
    if (line.isSet("channel")) {
        const std::string value = line.value("channel");
        int number = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
        if (error != std::errc() || end != value.data() + value.size() || number < 1 ||
            number > kChannelCount)
            return line.usageError("the channel number must be 1..200, not \"" + value + "\"");
        request.channel = number - 1;
    }
    return request;
}

} // namespace

int runShowCommand(const Arguments& args)
{
    const auto read = readShowArguments(args);
    if (const int* exit = std::get_if<int>(&read))
        return *exit;
    const ShowRequest& request = std::get<ShowRequest>(read);

    const auto memory = loadMemory("show", request.path);
    if (!memory)
        return commandFailure("show", memory.error().full());
    const BlockStore& store = memory->store;
    // Damage goes to the error stream, so that it shows beside either output form.
    printNotWholeMemory("show", request.path, memory->imageFile, "; do not upload it");
    if (request.channel)
        std::cout << (request.json ? channelJson(store, *request.channel)
                                   : channelText(store, *request.channel));
    else
        std::cout << (request.json ? memoryJson(store) : memoryText(store));
    return 0;
}

} // namespace ft817
