#include "clone/transfer_wait.h"

#include <algorithm>

namespace ft817 {

void sleepBeforeNextPoll(Clock& clock, double deadline)
{
    const double left = deadline - clock.now();
    clock.sleep(std::clamp(left, 0.0, kPollInterval));
}

void waitBeforeNextPoll(SerialPort& port, Clock& clock, double deadline)
{
    const double left = std::clamp(deadline - clock.now(), 0.0, kPollInterval);
    if (!port.waitForInput(left))
        clock.sleep(left);
}

} // namespace ft817
