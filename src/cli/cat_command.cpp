#include "cli/command_line.h"
#include "cli/commands.h"

#include "cat_protocol/cat_link.h"
#include "cat_protocol/cat_text.h"
#include "image/frequency_range.h"
#include "platform/clock.h"
#include "platform/qt_serial_port.h"

#include <iostream>
#include <string>
#include <variant>

namespace ft817 {
namespace {

constexpr const char* kCatUsage =
    "Usage: ft817clone cat [--port DEVICE] DIGITS\n"
    "\n"
    "Sends one CAT set-frequency command to the radio in normal operation, at the CAT rate\n"
    "the radio answers at (9600 tried first), once its commands are brought into step, then\n"
    "reads the frequency back: a frequency the radio did not take is reported as not confirmed.\n"
    "DIGITS is the frequency in 10 Hz steps, 5 to 8 digits: 43970000 is 439.700 MHz.\n"
    "\n"
    "  --port DEVICE   serial device of the radio (default: the first USB serial adapter)\n";

// What cat was asked to send, and where.
struct CatRequest {
    std::string device;
    CatCommand command;
    std::string meaning;
};

// Reads cat's arguments: the command to send, or the exit code when nothing
// is sent. DIGITS that are no frequency the radio tunes are wrong usage.
std::variant<CatRequest, int> readCatArguments(const Arguments& args)
{
    CommandLine line("cat", kCatUsage);
    line.addValueOption("port", "DEVICE");
    if (const auto exit = line.parse(args))
        return *exit;
    const std::vector<std::string> words = line.files();
    if (line.isSet("port") && line.value("port").empty())
        return line.usageError("--port needs a device");
    if (words.empty())
        return line.usageError("missing DIGITS");
    if (words.size() > 1)
        return line.usageError("unexpected argument '" + words[1] + "'");
    const std::string& digits = words[0];
    const CatTextReading build = readCatText(digits);
    if (!build.command)
        return line.usageError(build.reason.empty()
                                   ? "Not sent: at least 5 digits, the frequency in 10 Hz steps "
                                     "(43970000 is 439.700 MHz)."
                                   : build.reason);
    // The digits are the frequency in 10 Hz steps; one the radio cannot tune is not sent.
    if (const Status tuned = checkTuned(static_cast<std::uint32_t>(std::stoul(digits))); !tuned)
        return line.usageError("not sent: " + tuned.error().message);
    return CatRequest{line.value("port"), *build.command, build.meaning};
}

} // namespace

int runCatCommand(const Arguments& args)
{
    const auto read = readCatArguments(args);
    if (const int* exit = std::get_if<int>(&read))
        return *exit;
    const CatRequest& request = std::get<CatRequest>(read);
    const std::string device = request.device.empty() ? defaultSerialDevice() : request.device;
    QtSerialPort port(device);
    SteadyClock clock;
    const Result<int> sent = sendInStep(port, clock, request.command, 0, 9600);
    if (!sent)
        return commandFailure("cat",
                              sent.error().message +
                                  (sent.error().detail.empty() ? "" : " (" + sent.error().detail + ")"));
    std::cout << "sent " << catCommandHex(request.command) << " (" << request.meaning << ") to " << device
              << " at " << *sent << " baud; the radio reads it back\n";
    return 0;
}

} // namespace ft817
