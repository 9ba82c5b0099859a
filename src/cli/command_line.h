#pragma once
// Reading one subcommand's arguments with QCommandLineParser. Every command
// takes --help (-h), which prints its usage text; an unknown option, an
// option missing its value and a missing file are wrong usage: one reason
// on standard error, the usage text, and exit code 2. A negative number such
// as "-1" is read as a value (a channel number out of range), not as an option.

#include "cli/commands.h"

#include <QCommandLineParser>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ft817 {

// The exit codes of the command line, one rule for every command: 0 done,
// 1 a job refused or failed, 2 wrong usage (and output that could not be
// written). diff alone, like diff(1), says "different" with 1 and so an
// unreadable image with 2.
inline constexpr int kFailedExit = 1;
inline constexpr int kUsageExit = 2;
inline constexpr int kOutputFailedExit = 2;
// A transfer stopped with Ctrl-C, as shells report an interrupt.
inline constexpr int kInterruptedExit = 130;

// Says one message of the command line on standard error, the one place that
// does: "ft817clone COMMAND: what" and a line end ("ft817clone: what" when
// command is empty, the program without a command), then after as it is
// (lines of detail, a usage text). Written at once, so that a message from
// another thread never lands inside it.
void commandMessage(std::string_view command, std::string_view what, std::string_view after = {});

// Reports a job refused or failed (commandMessage) and returns kFailedExit.
int commandFailure(std::string_view command, std::string_view why);

class CommandLine {
public:
    // command: the subcommand's name ("show"); usage: its help text. With
    // oneLineErrors a usage error points at --help instead of printing the text.
    CommandLine(std::string command, std::string usage, bool oneLineErrors = false);

    // An option without a value (--json) and one that takes a value (--port DEVICE).
    void addFlag(const QString& name);
    void addValueOption(const QString& name, const QString& valueName);

    // Reads the arguments that follow the subcommand's name. Empty when the
    // command goes on; otherwise the exit code to return: 0 after printing the
    // help text, 2 after reporting wrong usage.
    std::optional<int> parse(const Arguments& args);

    bool isSet(const QString& name) const;
    // The option's last value (UTF-8); empty when it is not set.
    std::string value(const QString& name) const;
    // The arguments that are not options, in order (UTF-8).
    std::vector<std::string> files() const;

    // Reports wrong usage (why: one short sentence) and returns kUsageExit.
    int usageError(const std::string& why) const;
    // Reports a failure ("ft817clone COMMAND: why") and returns kFailedExit.
    int failure(const std::string& why) const;

private:
    std::string m_command;
    std::string m_usage;
    bool m_oneLineErrors;
    QCommandLineParser m_parser;
};

// Flushes standard output and tells whether all of it was written: 0, or 2
// after saying on standard error why not ("ft817clone show: cannot write to
// standard output: No space left on device"; command empty: "ft817clone:
// cannot write ..."). Every subcommand ends with it (see runSubcommand), and
// so does the program without a command (--help, --version).
int finishStandardOutput(const std::string& command);

} // namespace ft817
