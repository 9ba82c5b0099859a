#include "cli/commands.h"

#include "cat_protocol/cat_command.h"
#include "cat_protocol/cat_sender.h"
#include "platform/clock.h"
#include "platform/qt_serial_port.h"

#include <iostream>

namespace ft817 {
namespace {

void printCatUsage(std::ostream& out)
{
    out << "Usage: ft817clone cat [--port DEVICE] DIGITS\n"
           "\n"
           "Sends one CAT set-frequency command to the radio in normal operation.\n"
           "DIGITS is the frequency in 10 Hz steps, 5 to 8 digits: 43970000 is 439.700 MHz.\n"
           "\n"
           "  --port DEVICE   serial device of the radio (default: the first USB serial adapter)\n";
}

} // namespace

int runCatCommand(const Arguments& args)
{
    std::string device;
    std::string digits;
    bool haveDigits = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            printCatUsage(std::cout);
            return 0;
        }
        if (arg == "--port") {
            if (i + 1 >= args.size()) {
                std::cerr << "ft817clone cat: --port needs a device\n\n";
                printCatUsage(std::cerr);
                return 2;
            }
            device = args[++i];
        } else if (arg.rfind("--port=", 0) == 0) {
            device = arg.substr(7);
        } else if (arg.rfind("--", 0) == 0 || haveDigits) {
            std::cerr << "ft817clone cat: unexpected argument '" << arg << "'\n\n";
            printCatUsage(std::cerr);
            return 2;
        } else {
            digits = arg;
            haveDigits = true;
        }
    }
    if (!haveDigits) {
        std::cerr << "ft817clone cat: missing DIGITS\n\n";
        printCatUsage(std::cerr);
        return 2;
    }

    const CatCommandBuild build = buildCatCommand(digits);
    if (!build.command) {
        const std::string reason = build.reason.empty()
                                       ? "Not sent: at least 5 digits, the frequency in 10 Hz steps "
                                         "(43970000 is 439.700 MHz)."
                                       : build.reason;
        std::cerr << "ft817clone cat: " << reason << "\n";
        return 1;
    }

    if (device.empty())
        device = defaultSerialDevice();
    QtSerialPort port(device);
    SteadyClock clock;
    const Status sent = sendCatCommand(port, clock, *build.command);
    if (!sent) {
        std::cerr << "ft817clone cat: " << sent.error().message;
        if (!sent.error().detail.empty())
            std::cerr << " (" << sent.error().detail << ")";
        std::cerr << "\n";
        return 1;
    }
    std::cout << "sent " << catCommandHex(*build.command) << " (" << build.meaning << ") to " << device
              << "\n";
    return 0;
}

} // namespace ft817
