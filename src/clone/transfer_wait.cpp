#include "clone/transfer_wait.h"

#include <algorithm>

namespace ft817 {

void sleepBeforeNextPoll(Clock& clock, double deadline)
{
    const double left = deadline - clock.now();
    clock.sleep(std::clamp(left, 0.0, kPollInterval));
}

std::string statusNumber(int value)
{
    return " " + std::to_string(value);
}

std::string statusNumbers(int first, int second)
{
    return statusNumber(first) + " " + statusNumber(second);
}

}  // namespace ft817
