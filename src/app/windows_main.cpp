// ft817clone-windows: ft817clone's windows. ft817clone without a command runs
// it in its own place (see main.cpp), so that the commands start without the
// libraries the windows need.

#include "app/start_up.h"
#include "cli/program.h"

int main(int argc, char** argv)
{
    ft817::nameProgram();
    return ft817::runWindowsProgram(argc, argv);
}
