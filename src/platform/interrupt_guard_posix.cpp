#include "platform/interrupt_guard.h"

#include <csignal>

namespace ft817 {
namespace {

volatile std::sig_atomic_t g_requested = 0;
struct sigaction g_oldInterrupt {};
struct sigaction g_oldTerminate {};

extern "C" void onInterrupt(int)
{
    g_requested = 1;
}

} // namespace

InterruptGuard::InterruptGuard()
{
    g_requested = 0;
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, &g_oldInterrupt);
    ::sigaction(SIGTERM, &action, &g_oldTerminate);
}

InterruptGuard::~InterruptGuard()
{
    ::sigaction(SIGINT, &g_oldInterrupt, nullptr);
    ::sigaction(SIGTERM, &g_oldTerminate, nullptr);
}

bool InterruptGuard::requested()
{
    return g_requested != 0;
}

} // namespace ft817
