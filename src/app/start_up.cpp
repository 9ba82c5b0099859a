#include "app/start_up.h"

#include "app/main_window.h"
#include "app/port_menu.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/program.h"
#include "gui/language.h"
#include "platform/qt_history_folder.h"
#include "platform/qt_serial_port.h"
#include "platform/terminal.h"
#ifdef FT817_SIMULATED_RADIO
#include "sim/simulated_radio.h"
#endif

#include <QApplication>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QStringList>
#include <iostream>
#include <memory>
#include <optional>

namespace ft817 {
namespace {

// The windows' options.
struct WindowOptions {
    std::string device;
    bool simulate = false;
    bool fast = false;
};

// Reads the windows' options before any window system is needed, so that
// --help, --version and wrong usage work without a display. Empty after
// printing the help text or the version (exit code 0 in exitCode) or
// reporting wrong usage (2).
std::optional<WindowOptions> readWindowOptions(const QStringList& arguments, const std::string& usage,
                                               int& exitCode)
{
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version("version");
    const QCommandLineOption port("port", QString(), "DEVICE");
    const QCommandLineOption simulate("simulate");
    const QCommandLineOption fast("fast");
    parser.addOptions({help, version, port, simulate, fast});
    const bool parsed = parser.parse(arguments);
    std::string why = parser.errorText().toStdString();
    if (parsed && parser.isSet(help)) {
        std::cout << usage;
        exitCode = 0;
        return std::nullopt;
    }
    if (parsed && parser.isSet(version)) {
        std::cout << "ft817clone " << programVersion() << "\n";
        exitCode = 0;
        return std::nullopt;
    }
    if (parsed && !parser.positionalArguments().isEmpty())
        why = "unknown command or argument '" + parser.positionalArguments().first().toStdString() + "'";
    if (!why.empty()) {
        commandMessage("", why, "\n" + usage);
        exitCode = kUsageExit;
        return std::nullopt;
    }
    return WindowOptions{parser.value(port).toStdString(), parser.isSet(simulate), parser.isSet(fast)};
}

// True when --port was given an empty value (--port= or --port "").
bool parserSawEmptyPort(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--port=" ||
            (arguments[i] == "--port" && i + 1 < arguments.size() && arguments[i + 1].isEmpty()))
            return true;
    }
    return false;
}

} // namespace

WindowSystem buildWindowSystem()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return WindowSystem::X11OrWayland;
#else
    return WindowSystem::Native;
#endif
}

DisplayVariables currentDisplayVariables()
{
    return DisplayVariables{!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"),
                            !qEnvironmentVariableIsEmpty("DISPLAY"),
                            !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")};
}

bool displayMissing(WindowSystem system, const DisplayVariables& variables)
{
    return system == WindowSystem::X11OrWayland && !variables.qtPlatform && !variables.x11Display &&
           !variables.waylandDisplay;
}

int runWindows(const QStringList& arguments, int& argc, char** argv, const std::string& usage)
{
    int exitCode = 0;
    const std::optional<WindowOptions> options = readWindowOptions(arguments, usage, exitCode);
    if (!options)
        return exitCode;
    if (options->device.empty() && parserSawEmptyPort(arguments)) {
        commandMessage("", "--port needs a device (for example --port /dev/ttyUSB0)");
        return kUsageExit;
    }
    // Without a display the windows cannot open; say what works instead of aborting.
    if (displayMissing(buildWindowSystem(), currentDisplayVariables())) {
        return commandFailure(
            "", "there is no display to open the windows on (neither DISPLAY nor\n"
                "WAYLAND_DISPLAY is set). Without windows, run one of the commands instead, for\n"
                "example: ft817clone download FILE, ft817clone upload FILE, ft817clone show FILE\n"
                "(ft817clone --help lists them all).");
    }

    // Only now, with every message about the command line printed.
    leaveOwnConsole();
    std::string device = options->device;
#ifndef FT817_SIMULATED_RADIO
    if (options->simulate) {
        commandMessage("", kNoSimulatorHere);
        return kUsageExit;
    }
    QApplication app(argc, argv);
#else
    QApplication app(argc, argv);
    std::unique_ptr<sim::SimulatedRadio> radio;
    if (options->simulate) {
        sim::RadioOptions radioOptions;
        radioOptions.mode = sim::Mode::Auto;
        radio = std::make_unique<sim::SimulatedRadio>(radioOptions);
        const Status started = radio->start();
        if (!started) {
            return commandFailure("", "cannot start the simulated radio: " + started.error().full());
        }
        device = radio->devicePath();
    }
#endif
    installLanguage();
    if (device.empty())
        device = savedSerialPort().toStdString();
    if (device.empty())
        device = defaultSerialDevice();

    MainWindow window(qtSerialDevice(device));
    if (options->fast)
        window.setTransferTiming(TransferTiming::Fast);
    window.show();
    window.activateWindow();
    const int code = app.exec();
    window.close();
    return code;
}

int runDrawingCommand(const Subcommand& command, int& argc, char** argv)
{
    if (buildWindowSystem() == WindowSystem::X11OrWayland && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    Arguments commandArguments;
    for (qsizetype i = 2; i < arguments.size(); ++i)
        commandArguments.push_back(arguments[i].toStdString());
    return runSubcommand(command, commandArguments);
}

int runWindowsProgram(int& argc, char** argv)
{
    if (const Subcommand* command = argc > 1 ? findSubcommand(argv[1]) : nullptr;
        command && command->drawsText)
        return runDrawingCommand(*command, argc, argv);
    QStringList arguments;
    {
        QCoreApplication app(argc, argv);
        arguments = QCoreApplication::arguments();
    }
    // --help and --version print; their output must arrive as a command's must.
    const int exit = runWindows(arguments, argc, argv, programUsage());
    const int written = finishStandardOutput("");
    return written != 0 ? written : exit;
}

} // namespace ft817
