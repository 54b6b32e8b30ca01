#pragma once

#include <cstdint>

#include "calc/gears/FitMarks.h"

namespace calc {

struct FitCheckResult {
    bool passes = false;
    FitMarks marks;
};

// Decides from the four tooth counts whether a four-gear train can be
// mounted, and whether it stays in the list under the two include options.
// Without "include intersecting" a train is dropped at its first
// intersection fault, before the other tests are made.
FitCheckResult CheckFit(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d,
                        bool includeLow, bool includeIntersecting);

}  // namespace calc
