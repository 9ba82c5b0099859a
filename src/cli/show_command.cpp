#include "cli/commands.h"

#include "image/block_store.h"
#include "image/memory_map.h"
#include "image/memory_report.h"
#include "platform/file_access.h"

#include <charconv>
#include <iostream>
#include <optional>

namespace ft817 {

namespace {

constexpr const char* kShowUsage =
    "Usage: ft817clone show FILE [--channel N] [--json]\n"
    "Prints the memory held in an image file, loaded as the editor loads it.\n"
    "  --channel N   print channel N (1..200) only, active or not\n"
    "  --json        print JSON instead of text (frequencies in the radio's 10 Hz units;\n"
    "                band_select is null for a VFO whose band number is 15; current_channel\n"
    "                is the channel the editor opens on, 1 when the radio's byte holds 200 or\n"
    "                more; current_channel_byte is that byte as stored)\n";

int usageError(const std::string& why)
{
    std::cerr << "ft817clone show: " << why << "\n" << kShowUsage;
    return 2;
}

} // namespace

int runShowCommand(const Arguments& args)
{
    std::optional<std::string> path;
    std::optional<int> channel;
    bool json = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kShowUsage;
            return 0;
        }
        if (arg == "--json") {
            json = true;
        } else if (arg == "--channel") {
            if (i + 1 >= args.size())
                return usageError("--channel needs a channel number 1..200");
            const std::string& value = args[++i];
            int number = 0;
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
            if (error != std::errc() || end != value.data() + value.size() || number < 1 ||
                number > kChannelCount)
                return usageError("the channel number must be 1..200, not \"" + value + "\"");
            channel = number - 1;
        } else if (!arg.empty() && arg[0] == '-') {
            return usageError("unknown option " + arg);
        } else if (path) {
            return usageError("only one image file can be shown at a time");
        } else {
            path = arg;
        }
    }
    if (!path)
        return usageError("name the image file to show");

    const auto bytes = readWholeFile(*path);
    if (!bytes) {
        std::cerr << "ft817clone show: " << bytes.error().full() << "\n";
        return 1;
    }
    const auto store = BlockStore::load(*bytes);
    if (!store) {
        std::cerr << "ft817clone show: " << *path << ": " << store.error().full() << "\n";
        return 1;
    }
    if (channel)
        std::cout << (json ? channelJson(*store, *channel) : channelText(*store, *channel));
    else
        std::cout << (json ? memoryJson(*store) : memoryText(*store));
    return std::cout.good() ? 0 : 1;
}

} // namespace ft817
