#include "support/eventually.h"

#include <chrono>
#include <thread>

namespace ft817::test {

bool eventually(const std::function<bool()>& condition, double seconds)
{
    const auto limit = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > limit)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

} // namespace ft817::test
