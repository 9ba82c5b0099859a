#pragma once
// Headless subcommands of ft817clone. Each takes the arguments that follow
// its name, prints to standard output and standard error, and returns the
// process exit code: 0 success, 1 a job refused or failed, 2 wrong usage (or,
// through runSubcommand, standard output that could not be written).

#include <string>
#include <string_view>
#include <vector>

namespace ft817 {

using Arguments = std::vector<std::string>;

int runSimCommand(const Arguments& args);

// What `sim` and --simulate answer where the simulated radio is not built: it
// runs on a POSIX pseudo-terminal, which Windows does not have.
inline constexpr const char* kNoSimulatorHere =
    "the simulated radio needs a POSIX pseudo-terminal and is not part of the Windows build";
int runDownloadCommand(const Arguments& args);
int runUploadCommand(const Arguments& args);
int runShowCommand(const Arguments& args);
int runCatCommand(const Arguments& args);
// convert [--raw] IN OUT: a payload file into an image file, or back (0 written, 1 refused, 2 usage).
int runConvertCommand(const Arguments& args);
int runCalibrationCommand(const Arguments& args);
// settings IMAGE [--json] | IMAGE KEY=VALUE... [--out OUT]: list or change the menu settings (0, 1 failed, 2
// usage or a refused change).
int runSettingsCommand(const Arguments& args);
int runTuneCommand(const Arguments& args);
int runCaptureCommand(const Arguments& args);
// sheet IMAGE OUT.pdf [--paper a4|letter]: the channel sheet as a PDF (0 written, 1 failed, 2 usage).
int runSheetCommand(const Arguments& args);

struct Subcommand {
    const char* name;
    const char* usage;   // arguments, as shown by --help
    const char* summary; // one line
    int (*run)(const Arguments& args);
    // Lays out text in Qt's fonts (sheet): it runs inside a QGuiApplication, which main makes for it.
    bool drawsText = false;
};

// Every subcommand, in the order --help lists them.
const std::vector<Subcommand>& subcommands();

// Runs the subcommand, then checks that everything it printed reached standard
// output: its exit code, or 2 after saying on standard error that standard
// output could not be written (a full disk, a closed pipe).
int runSubcommand(const Subcommand& command, const Arguments& args);

// The subcommand called name, or null when there is none.
const Subcommand* findSubcommand(std::string_view name);

// Usage text for the whole program.
std::string programUsage();

} // namespace ft817
