#include "platform/terminal.h"

#include <windows.h>

namespace ft817 {

bool standardOutputIsTerminal()
{
    // Only a console answers GetConsoleMode; the NUL device, a file or a pipe
    // do not (a bare character-device test would take NUL for a terminal).
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

void leaveOwnConsole()
{
    DWORD processes[2] = {};
    if (GetConsoleProcessList(processes, 2) == 1)
        FreeConsole();
}

} // namespace ft817
