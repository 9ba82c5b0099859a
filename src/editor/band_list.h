#pragma once
// Texts of the VFO band lists: a band frequency right-aligned in a fixed-pitch
// list, so that frequencies of six to eight digits line up.

#include <QString>

#include <cstdint>

namespace ft817 {

// Band list text of a frequency in 10 Hz units: one blank if below 10000000,
// another if below 1000000, then a blank and the decimal digits ("0" for zero).
QString bandListText(std::uint32_t frequency);

} // namespace ft817
