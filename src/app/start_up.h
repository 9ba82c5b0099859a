#pragma once
// Starting the windows (the program ft817clone-windows; on Windows
// ft817clone itself without a command): reads the windows' options (--port
// DEVICE, --simulate, --fast, --help, --version), starts the simulated radio
// when asked, and runs the main window until it is closed.

#include "cli/commands.h"

#include <QStringList>
#include <string>

namespace ft817 {

// What the windows open on: an X11 or Wayland display (Linux and the other
// Unix systems except macOS), or the system's own window system (Windows, macOS).
enum class WindowSystem { X11OrWayland, Native };

// The window system of this build.
WindowSystem buildWindowSystem();

// Which of the variables that name a display are set and not empty.
struct DisplayVariables {
    bool qtPlatform = false;     // QT_QPA_PLATFORM: a platform chosen by the user (offscreen, for example)
    bool x11Display = false;     // DISPLAY
    bool waylandDisplay = false; // WAYLAND_DISPLAY
};

// The display variables of this process's environment.
DisplayVariables currentDisplayVariables();

// True when the windows cannot open for want of a display: on X11 or Wayland
// with no platform chosen and neither DISPLAY nor WAYLAND_DISPLAY set.
bool displayMissing(WindowSystem system, const DisplayVariables& variables);

// Runs the windows for the program's command line: arguments is the whole
// command line (QCoreApplication::arguments(), the program's name first),
// argc and argv are handed to the QApplication; usage is the text --help
// prints. Returns the process exit code (2 for wrong usage).
int runWindows(const QStringList& arguments, int& argc, char** argv, const std::string& usage);

// The whole program without a command: reads its command line as Qt does,
// runs the windows with the program's usage text (runWindows) and checks that
// what --help and --version printed reached standard output. The exit code.
// A command that lays out text in fonts (Subcommand::drawsText) comes here
// too, and runs in a QGuiApplication (runDrawingCommand).
int runWindowsProgram(int& argc, char** argv);

// Runs a command that lays out text in Qt's fonts (the sheet) inside a
// QGuiApplication: on X11 or Wayland on the offscreen platform unless the
// user chose one, so that it needs no display. argv[1] is the command's name.
// The exit code.
int runDrawingCommand(const Subcommand& command, int& argc, char** argv);

} // namespace ft817
