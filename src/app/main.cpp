// ft817clone: with a command it runs that command headless (see --help); with
// no command it opens the windows. The commands need no window library: where
// the windows are a program of their own (ft817clone-windows, on every system
// but Windows), this one links none and runs that one in its place.

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/program.h"

#include <QCoreApplication>
#include <QStringList>

#ifdef FT817_WINDOWS_PROGRAM
#include <QDir>
#include <cerrno>
#include <cstring>
#include <string>
#include <unistd.h>
#else
#include "app/start_up.h"
#endif

namespace {

#ifdef FT817_WINDOWS_PROGRAM
// Runs the windows' program in this process's place with the same arguments:
// the one beside this program (the build folder), else the installed one.
// Returns only when neither runs, after saying why (exit code 1): for a
// command it hands over (the sheet), in that command's words.
int runWindowsInstead(const QString& folder, const std::string& command, char** argv)
{
    const std::string beside = QDir(folder).filePath("ft817clone-windows").toStdString();
    const std::string installed = QDir::cleanPath(QDir(folder).filePath(FT817_WINDOWS_PROGRAM)).toStdString();
    for (const std::string& path : {beside, installed})
        ::execv(path.c_str(), argv);
    const std::string why = installed + ": " + std::strerror(errno);
    if (!command.empty())
        return ft817::commandFailure(command, "needs ft817clone-windows, which does not start: " + why);
    return ft817::commandFailure("", "cannot open the windows: " + why);
}
#endif

} // namespace

int main(int argc, char** argv)
{
    using namespace ft817;
    nameProgram();
    // The command line as Qt reads it (on Windows in the system's own
    // Unicode, not the code page), so file names arrive whole.
#ifdef FT817_WINDOWS_PROGRAM
    QString folder;
    std::string handedOver;
#endif
    {
        QCoreApplication app(argc, argv);
        const QStringList arguments = QCoreApplication::arguments();
        // A command that lays out text in fonts (the sheet) runs where Qt Gui is
        // linked, as the windows do (runWindowsProgram).
        const Subcommand* command =
            arguments.size() > 1 ? findSubcommand(arguments[1].toStdString()) : nullptr;
        if (command && !command->drawsText) {
            Arguments commandArguments;
            for (qsizetype i = 2; i < arguments.size(); ++i)
                commandArguments.push_back(arguments[i].toStdString());
            return runSubcommand(*command, commandArguments);
        }
#ifdef FT817_WINDOWS_PROGRAM
        folder = QCoreApplication::applicationDirPath();
        if (command)
            handedOver = arguments[1].toStdString();
#endif
    }
#ifdef FT817_WINDOWS_PROGRAM
    return runWindowsInstead(folder, handedOver, argv);
#else
    return runWindowsProgram(argc, argv);
#endif
}
