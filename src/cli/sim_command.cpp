// ft817clone sim: a simulated radio on a pseudo-terminal, served until
// SIGINT/SIGTERM (or after one transfer with --once), reachable through a
// symbolic link so that other programs can open it like a serial device.

#include "cat_protocol/cat_frames.h"
#include "cli/command_line.h"
#include "cli/commands.h"

#include "image/image_file.h"
#include "image/radio_model.h"
#include "platform/file_access.h"
#include "sim/default_memory.h"
#include "sim/simulated_radio.h"
#include "text/megahertz.h"

#include <charconv>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iostream>
#include <mutex>
#include <optional>
#include <string_view>
#include <utility>
#include <variant>

namespace ft817 {
namespace {

constexpr const char* kSimUsageStart =
    "Usage: ft817clone sim --link PATH [options]\n"
    "Runs a simulated FT-817 on a pseudo-terminal and makes PATH a symbolic link to it\n"
    "(PATH must not exist yet; the link is removed when the radio stops).\n"
    "Prints the pseudo-terminal's path, then serves until interrupted (Ctrl+C).\n"
    "\n"
    "Memory:\n"
    "  --image FILE            serve the memory held in this image file\n";

constexpr const char* kSimUsageEnd =
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
    "  --pause-before-block K  wait longer before sending block K (with --pause S)\n"
    "  --pause S               length of that pause in seconds\n"
    "  --stop-after-block K    fall silent after block K\n"
    "  --stop-in-block K       fall silent in the middle of block K\n"
    "  --damage-block K        send block K with its first data byte changed (its checksum\n"
    "                          then does not match)\n"
    "  --hang-up-at-end        drop the line once the last block is acknowledged\n"
    "  --never-ack             never acknowledge a block\n"
    "  --double-ack            acknowledge every block twice\n"
    "  --noise-before-ack HEX  send these bytes (for example 00FA) before every acknowledgement\n"
    "  --hang-up-in-block K    drop the line in the middle of block K (the link then points at a\n"
    "                          fresh pseudo-terminal)\n"
    "Normal operation (CAT):\n"
    "  --vfo MHZ,MODE          the VFO's frequency and mode (default 145,FM; modes LSB, USB, CW,\n"
    "                          CWR, AM, FM, DIG, PKT)\n"
    "  --eeprom FILE           answer EEPROM reads from this 8192-byte file (default: built from\n"
    "                          the memory)\n"
    "  --cat-rate BAUD         the radio's CAT RATE: 4800, 9600 (default) or 38400\n"
    "CAT faults:\n"
    "  --cat-silent-after N    answer N reads, then none\n"
    "  --cat-slow S            answer each read S seconds after the command (default 0.005)\n"
    "  --cat-echo              no radio: the line gives back every byte sent (TX tied to RX)\n"
    "  --cat-noise             no radio: every byte sent is answered with a byte of noise\n"
    "Other:\n"
    "  --once                  stop when the tool closes the port after one transfer\n"
    "  --help                  show this text\n";

// The --model option's lines: every known model, the first the default,
// wrapped at 90 columns under the options' description column.
std::string modelOptionHelp()
{
    constexpr std::size_t kWidth = 90;
    const std::string indent(26, ' ');
    const auto& models = knownRadioModels();
    std::string text = "  --model MODEL           built-in memory of";
    std::size_t lineLength = text.size();
    for (std::size_t i = 0; i < models.size(); ++i) {
        const bool last = i + 1 == models.size();
        const std::string word = std::string(last && i > 0 ? "or " : "") +
                                 std::string(models[i].commandName) + (i == 0 ? " (default)" : "") +
                                 (i + 2 < models.size() ? "," : "");
        if (lineLength + 1 + word.size() > kWidth) {
            text += "\n" + indent;
            lineLength = indent.size();
        } else {
            text += ' ';
            ++lineLength;
        }
        text += word;
        lineLength += word.size();
    }
    return text + "\n";
}

std::string simUsage()
{
    return kSimUsageStart + modelOptionHelp() + kSimUsageEnd;
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
    // Read with a decimal point whatever the user's locale ("0.5" under German too).
    // A leading plus sign is taken, as it always was.
    const std::string_view number = !text.empty() && text[0] == '+' ? std::string_view(text).substr(1) : text;
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (number.empty() || (number.size() < text.size() && number[0] == '-') || error != std::errc() ||
        end != number.data() + number.size() || !(value >= 0.0) || value > 86400.0)
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

// What sim was asked to run: the radio's options and the files it uses.
struct SimRequest {
    sim::RadioOptions options;
    std::string link;
    std::string imagePath;
    std::string receivePath;
    std::string catPath;
    std::string eepromPath;
};

void addSimOptions(CommandLine& line)
{
    for (const char* flag : {"send", "auto", "no-pacing", "never-ack", "double-ack", "hang-up-at-end", "once",
                             "cat-echo", "cat-noise"})
        line.addFlag(flag);
    const std::pair<const char*, const char*> valued[] = {
        {"link", "PATH"},
        {"image", "FILE"},
        {"model", "MODEL"},
        {"receive", "OUT"},
        {"cat", "LOG"},
        {"start-delay", "S"},
        {"block-delay", "S"},
        {"ack-delay", "S"},
        {"pause-in-block", "K"},
        {"pause", "S"},
        {"pause-before-block", "K"},
        {"damage-block", "K"},
        {"stop-after-block", "K"},
        {"stop-in-block", "K"},
        {"hang-up-in-block", "K"},
        {"noise-before-ack", "HEX"},
        {"vfo", "MHZ,MODE"},
        {"eeprom", "FILE"},
        {"cat-rate", "BAUD"},
        {"cat-silent-after", "N"},
        {"cat-slow", "S"},
    };
    for (const auto& [name, valueName] : valued)
        line.addValueOption(name, valueName);
}

// Reads a block number option into `into` when it is given; false after reporting a bad one.
bool readCount(const CommandLine& line, const char* name, int& into)
{
    if (!line.isSet(name))
        return true;
    const std::string text = line.value(name);
    const auto number = parseCount(text);
    if (!number) {
        line.usageError(std::string("--") + name + " needs a block number, not '" + text + "'");
        return false;
    }
    into = *number;
    return true;
}

// Reads a number of seconds into `into` when it is given; false after reporting a bad one.
bool readSeconds(const CommandLine& line, const char* name, double& into)
{
    if (!line.isSet(name))
        return true;
    const std::string text = line.value(name);
    const auto seconds = parseSeconds(text);
    if (!seconds) {
        line.usageError(std::string("--") + name + " needs a number of seconds, not '" + text + "'");
        return false;
    }
    into = *seconds;
    return true;
}

// --send, --receive, --cat or --auto: at most one; false after reporting more.
bool readMode(const CommandLine& line, SimRequest& request)
{
    int modes = 0;
    if (line.isSet("auto")) {
        request.options.mode = sim::Mode::Auto;
        ++modes;
    }
    if (line.isSet("send")) {
        request.options.mode = sim::Mode::Send;
        ++modes;
    }
    if (line.isSet("receive")) {
        request.options.mode = sim::Mode::Receive;
        request.receivePath = line.value("receive");
        ++modes;
    }
    if (line.isSet("cat")) {
        request.options.mode = sim::Mode::Cat;
        request.catPath = line.value("cat");
        ++modes;
    }
    if (modes > 1) {
        line.usageError("choose one of --send, --receive, --cat and --auto");
        return false;
    }
    return true;
}

bool readMemory(const CommandLine& line, SimRequest& request)
{
    request.imagePath = line.value("image");
    if (!line.isSet("model"))
        return true;
    const std::string text = line.value("model");
    const auto model = sim::modelNamed(text);
    if (!model) {
        line.usageError("unknown model '" + text + "' (" + radioModelCommandNames() + ")");
        return false;
    }
    request.options.model = *model;
    return true;
}

bool readTiming(const CommandLine& line, sim::RadioOptions& options)
{
    options.pacing = !line.isSet("no-pacing");
    return readSeconds(line, "start-delay", options.startDelay) &&
           readSeconds(line, "block-delay", options.blockDelay) &&
           readSeconds(line, "ack-delay", options.ackDelay);
}

bool readFaults(const CommandLine& line, sim::Faults& faults)
{
    if (!readCount(line, "pause-in-block", faults.pauseInBlock) ||
        !readSeconds(line, "pause", faults.pauseSeconds) ||
        !readCount(line, "stop-after-block", faults.stopAfterBlock) ||
        !readCount(line, "stop-in-block", faults.stopInBlock) ||
        !readCount(line, "hang-up-in-block", faults.hangUpInBlock) ||
        !readCount(line, "pause-before-block", faults.pauseBeforeBlock) ||
        !readCount(line, "damage-block", faults.damageBlock))
        return false;
    faults.neverAcknowledge = line.isSet("never-ack");
    faults.doubleAcknowledge = line.isSet("double-ack");
    faults.hangUpAtEnd = line.isSet("hang-up-at-end");
    if (line.isSet("noise-before-ack")) {
        const std::string text = line.value("noise-before-ack");
        const auto bytes = parseHex(text);
        if (!bytes) {
            line.usageError("--noise-before-ack needs hexadecimal bytes such as 00FA, not '" + text + "'");
            return false;
        }
        faults.bytesBeforeAck = *bytes;
    }
    if ((faults.pauseInBlock >= 0 || faults.pauseBeforeBlock >= 0) && !line.isSet("pause")) {
        line.usageError(std::string(faults.pauseInBlock >= 0 ? "--pause-in-block" : "--pause-before-block") +
                        " needs --pause S");
        return false;
    }
    if (line.isSet("pause") && faults.pauseInBlock < 0 && faults.pauseBeforeBlock < 0) {
        line.usageError("--pause needs --pause-in-block K or --pause-before-block K, the block to pause at");
        return false;
    }
    return true;
}

// --vfo 145.6125,FM into the radio's VFO; false after reporting a bad one.
bool readVfo(const CommandLine& line, sim::CatOptions& cat)
{
    if (!line.isSet("vfo"))
        return true;
    const std::string text = line.value("vfo");
    const std::size_t comma = text.find(',');
    // MHz as everywhere else, rounded to the radio's 10 Hz; a leading plus sign
    // is taken, as it always was.
    std::string_view typed = std::string_view(text).substr(0, comma);
    if (!typed.empty() && typed.front() == '+')
        typed.remove_prefix(1);
    const Result<std::uint32_t> frequency = parseMegahertz(typed, FinerDigits::Rounded);
    std::optional<std::uint8_t> mode;
    if (comma != std::string::npos) {
        const std::string name = text.substr(comma + 1);
        for (const CatMode m : {CatMode::Lsb, CatMode::Usb, CatMode::Cw, CatMode::Cwr, CatMode::Am,
                                CatMode::Fm, CatMode::Dig, CatMode::Pkt}) {
            if (catModeName(m) == name)
                mode = catModeByte(m);
        }
    }
    // The radio's frequency is eight BCD digits of 10 Hz: at most 999.99999 MHz.
    if (!frequency || *frequency > 99'999'999u || !mode) {
        line.usageError("--vfo needs MHZ,MODE such as 145.6125,FM, not '" + text + "'" +
                        (frequency ? std::string() : " (" + frequency.error().message + ")"));
        return false;
    }
    cat.vfoFrequency = *frequency;
    cat.vfoMode = *mode;
    return true;
}

// The CAT side's options: VFO, rate and faults; false after reporting a bad one.
bool readCatSide(const CommandLine& line, sim::CatOptions& cat)
{
    if (!readVfo(line, cat) || !readCount(line, "cat-silent-after", cat.silentAfterReads) ||
        !readSeconds(line, "cat-slow", cat.answerDelay))
        return false;
    if (line.isSet("cat-echo") && line.isSet("cat-noise")) {
        line.usageError("choose one of --cat-echo and --cat-noise");
        return false;
    }
    if (line.isSet("cat-echo"))
        cat.line = sim::CatLine::Echo;
    if (line.isSet("cat-noise"))
        cat.line = sim::CatLine::Noise;
    if (line.isSet("cat-rate")) {
        const std::string text = line.value("cat-rate");
        const auto rate = parseCount(text);
        if (!rate || (*rate != 4800 && *rate != 9600 && *rate != 38400)) {
            line.usageError("--cat-rate needs 4800, 9600 or 38400, not '" + text + "'");
            return false;
        }
        cat.rate = *rate;
    }
    return true;
}

// Takes the EEPROM the radio answers CAT reads from out of --eeprom's file;
// false after reporting why it cannot (a file that cannot be read is a failed job, not wrong usage).
bool loadEeprom(SimRequest& request)
{
    if (request.eepromPath.empty())
        return true;
    auto bytes = readWholeFile(request.eepromPath);
    if (!bytes) {
        commandMessage("sim", bytes.error().message);
        return false;
    }
    if (bytes->size() != sim::kEepromSize) {
        commandMessage("sim", request.eepromPath + " holds " + std::to_string(bytes->size()) +
                                  " bytes, not the EEPROM's 8192");
        return false;
    }
    request.options.cat.eeprom = std::move(*bytes);
    return true;
}

// Reads sim's arguments: the request, or the exit code when nothing is to run.
std::variant<SimRequest, int> readSimArguments(const Arguments& args)
{
    CommandLine line("sim", simUsage(), true);
    addSimOptions(line);
    if (const auto exit = line.parse(args))
        return *exit;
    if (const std::vector<std::string> extra = line.files(); !extra.empty())
        return line.usageError("unknown argument '" + extra[0] + "'");
    SimRequest request;
    request.link = line.value("link");
    request.options.once = line.isSet("once");
    if (!readMode(line, request) || !readMemory(line, request) || !readTiming(line, request.options) ||
        !readFaults(line, request.options.faults) || !readCatSide(line, request.options.cat))
        return kUsageExit;
    if (request.link.empty())
        return line.usageError("--link PATH is required");
    request.eepromPath = line.value("eeprom");
    return request;
}

// Serves the memory held in the request's image file; false after reporting why it cannot.
bool loadServedImage(SimRequest& request)
{
    if (request.imagePath.empty())
        return true;
    const auto file = readImageFileBytes(request.imagePath);
    if (!file) {
        commandMessage("sim", file.error().message);
        return false;
    }
    const auto layout = readImageLayout(*file);
    if (!layout) {
        commandMessage("sim", request.imagePath + ": " + layout.error().message);
        return false;
    }
    request.options.image.assign(file->begin(), file->begin() + layout->cloneBytes());
    for (int k = 0; k <= layout->lastBlock; ++k)
        request.options.blockLengths.push_back(layout->blockLength(k));
    return true;
}

// Writes what the radio receives and logs the CAT commands it takes, as the
// request asks; both report on the terminal under outputMutex.
void attachOutputs(SimRequest& request, const std::vector<int>& lengths, std::mutex& outputMutex)
{
    if (!request.receivePath.empty()) {
        request.options.onImageReceived = [&outputMutex, lengths,
                                           path = request.receivePath](const Bytes& image) {
            std::lock_guard lock(outputMutex);
            auto file = buildImageFile(image, lengths);
            Status written = file ? writeWholeFile(path, *file) : Status(file.error());
            if (written)
                std::cout << "received " << image.size() << " bytes into " << path << std::endl;
            else
                commandMessage("sim", written.error().message);
        };
    }
    if (!request.catPath.empty()) {
        request.options.onCatCommand = [&outputMutex, path = request.catPath](const CatCommand& command) {
            std::lock_guard lock(outputMutex);
            std::ofstream log(path, std::ios::app);
            log << catCommandHex(command) << "\n";
            if (!log)
                commandMessage("sim", "cannot write to " + path);
            std::cout << "CAT " << catCommandHex(command) << std::endl;
        };
    }
    // The LOG file holds the commands alone, one per line; what the radio
    // made of them (a forbidden opcode, a wrong rate, silence) is said on
    // the output, a forbidden opcode on the error output too.
    request.options.onCatLog = [&outputMutex](const std::string& what) {
        std::lock_guard lock(outputMutex);
        std::cout << "CAT " << what << std::endl;
        if (what.rfind("FAULT", 0) == 0)
            commandMessage("sim", what);
    };
}

// Runs the radio until SIGINT or SIGTERM, or until it stops by itself; the exit code.
int serve(const SimRequest& request, std::size_t blockCount, std::mutex& outputMutex)
{
    const sim::RadioOptions& options = request.options;
    // SIGINT and SIGTERM are taken by sigtimedwait below; blocked before the
    // radio's thread starts, so that thread never sees them either.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &stopSignals, &previous);

    sim::SimulatedRadio radio(options);
    if (Status started = radio.start(request.link); !started) {
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        return commandFailure("sim", "cannot start: " + started.error().message);
    }
    std::cout << radio.slavePath() << std::endl;
    {
        std::lock_guard lock(outputMutex);
        std::cout << "simulated " << sim::modelName(options.model) << " (" << blockCount << " blocks) in "
                  << modeName(options.mode) << " mode at " << request.link << " -> " << radio.slavePath()
                  << (options.pacing ? ", 9600 baud" : ", no pacing") << std::endl;
    }

    bool interrupted = false;
    while (radio.isServing()) {
        timespec wait{0, 100'000'000};
        const int signal = sigtimedwait(&stopSignals, nullptr, &wait);
        if (signal == SIGINT || signal == SIGTERM) {
            interrupted = true;
            break;
        }
    }
    const bool stoppedByItself = !interrupted && !options.once;
    radio.stop();
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (stoppedByItself)
        return commandFailure("sim", "the simulated radio stopped: it could not bring its line back");
    return 0;
}

} // namespace

int runSimCommand(const Arguments& args)
{
    auto read = readSimArguments(args);
    if (const int* exit = std::get_if<int>(&read))
        return *exit;
    SimRequest& request = std::get<SimRequest>(read);
    if (!loadServedImage(request) || !loadEeprom(request))
        return kFailedExit;
    const std::vector<int> lengths = request.options.image.empty()
                                         ? sim::defaultMemory(request.options.model).blockLengths
                                         : request.options.blockLengths;
    if (const Status faults = sim::checkFaults(request.options.faults, static_cast<int>(lengths.size()));
        !faults) {
        commandMessage("sim", faults.error().message + " (see ft817clone sim --help)");
        return kUsageExit;
    }
    // Found out now, not after a whole upload has been taken.
    if (!request.receivePath.empty()) {
        if (const Status writable = checkWritable(request.receivePath); !writable)
            return commandFailure("sim", writable.error().message);
    }
    if (!request.catPath.empty()) {
        // Make sure the log can be written before serving.
        std::ofstream log(request.catPath, std::ios::app);
        if (!log)
            return commandFailure("sim", "cannot write to " + request.catPath);
    }
    std::mutex outputMutex;
    attachOutputs(request, lengths, outputMutex);
    return serve(request, lengths.size(), outputMutex);
}

} // namespace ft817
