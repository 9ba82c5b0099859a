#pragma once
// A clock that stands still until someone sleeps: a 25-second transfer is
// checked in microseconds, and every wait is exact.

#include "platform/clock.h"

#include <functional>

namespace ft817::test {

class FakeClock : public Clock {
public:
    double now() override { return m_now; }
    void sleep(double seconds) override
    {
        if (seconds > 0)
            m_now += seconds;
        if (m_onSleep)
            m_onSleep(m_now);
    }
    void advance(double seconds) { m_now += seconds; }
    // Called after every sleep with the new time.
    void onSleep(std::function<void(double)> callback) { m_onSleep = std::move(callback); }

private:
    double m_now = 1000.0;
    std::function<void(double)> m_onSleep;
};

} // namespace ft817::test
