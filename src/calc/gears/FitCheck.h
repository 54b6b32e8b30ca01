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
// Inline: the search makes this test for every train it measures.
inline FitCheckResult CheckFit(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d, bool includeLow,
                               bool includeIntersecting) {
    // Sums of tooth counts stand for centre distances; 64 bits so that no
    // count can overflow them.
    const std::int64_t A = a, B = b, C = c, D = d;
    FitCheckResult result;
    if (B + 10 > C + D) {
        result.marks.Add(FitMarks::BFoulsLeadscrew);
        if (!includeIntersecting) return result;
    }
    if (C + 6 > A + B) {
        result.marks.Add(FitMarks::CFoulsShaftA);
        if (!includeIntersecting) return result;
    }
    if (A + B + C + D < 160) {
        result.marks.Add(FitMarks::TooLow);
        if (!includeLow) return result;
    }
    result.passes = true;
    return result;
}

}  // namespace calc
