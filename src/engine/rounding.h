#pragma once
// Round: to the nearest integer, a half going to the even neighbour. Every
// computed coordinate, radius or count becomes an integer through these.

#include <cstdint>

namespace quor {

// The nearest whole number as a double, halves to even, whatever the current
// floating-point rounding mode. Infinities and NaN come back unchanged.
double round_half_even(double value);

// round_half_even as a 32-bit integer, saturated at the type's limits; NaN gives 0.
std::int32_t round_to_int(double value);

}  // namespace quor
