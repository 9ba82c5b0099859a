#pragma once
// The counts a transfer shows in the main window's status box.

#include <string>

namespace ft817 {

// A count written for the status box: one leading blank, then the decimal digits.
std::string statusNumber(int value);

// Two counts for the status box, joined by one blank (" 300  2").
std::string statusNumbers(int first, int second);

} // namespace ft817
