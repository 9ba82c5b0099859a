#pragma once
// Elapsed time for the transfer rules (0.25 s quiet, 2 s end, 3 s acknowledgement).
// Time of day never matters: only differences of now() are used.

namespace ft817 {

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since an arbitrary fixed start, never going backwards.
    virtual double now() = 0;
    // Waits about the given number of seconds (never negative).
    virtual void sleep(double seconds) = 0;
};

// The real clock: std::chrono::steady_clock and a thread sleep.
class SteadyClock : public Clock {
public:
    double now() override;
    void sleep(double seconds) override;
};

} // namespace ft817
