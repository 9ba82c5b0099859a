#include "platform/local_time.h"

namespace ft817 {

std::tm localTime(std::time_t when)
{
    std::tm local{};
    ::localtime_s(&local, &when);
    return local;
}

} // namespace ft817
