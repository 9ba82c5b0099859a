#include "clone/status_text.h"

namespace ft817 {

std::string statusNumber(int value)
{
    return std::string(" ").append(std::to_string(value));
}

std::string statusNumbers(int first, int second)
{
    return statusNumber(first) + " " + statusNumber(second);
}

} // namespace ft817
