// ft817clone sim: a simulated radio on a pseudo-terminal, served until
// SIGINT/SIGTERM (or after one transfer with --once), reachable through a
// symbolic link so that other programs can open it like a serial device.

#include "cli/commands.h"

#include "image/image_file.h"
#include "platform/file_access.h"
#include "sim/default_memory.h"
#include "sim/simulated_radio.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <mutex>
#include <optional>

namespace ft817 {
namespace {

constexpr const char* kSimUsage =
    "Usage: ft817clone sim --link PATH [options]\n"
    "Runs a simulated FT-817 on a pseudo-terminal and makes PATH a symbolic link to it.\n"
    "Prints the pseudo-terminal's path, then serves until interrupted (Ctrl+C).\n"
    "\n"
    "Memory:\n"
    "  --image FILE            serve the memory held in this image file\n"
    "  --model MODEL           built-in memory of ft817 (default), ft817nd, ft817nd-us or ft818\n"
    "What the radio does (default --auto):\n"
    "  --send                  clone mode, sending: serves a download each time the port is opened\n"
    "  --receive OUT           clone mode, receiving: takes uploads, writes each whole one to OUT\n"
    "  --cat LOG               normal operation: appends each five-byte command to LOG in hex\n"
    "  --auto                  sends when the tool opens the port and stays quiet 0.3 s, receives\n"
    "                          when a block 0 arrives, takes anything else as CAT commands\n"
    "Timing:\n"
    "  --no-pacing             send and receive at full speed instead of 9600 baud\n"
    "  --start-delay S         seconds from the port being opened to block 0 (default 0.5)\n"
    "  --block-delay S         seconds from an acknowledgement to the next block (default 0.02)\n"
    "  --ack-delay S           seconds from a block's last byte to the acknowledgement (default 0.02)\n"
    "Faults:\n"
    "  --pause-in-block K      pause in the middle of block K (with --pause S)\n"
    "  --pause S               length of that pause in seconds\n"
    "  --stop-after-block K    fall silent after block K\n"
    "  --stop-in-block K       fall silent in the middle of block K\n"
    "  --never-ack             never acknowledge a block\n"
    "  --noise-before-ack HEX  send these bytes (for example 00FA) before every acknowledgement\n"
    "  --hang-up-in-block K    drop the line in the middle of block K (the link then points at a\n"
    "                          fresh pseudo-terminal)\n"
    "Other:\n"
    "  --once                  stop when the tool closes the port after one transfer\n"
    "  --help                  show this text\n";

int usageError(const std::string& why)
{
    std::cerr << "ft817clone sim: " << why << " (see ft817clone sim --help)\n";
    return 2;
}

int failure(const std::string& why)
{
    std::cerr << "ft817clone sim: " << why << "\n";
    return 1;
}

std::optional<int> parseCount(const std::string& text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

std::optional<double> parseSeconds(const std::string& text)
{
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (errno != 0 || end != text.c_str() + text.size() || !(value >= 0.0) || value > 86400.0)
        return std::nullopt;
    return value;
}

std::optional<Bytes> parseHex(const std::string& text)
{
    Bytes bytes;
    int high = -1;
    for (char c : text) {
        if (c == ' ' || c == ',' || c == ':')
            continue;
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            return std::nullopt;
        if (high < 0) {
            high = digit;
        } else {
            bytes.push_back(static_cast<std::uint8_t>(high * 16 + digit));
            high = -1;
        }
    }
    if (high >= 0 || bytes.empty())
        return std::nullopt;
    return bytes;
}

std::optional<sim::Model> parseModel(const std::string& text)
{
    for (sim::Model model :
         {sim::Model::FT817, sim::Model::FT817ND, sim::Model::FT817NDUS, sim::Model::FT818}) {
        if (text == sim::modelName(model))
            return model;
    }
    return std::nullopt;
}

std::string hexLine(const std::array<std::uint8_t, 5>& command)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string line;
    for (std::uint8_t byte : command) {
        if (!line.empty())
            line += ' ';
        line += digits[byte >> 4];
        line += digits[byte & 15];
    }
    return line;
}

const char* modeName(sim::Mode mode)
{
    switch (mode) {
    case sim::Mode::Send:
        return "send";
    case sim::Mode::Receive:
        return "receive";
    case sim::Mode::Cat:
        return "cat";
    case sim::Mode::Auto:
        return "auto";
    }
    return "auto";
}

} // namespace

int runSimCommand(const Arguments& args)
{
    sim::RadioOptions options;
    std::string link;
    std::string imagePath;
    std::string receivePath;
    std::string catPath;
    int modes = 0;
    bool pauseGiven = false;

    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (const auto equals = name.find('='); name.rfind("--", 0) == 0 && equals != std::string::npos) {
            inlineValue = name.substr(equals + 1);
            name.resize(equals);
        }
        auto value = [&]() -> std::optional<std::string> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 < args.size())
                return args[++i];
            return std::nullopt;
        };
        auto needValue = [&](const char* what) -> std::optional<std::string> {
            auto given = value();
            if (!given)
                usageError(name + " needs " + what);
            return given;
        };
        auto takeCount = [&](int& into) -> bool {
            auto text = needValue("a block number");
            if (!text)
                return false;
            auto number = parseCount(*text);
            if (!number) {
                usageError(name + " needs a block number, not '" + *text + "'");
                return false;
            }
            into = *number;
            return true;
        };
        auto takeSeconds = [&](double& into) -> bool {
            auto text = needValue("a number of seconds");
            if (!text)
                return false;
            auto seconds = parseSeconds(*text);
            if (!seconds) {
                usageError(name + " needs a number of seconds, not '" + *text + "'");
                return false;
            }
            into = *seconds;
            return true;
        };
        auto flag = [&]() -> bool {
            if (inlineValue) {
                usageError(name + " takes no value");
                return false;
            }
            return true;
        };

        if (name == "--help" || name == "-h") {
            std::cout << kSimUsage;
            return 0;
        } else if (name == "--link") {
            auto text = needValue("a path");
            if (!text)
                return 2;
            link = *text;
        } else if (name == "--image") {
            auto text = needValue("an image file");
            if (!text)
                return 2;
            imagePath = *text;
        } else if (name == "--model") {
            auto text = needValue("a model");
            if (!text)
                return 2;
            auto model = parseModel(*text);
            if (!model)
                return usageError("unknown model '" + *text + "' (ft817, ft817nd, ft817nd-us or ft818)");
            options.model = *model;
        } else if (name == "--send" || name == "--auto") {
            if (!flag())
                return 2;
            options.mode = name == "--send" ? sim::Mode::Send : sim::Mode::Auto;
            ++modes;
        } else if (name == "--receive") {
            auto text = needValue("a file to write what it receives");
            if (!text)
                return 2;
            receivePath = *text;
            options.mode = sim::Mode::Receive;
            ++modes;
        } else if (name == "--cat") {
            auto text = needValue("a log file");
            if (!text)
                return 2;
            catPath = *text;
            options.mode = sim::Mode::Cat;
            ++modes;
        } else if (name == "--no-pacing") {
            if (!flag())
                return 2;
            options.pacing = false;
        } else if (name == "--start-delay") {
            if (!takeSeconds(options.startDelay))
                return 2;
        } else if (name == "--block-delay") {
            if (!takeSeconds(options.blockDelay))
                return 2;
        } else if (name == "--ack-delay") {
            if (!takeSeconds(options.ackDelay))
                return 2;
        } else if (name == "--pause-in-block") {
            if (!takeCount(options.faults.pauseInBlock))
                return 2;
        } else if (name == "--pause") {
            if (!takeSeconds(options.faults.pauseSeconds))
                return 2;
            pauseGiven = true;
        } else if (name == "--stop-after-block") {
            if (!takeCount(options.faults.stopAfterBlock))
                return 2;
        } else if (name == "--stop-in-block") {
            if (!takeCount(options.faults.stopInBlock))
                return 2;
        } else if (name == "--hang-up-in-block") {
            if (!takeCount(options.faults.hangUpInBlock))
                return 2;
        } else if (name == "--never-ack") {
            if (!flag())
                return 2;
            options.faults.neverAcknowledge = true;
        } else if (name == "--noise-before-ack") {
            auto text = needValue("hexadecimal bytes");
            if (!text)
                return 2;
            auto bytes = parseHex(*text);
            if (!bytes)
                return usageError("--noise-before-ack needs hexadecimal bytes such as 00FA, not '" + *text +
                                  "'");
            options.faults.bytesBeforeAck = *bytes;
        } else if (name == "--once") {
            if (!flag())
                return 2;
            options.once = true;
        } else {
            return usageError("unknown argument '" + args[i] + "'");
        }
    }
    if (link.empty())
        return usageError("--link PATH is required");
    if (modes > 1)
        return usageError("choose one of --send, --receive, --cat and --auto");
    if (options.faults.pauseInBlock >= 0 && !pauseGiven)
        return usageError("--pause-in-block needs --pause S");

    if (!imagePath.empty()) {
        auto file = readWholeFile(imagePath);
        if (!file)
            return failure(file.error().message);
        auto layout = readImageLayout(*file);
        if (!layout)
            return failure(imagePath + ": " + layout.error().message);
        options.image.assign(file->begin(), file->begin() + layout->cloneBytes());
        for (int k = 0; k <= layout->lastIndex; ++k)
            options.blockLengths.push_back(layout->blockLength(k));
    }
    const std::vector<int> lengths =
        options.image.empty() ? sim::defaultMemory(options.model).blockLengths : options.blockLengths;

    std::mutex outputMutex;
    if (!receivePath.empty()) {
        options.onImageReceived = [&, lengths](const Bytes& image) {
            std::lock_guard lock(outputMutex);
            auto file = buildImageFile(image, lengths);
            Status written = file ? writeWholeFile(receivePath, *file) : Status(file.error());
            if (written)
                std::cout << "received " << image.size() << " bytes into " << receivePath << std::endl;
            else
                std::cerr << "ft817clone sim: " << written.error().message << std::endl;
        };
    }
    if (!catPath.empty()) {
        options.onCatCommand = [&](const std::array<std::uint8_t, 5>& command) {
            std::lock_guard lock(outputMutex);
            std::ofstream log(catPath, std::ios::app);
            log << hexLine(command) << "\n";
            if (!log)
                std::cerr << "ft817clone sim: cannot write to " << catPath << std::endl;
            std::cout << "CAT " << hexLine(command) << std::endl;
        };
    }
    if (!catPath.empty()) {
        // Make sure the log can be written before serving.
        std::ofstream log(catPath, std::ios::app);
        if (!log)
            return failure("cannot write to " + catPath);
    }

    // SIGINT and SIGTERM are taken by sigtimedwait below; blocked before the
    // radio's thread starts, so that thread never sees them either.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &signals, &previous);

    sim::SimulatedRadio radio(options);
    if (Status started = radio.start(link); !started) {
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        return failure("cannot start: " + started.error().message);
    }
    std::cout << radio.slavePath() << std::endl;
    {
        std::lock_guard lock(outputMutex);
        std::cout << "simulated " << sim::modelName(options.model) << " (" << lengths.size() << " blocks) in "
                  << modeName(options.mode) << " mode at " << link << " -> " << radio.slavePath()
                  << (options.pacing ? ", 9600 baud" : ", no pacing") << std::endl;
    }

    bool interrupted = false;
    while (radio.isServing()) {
        timespec wait{0, 100'000'000};
        const int signal = sigtimedwait(&signals, nullptr, &wait);
        if (signal == SIGINT || signal == SIGTERM) {
            interrupted = true;
            break;
        }
    }
    const bool stoppedByItself = !interrupted && !options.once;
    radio.stop();
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (stoppedByItself)
        return failure("the simulated radio stopped: it could not bring its line back");
    return 0;
}

} // namespace ft817
