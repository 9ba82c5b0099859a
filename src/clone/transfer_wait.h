#pragma once
// Pacing of the transfer engines' waits on the port. An engine looks at the
// port, and when nothing has changed it sleeps briefly before looking again,
// so the processor stays idle while the timing rules keep their precision.

#include "platform/clock.h"
#include "platform/serial_port.h"

#include <limits>

namespace ft817 {

// For waits that only end when something arrives (or the person abandons).
inline constexpr double kNoDeadline = std::numeric_limits<double>::infinity();

// Longest sleep between two looks at the port.
inline constexpr double kPollInterval = 0.003;

// Sleeps until the next look at the port: kPollInterval, or less when the deadline comes sooner.
void sleepBeforeNextPoll(Clock& clock, double deadline);

// As sleepBeforeNextPoll, but a byte arriving at the port ends the wait at
// once, so the engine answers it without the poll interval's delay. Ports
// that cannot wait on their input sleep.
void waitBeforeNextPoll(SerialPort& port, Clock& clock, double deadline);

} // namespace ft817
