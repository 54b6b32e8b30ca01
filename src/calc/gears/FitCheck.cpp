#include "calc/gears/FitCheck.h"

namespace calc {

FitCheckResult CheckFit(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d,
                        bool includeLow, bool includeIntersecting) {
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
