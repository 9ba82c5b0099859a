// The download and upload subcommands: the same transfers as the main
// window's buttons, with the status texts and progress on the terminal.

#include "cli/command_line.h"
#include "cli/commands.h"

#include "clone/transfer.h"
#include "platform/clock.h"
#include "platform/qt_serial_port.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <variant>
#include <unistd.h>

namespace ft817 {
namespace {

using Direction = TransferKind;

// Exit code of a transfer stopped with Ctrl-C, as shells report an interrupt.
constexpr int kInterruptedExit = 130;

volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void onInterrupt(int)
{
    g_interrupted = 1;
}

// Turns Ctrl-C (and a polite kill) into a request to abandon the transfer
// for as long as it runs; the transfer then closes the port and writes nothing.
class InterruptGuard {
public:
    InterruptGuard()
    {
        g_interrupted = 0;
        struct sigaction action {};
        action.sa_handler = onInterrupt;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGINT, &action, &m_oldInterrupt);
        ::sigaction(SIGTERM, &action, &m_oldTerminate);
    }
    ~InterruptGuard()
    {
        ::sigaction(SIGINT, &m_oldInterrupt, nullptr);
        ::sigaction(SIGTERM, &m_oldTerminate, nullptr);
    }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

private:
    struct sigaction m_oldInterrupt {};
    struct sigaction m_oldTerminate {};
};

// Shows a transfer on standard output: on a terminal one progress bar
// redrawn in place, otherwise plain lines, one per block and one per status.
class ConsoleSink : public TransferSink {
public:
    ConsoleSink(Direction direction, bool terminal) : m_direction(direction), m_terminal(terminal) {}
    ~ConsoleSink() override { endBar(); }
    ConsoleSink(const ConsoleSink&) = delete;
    ConsoleSink& operator=(const ConsoleSink&) = delete;

    void status(const std::string& text) override
    {
        endBar();
        std::cout << text << std::endl;
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
        if (m_terminal) {
            drawBar(true);
        } else {
            std::cout << "block " << blocks - 1 << " acknowledged, " << bytes << " bytes "
                      << (m_direction == Direction::Download ? "received" : "sent") << std::endl;
        }
    }
    bool abandoned() override { return g_interrupted != 0; }

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
                          std::to_string(shown * 100 / span) + "%  " + std::to_string(m_value) + " bytes, " +
                          std::to_string(m_blocks) + " blocks";
        std::cout << bar << "\x1b[K" << std::flush;
        m_barShown = true;
    }

    Direction m_direction;
    bool m_terminal;
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
    "  --fast          fast transfer: about 9.5 s for a whole memory instead of 21 to 24 s\n";

std::string usage(Direction direction)
{
    if (direction == Direction::Download)
        return std::string("Usage: ft817clone download [--port DEVICE] [--fast] FILE\n"
                           "\n"
                           "Receives the radio's memory in clone mode and saves it as the image file FILE.\n"
                           "Start the command, then start sending on the radio (clone mode, TX key).\n"
                           "The command waits for the radio without limit; Ctrl-C stops it and saves nothing.\n") +
               kPortHelp;
    return std::string("Usage: ft817clone upload [--port DEVICE] [--fast] FILE\n"
                       "\n"
                       "Sends the image file FILE to the radio, which must already wait in clone mode\n"
                       "(RX key). Each block goes out with a fresh checksum; Ctrl-C stops the upload.\n") +
           kPortHelp;
}

// Which port, which image file and which timing a transfer uses.
struct TransferRequest {
    std::string device;
    std::string path;
    TransferTiming timing = TransferTiming::Standard;
};

std::variant<TransferRequest, int> readTransferArguments(Direction direction, const Arguments& args)
{
    CommandLine line(commandName(direction), usage(direction));
    line.addValueOption("port", "DEVICE");
    line.addFlag("fast");
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
    return TransferRequest{device.empty() ? defaultSerialDevice() : device, files[0],
                           line.isSet("fast") ? TransferTiming::Fast : TransferTiming::Standard};
}

int runTransfer(Direction direction, const Arguments& args)
{
    const auto read = readTransferArguments(direction, args);
    if (const int* exit = std::get_if<int>(&read))
        return *exit;
    const auto& [device, path, timing] = std::get<TransferRequest>(read);

    const bool terminal = ::isatty(STDOUT_FILENO) == 1;
    if (direction == Direction::Download)
        std::cout << "Receiving from " << device << " into " << path
                  << ". Start sending on the radio; Ctrl-C stops." << std::endl;
    else
        std::cout << "Sending " << path << " to " << device << "." << std::endl;
    if (timing == TransferTiming::Fast)
        std::cout << timingDescription(timing) << std::endl;

    QtSerialPort port(device);
    SteadyClock clock;
    ConsoleSink sink(direction, terminal);
    TransferReport report;
    {
        InterruptGuard guard;
        report = transfer(direction, port, clock, path, sink, timing);
    }
    port.close();
    sink.endBar();

    if (report.complete) {
        std::cout << (direction == Direction::Download ? "Saved " : "Sent ") << path << ": " << report.bytes
                  << " bytes in " << report.blocks << " blocks." << std::endl;
        return 0;
    }
    std::cerr << "ft817clone " << commandName(direction) << ": " << report.reason << "\n";
    if (!report.detail.empty())
        std::cerr << "  " << report.detail << "\n";
    return report.abandoned ? kInterruptedExit : 1;
}

}  // namespace

int runDownloadCommand(const Arguments& args)
{
    return runTransfer(Direction::Download, args);
}

int runUploadCommand(const Arguments& args)
{
    return runTransfer(Direction::Upload, args);
}

}  // namespace ft817
