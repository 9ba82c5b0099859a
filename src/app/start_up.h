#pragma once
// Opening the windows: reads the windows' options (--port DEVICE, --simulate,
// --help), starts the simulated radio when asked, and runs the main window
// until it is closed.

#include <string>

namespace ft817 {

// Runs the windows for the program's command line; usage is the text --help
// prints. Returns the process exit code (2 for wrong usage).
int runWindows(int argc, char** argv, const std::string& usage);

} // namespace ft817
