// ft817clone sim where there is no simulated radio (it needs Linux): says so (see kNoSimulatorHere).

#include "cli/command_line.h"
#include "cli/commands.h"

namespace ft817 {

int runSimCommand(const Arguments&)
{
    commandMessage("sim", kNoSimulatorHere);
    return kUsageExit;
}

} // namespace ft817
