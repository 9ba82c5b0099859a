#pragma once
// Pacing of the transfer engines' waits on the port. An engine looks at the
// port, and when nothing has changed it sleeps briefly before looking again,
// so the processor stays idle while the timing rules keep their precision.

#include "platform/clock.h"

#include <limits>
#include <string>

namespace ft817 {

// For waits that only end when something arrives (or the person abandons).
inline constexpr double kNoDeadline = std::numeric_limits<double>::infinity();

// Longest sleep between two looks at the port.
inline constexpr double kPollInterval = 0.003;

// Sleeps until the next look at the port: kPollInterval, or less when the deadline comes sooner.
void sleepBeforeNextPoll(Clock& clock, double deadline);

// A count written for the status box: one leading blank, then the decimal digits.
std::string statusNumber(int value);

// Two counts for the status box, joined by one blank (" 300  2").
std::string statusNumbers(int first, int second);

}  // namespace ft817
