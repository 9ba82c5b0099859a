// ft817clone: with no command it opens the windows; with a command it runs
// that command headless (see --help).

#include "cli/commands.h"
#include "app/main_window.h"
#include "platform/qt_serial_port.h"
#include "sim/simulated_radio.h"

#include <QApplication>
#include <QCoreApplication>
#include <iostream>
#include <memory>

using namespace ft817;

int main(int argc, char** argv)
{
    const Arguments args(argv + 1, argv + argc);
    if (!args.empty()) {
        for (const Subcommand& command : subcommands()) {
            if (args[0] == command.name) {
                QCoreApplication app(argc, argv);
                return command.run(Arguments(args.begin() + 1, args.end()));
            }
        }
    }

    std::string device;
    bool simulate = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            std::cout << programUsage();
            return 0;
        }
        if (args[i] == "--simulate") {
            simulate = true;
        } else if (args[i] == "--port" && i + 1 < args.size()) {
            device = args[++i];
        } else if (args[i].rfind("--port=", 0) == 0) {
            device = args[i].substr(7);
        } else {
            std::cerr << "ft817clone: unknown argument '" << args[i] << "'\n\n" << programUsage();
            return 2;
        }
    }

    QApplication app(argc, argv);
    std::unique_ptr<sim::SimulatedRadio> radio;
    if (simulate) {
        sim::RadioOptions options;
        options.mode = sim::Mode::Auto;
        radio = std::make_unique<sim::SimulatedRadio>(options);
        const Status started = radio->start();
        if (!started) {
            std::cerr << "ft817clone: cannot start the simulated radio: " << started.error().full() << "\n";
            return 1;
        }
        device = radio->devicePath();
    }
    if (device.empty())
        device = defaultSerialDevice();

    MainWindow window(std::make_unique<QtSerialPort>(device));
    window.show();
    window.activateWindow();
    const int code = app.exec();
    window.close();
    return code;
}
