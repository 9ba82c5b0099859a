#include "platform/interrupt_guard.h"

#include <atomic>
#include <windows.h>

namespace ft817 {
namespace {

std::atomic<bool> g_requested{false};

// The console calls this on its own thread for Ctrl-C, Ctrl-Break and closing the window.
BOOL WINAPI onConsoleEvent(DWORD event)
{
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT || event == CTRL_CLOSE_EVENT) {
        g_requested = true;
        return TRUE;
    }
    return FALSE;
}

} // namespace

InterruptGuard::InterruptGuard()
{
    g_requested = false;
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

InterruptGuard::~InterruptGuard()
{
    SetConsoleCtrlHandler(onConsoleEvent, FALSE);
}

bool InterruptGuard::requested()
{
    return g_requested;
}

} // namespace ft817
