// ft817clone: with no command it opens the windows; with a command it runs
// that command headless (see --help).

#include "app/start_up.h"
#include "cli/commands.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    using namespace ft817;
    if (const Subcommand* command = argc > 1 ? findSubcommand(argv[1]) : nullptr) {
        QCoreApplication app(argc, argv);
        return command->run(Arguments(argv + 2, argv + argc));
    }
    return runWindows(argc, argv, programUsage());
}
