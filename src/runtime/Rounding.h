#pragma once

#include <cstdint>

namespace runtime {

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// The rounding conversions to 16- and 32-bit integers; Error 6 (overflow)
// when the rounded value does not fit, or the value is not a number.
std::int16_t RoundToInteger(double value);
std::int32_t RoundToLong(double value);

// Rounds like RoundToLong, but holds a value beyond the 32-bit range at the
// nearer end of it instead of failing; a value that is not a number gives 0.
std::int32_t RoundToLongClamped(double value);

}  // namespace runtime
