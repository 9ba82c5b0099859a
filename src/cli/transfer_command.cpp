// The download and upload subcommands: the same transfers as the main
// window's buttons, with the status texts and progress on the terminal.

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/memory_check.h"

#include "clone/transfer.h"
#include "image/image_check.h"
#include "image/radio_model.h"
#include "platform/clock.h"
#include "platform/file_messages.h"
#include "platform/interrupt_guard.h"
#include "platform/qt_history_folder.h"
#include "platform/qt_serial_port.h"
#include "platform/terminal.h"
#include "text/text_format.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <variant>

namespace ft817 {
namespace {

using Direction = TransferKind;

// Shows a transfer on standard output: on a terminal one progress line
// redrawn in place (percent, bytes, blocks, elapsed time), otherwise plain
// lines, one per block and one per status; `verbose` adds the block lines
// on a terminal too.
class ConsoleSink : public TransferSink {
public:
    ConsoleSink(Direction direction, bool terminal, bool verbose)
        : m_direction(direction), m_terminal(terminal), m_verbose(verbose)
    {
    }
    ~ConsoleSink() override { endBar(); }
    ConsoleSink(const ConsoleSink&) = delete;
    ConsoleSink& operator=(const ConsoleSink&) = delete;

    // The status box's text, labelled: "status: waiting", "status: 300  2".
    void status(const std::string& text) override
    {
        endBar();
        std::cout << "status:" << (text.rfind(' ', 0) == 0 ? "" : " ") << text << std::endl;
    }
    void progressRange(int minimum, int maximum) override
    {
        m_minimum = minimum;
        m_maximum = maximum;
    }
    void progressMaximum(int maximum) override { m_maximum = maximum; }
    void progressValue(int value) override
    {
        m_value = value;
        if (m_terminal)
            drawBar(false);
    }
    void blockDone(int blocks, int bytes) override
    {
        m_blocks = blocks;
        m_bytes = bytes;
        if (!m_terminal || m_verbose) {
            endBar();
            std::cout << "block " << blocks - 1 << " acknowledged, " << countOf(bytes, "byte", "bytes") << " "
                      << (m_direction == Direction::Download ? "received" : "sent") << std::endl;
        }
        if (m_terminal)
            drawBar(true);
    }
    bool abandoned() override { return InterruptGuard::requested(); }

    // Leaves the progress bar's line so the next text starts on a fresh one.
    void endBar()
    {
        if (m_barShown)
            std::cout << std::endl;
        m_barShown = false;
    }

private:
    void drawBar(bool force)
    {
        using namespace std::chrono;
        const auto now = steady_clock::now();
        if (!force && m_barShown && now - m_lastDraw < milliseconds(100))
            return;
        m_lastDraw = now;
        constexpr int kWidth = 30;
        const int span = std::max(1, m_maximum - m_minimum);
        const int shown = std::clamp(m_value, m_minimum, m_maximum) - m_minimum;
        const int filled = static_cast<int>(static_cast<long long>(shown) * kWidth / span);
        std::string bar = "\r[" + std::string(static_cast<std::size_t>(filled), '#') +
                          std::string(static_cast<std::size_t>(kWidth - filled), '.') + "] " +
                          std::to_string(shown * 100 / span) + "%  " + countOf(m_value, "byte", "bytes") +
                          ", " + countOf(m_blocks, "block", "blocks") + ", " + elapsedText();
        std::cout << bar << "\x1b[K" << std::flush;
        m_barShown = true;
    }

    // Seconds since the transfer started, with one decimal: "12.3 s".
    std::string elapsedText() const
    {
        const auto tenths = std::chrono::duration_cast<std::chrono::milliseconds>(
                                std::chrono::steady_clock::now() - m_started)
                                .count() /
                            100;
        return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " s";
    }

    Direction m_direction;
    bool m_terminal;
    bool m_verbose;
    std::chrono::steady_clock::time_point m_started = std::chrono::steady_clock::now();
    int m_minimum = 0;
    int m_maximum = 100;
    int m_value = 0;
    int m_blocks = 0;
    int m_bytes = 0;
    bool m_barShown = false;
    std::chrono::steady_clock::time_point m_lastDraw{};
};

const char* commandName(Direction direction)
{
    return direction == Direction::Download ? "download" : "upload";
}

constexpr const char* kPortHelp =
    "\n"
    "  --port DEVICE   serial device of the radio (default: the first USB serial adapter)\n"
    "  --fast          fast transfer: about 9.5 s for a whole memory instead of 21 to 24 s\n"
    "  --verbose       a line for every block, also on a terminal (which otherwise shows one\n"
    "                  progress line that updates in place)\n";

std::string usage(Direction direction)
{
    if (direction == Direction::Download)
        return std::string(
                   "Usage: ft817clone download [--port DEVICE] [--fast] FILE\n"
                   "\n"
                   "Receives the radio's memory in clone mode and saves it as the image file FILE.\n"
                   "Start the command, then start sending on the radio (in clone mode, the A key).\n"
                   "The command waits for the radio without limit; Ctrl-C stops it and saves nothing.\n") +
               wrapped("What arrived is saved as received; when it is not a whole memory of an " +
                           radioModelNames() +
                           " the command says why and exits with 1. Every saved image, and any file it "
                           "replaces, is also kept in the history folder ($XDG_DATA_HOME/ft817clone/history, "
                           "by default ~/.local/share/ft817clone/history).",
                       80) +
               kPortHelp;
    return std::string(
               "Usage: ft817clone upload [--port DEVICE] [--fast] [--any-layout] FILE\n"
               "\n"
               "Sends the image file FILE to the radio, which must already wait in clone-receive\n"
               "(in clone mode, the C key). Each block goes out with a fresh checksum; Ctrl-C stops the "
               "upload.\n"
               "An image that is not a whole memory of a known radio, whose stored checksums do\n"
               "not match (a block arrived damaged), or that holds a channel or special memory in\n"
               "use whose frequency the radio cannot tune (each is named), is refused unless\n"
               "--any-layout.\n"
               "FILE may also be a payload file of another programming tool (see convert --help).\n") +
           kPortHelp +
           "  --any-layout    send the image even when it is not a whole memory of a known radio,\n"
           "                  has damaged blocks (they go out with fresh checksums) or holds\n"
           "                  frequencies the radio cannot tune\n";
}

// Each warning on a line of its own on standard error, where it stands out.
void printWarnings(const char* command, const TransferReport& report)
{
    for (const std::string& warning : report.warnings)
        commandMessage(command, "warning: " + warning);
}

// Prints how an upload the image check refused ended: why, the memories the
// radio cannot tune one a line, and how to send it all the same.
void reportRefusedUpload(const char* command, const TransferReport& report)
{
    const std::vector<std::string>& untuned = report.untunedMemories;
    const std::string hint = "  To send it all the same, give --any-layout.\n";
    if (report.notWholeMemory.empty()) {
        // Refused for the frequencies alone: the reason names at most five.
        commandMessage(command, untunedHeading(untuned.size()) + ":",
                       untunedMemoryLines(untuned) + "  " + report.detail + "\n" + hint);
        return;
    }
    std::string after = report.detail.empty() ? "" : "  " + report.detail + "\n";
    if (!untuned.empty())
        after += "  Also, " + untunedHeading(untuned.size()) + ":\n" + untunedMemoryLines(untuned);
    commandMessage(command, report.reason, after + hint);
}

// Prints how the transfer ended and returns the exit code: 0 only for a
// whole memory of a known radio received and saved, or sent and taken.
// An upload that the image check refused (layouts WholeMemoryOnly) says how
// to send it all the same.
int reportOutcome(Direction direction, const std::string& path, const TransferReport& report,
                  UploadLayout layouts)
{
    for (const std::string& note : report.notes)
        std::cout << "Note: " << note << "." << std::endl;
    const char* command = commandName(direction);
    if (!report.complete) {
        const bool refusedUnasked = direction == Direction::Upload &&
                                    layouts == UploadLayout::WholeMemoryOnly &&
                                    (!report.notWholeMemory.empty() || !report.untunedMemories.empty());
        if (refusedUnasked) {
            reportRefusedUpload(command, report);
            return kFailedExit;
        }
        commandMessage(command, report.reason, report.detail.empty() ? "" : "  " + report.detail + "\n");
        return report.abandoned ? kInterruptedExit : kFailedExit;
    }
    const std::string counts =
        countOf(report.bytes, "byte", "bytes") + " in " + countOf(report.blocks, "block", "blocks");
    if (direction == Direction::Download && !report.notWholeMemory.empty()) {
        printWarnings(command, report);
        commandMessage(command, "not a whole memory: " + report.notWholeMemory,
                       "  What arrived (" + counts + ") was saved at " + path +
                           " as received; do not upload it. Put the radio back into clone mode and download "
                           "again.\n");
        return kFailedExit;
    }
    std::cout << (direction == Direction::Download ? "Saved " : "Sent ") << path << ": " << counts
              << (report.radio.empty() ? "" : " (" + report.radio + ")") << "." << std::endl;
    printWarnings(command, report);
    return 0;
}

// Which port, which image file and which timing a transfer uses.
struct TransferRequest {
    std::string device;
    std::string path;
    UploadLayout layouts = UploadLayout::WholeMemoryOnly;
    TransferTiming timing = TransferTiming::Standard;
    bool verbose = false;
};

std::variant<TransferRequest, int> readTransferArguments(Direction direction, const Arguments& args)
{
    CommandLine line(commandName(direction), usage(direction));
    line.addValueOption("port", "DEVICE");
    line.addFlag("fast");
    line.addFlag("verbose");
    if (direction == Direction::Upload)
        line.addFlag("any-layout");
    if (const auto exit = line.parse(args))
        return *exit;
    if (line.isSet("port") && line.value("port").empty())
        return line.usageError("--port needs a device");
    const std::vector<std::string> files = line.files();
    if (files.empty() || files[0].empty())
        return line.usageError("missing the image FILE");
    if (files.size() > 1)
        return line.usageError("only one image file, please (got '" + files[0] + "' and '" + files[1] + "')");
    const std::string device = line.value("port");
    const bool anyLayout = direction == Direction::Upload && line.isSet("any-layout");
    return TransferRequest{device.empty() ? defaultSerialDevice() : device, files[0],
                           anyLayout ? UploadLayout::AnyLayout : UploadLayout::WholeMemoryOnly,
                           line.isSet("fast") ? TransferTiming::Fast : TransferTiming::Standard,
                           line.isSet("verbose")};
}

int runTransfer(Direction direction, const Arguments& args)
{
    const auto read = readTransferArguments(direction, args);
    if (const int* exit = std::get_if<int>(&read))
        return *exit;
    const auto& [device, path, layouts, timing, verbose] = std::get<TransferRequest>(read);

    const bool terminal = standardOutputIsTerminal();
    if (direction == Direction::Download)
        std::cout << "Receiving from " << file_messages::shownName(device) << " into "
                  << file_messages::shownName(path)
                  << ". Start sending on the radio (the A key in clone mode); Ctrl-C stops." << std::endl;
    else
        std::cout << "Sending " << file_messages::shownName(path) << " to "
                  << file_messages::shownName(device) << "." << std::endl;
    if (timing == TransferTiming::Fast)
        std::cout << timingDescription(timing) << std::endl;

    QtSerialPort port(device);
    SteadyClock clock;
    ConsoleSink sink(direction, terminal, verbose);
    TransferReport report;
    {
        InterruptGuard guard;
        report =
            transfer(direction, port, clock, path, sink, TransferOptions{historyFolder(), layouts, timing});
    }
    port.close();
    sink.endBar();

    return reportOutcome(direction, path, report, layouts);
}

} // namespace

int runDownloadCommand(const Arguments& args)
{
    return runTransfer(Direction::Download, args);
}

int runUploadCommand(const Arguments& args)
{
    return runTransfer(Direction::Upload, args);
}

} // namespace ft817
