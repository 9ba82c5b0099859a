// ft817clone sim where there is no simulated radio (it needs Linux): says so (see kNoSimulatorHere).

#include "cli/commands.h"

#include <iostream>

namespace ft817 {

int runSimCommand(const Arguments&)
{
    std::cerr << "ft817clone sim: " << kNoSimulatorHere << "\n";
    return 2;
}

} // namespace ft817
