// The sheet command in the program that links no window library: main hands
// it to ft817clone-windows before it gets here (Subcommand::drawsText).

#include "cli/command_line.h"
#include "cli/commands.h"

namespace ft817 {

int runSheetCommand(const Arguments&)
{
    return commandFailure("sheet",
                          "the channel sheet is drawn by ft817clone-windows, which is not installed here");
}

} // namespace ft817
