#pragma once
// The computer's wall clock in the user's own time zone, as the names of the
// files kept in the history folder show it.

#include <ctime>

namespace ft817 {

// The calendar time `when` in the local time zone.
std::tm localTime(std::time_t when);

} // namespace ft817
