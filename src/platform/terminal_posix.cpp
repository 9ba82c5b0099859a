#include "platform/terminal.h"

#include <unistd.h>

namespace ft817 {

bool standardOutputIsTerminal()
{
    return ::isatty(STDOUT_FILENO) == 1;
}

void leaveOwnConsole() {}

} // namespace ft817
