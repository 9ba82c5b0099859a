#pragma once
// Waiting for another thread (the simulated radio's, a transfer's, a child
// program) to have done something: the condition is looked at about once a
// millisecond until it holds. The deadline only stops a broken run; it never
// decides a pass, so it is generous.

#include <functional>

namespace ft817::test {

inline constexpr double kEventuallySeconds = 10.0;

// True as soon as the condition holds; false when it still does not after
// the given seconds.
bool eventually(const std::function<bool()>& condition, double seconds = kEventuallySeconds);

} // namespace ft817::test
