#include "runtime/Rounding.h"

#include <cmath>
#include <cstdint>

#include "runtime/Error.h"

namespace runtime {

double RoundHalfEven(double value) {
    // nearbyint honours the current rounding mode, which is to-nearest-even
    // unless someone changed it; do it by hand to be independent of that.
    double floor = std::floor(value);
    double diff = value - floor;
    if (diff > 0.5) return floor + 1;
    if (diff < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

namespace {
template <class Int>
Int RoundChecked(double value, double lowest, double highest) {
    double r = RoundHalfEven(value);
    if (!(r >= lowest && r <= highest)) throw Error(errors::Overflow);
    return static_cast<Int>(r);
}
}  // namespace

std::int16_t RoundToInteger(double value) {
    return RoundChecked<std::int16_t>(value, -32768.0, 32767.0);
}

std::int32_t RoundToLong(double value) {
    return RoundChecked<std::int32_t>(value, -2147483648.0, 2147483647.0);
}

std::int32_t RoundToLongClamped(double value) {
    if (std::isnan(value)) return 0;
    const double r = RoundHalfEven(value);
    if (r <= -2147483648.0) return INT32_MIN;
    if (r >= 2147483647.0) return INT32_MAX;
    return static_cast<std::int32_t>(r);
}

}  // namespace runtime
