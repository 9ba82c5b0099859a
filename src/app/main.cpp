// ft817clone: with no command it opens the windows; with a command it runs
// that command headless (see --help).

#include "app/start_up.h"
#include "cli/command_line.h"
#include "cli/commands.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    using namespace ft817;
    nameProgram();
    // The command line as Qt reads it (on Windows in the system's own
    // Unicode, not the code page), so file names arrive whole.
    QStringList arguments;
    {
        QCoreApplication app(argc, argv);
        arguments = QCoreApplication::arguments();
        if (const Subcommand* command =
                arguments.size() > 1 ? findSubcommand(arguments[1].toStdString()) : nullptr) {
            Arguments commandArguments;
            for (qsizetype i = 2; i < arguments.size(); ++i)
                commandArguments.push_back(arguments[i].toStdString());
            return runSubcommand(*command, commandArguments);
        }
    }
    // --help and --version print; their output must arrive as a command's must.
    const int exit = runWindows(arguments, argc, argv, programUsage());
    const int written = finishStandardOutput("");
    return written != 0 ? written : exit;
}
