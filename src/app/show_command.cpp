#include "app/commands.h"

#include <iostream>

namespace ft817 {

int runShowCommand(const Arguments&)
{
    std::cerr << "ft817clone: this command is not available yet\n";
    return 2;
}

}  // namespace ft817
