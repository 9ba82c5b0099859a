#pragma once
// Ctrl-C (and a polite request to stop) during a long job at the terminal:
// while a guard lives such a request no longer ends the process at once but is
// noted, so the job can stop cleanly (close the port, write nothing).

namespace ft817 {

class InterruptGuard {
public:
    // Starts noting requests to stop; forgets any earlier one. One guard at a time.
    InterruptGuard();
    // Gives the requests back to whatever handled them before.
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    // True once the user asked to stop while the guard lived.
    static bool requested();
};

} // namespace ft817
