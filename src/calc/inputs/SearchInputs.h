#pragma once

#include <cstdint>

#include "calc/inputs/FactoryInputs.h"

namespace calc {

// Everything a search needs besides the gear set, as plain values; the
// factory inputs until set.
struct SearchInputs {
    bool includeLow = factory::kIncludeLow;
    bool includeIntersecting = factory::kIncludeIntersecting;
    double leadscrew = factory::kLeadscrewMm;  // millimetres per turn, or threads per inch when imperial
    bool imperialLeadscrew = factory::kImperialLeadscrew;
    std::int32_t ratioLeft = factory::kRatioLeft;  // the fixed ratio ahead of the change gears
    std::int32_t ratioRight = factory::kRatioRight;
    bool requestTpi = factory::kRequestTpi;  // the request is threads per inch, else a pitch in mm
    double request = 0;
    double tolerance = factory::Tolerance(factory::kRequestTpi);  // percent
};

// The travel per spindle turn, in millimetres, that a change-gear train of
// ratio 1 gives: the leadscrew advance with the fixed ratio applied (a ratio
// with a side of 0 or less is ignored). An imperial leadscrew of L threads
// per inch advances 25.4 / L mm; a leadscrew of 0 or less gives 0.
double LeadAdvance(const SearchInputs& inputs);

// An error in percent with floating-point noise removed: a magnitude below
// 1e-9 percent comes only from rounding in the arithmetic (25.4 / x and the
// like; no gear train is that close without being exact) and counts as
// exactly 0, for its text and for the order.
inline constexpr double kErrorNoise = 1e-9;
inline double NoiseFree(double err) { return err > -kErrorNoise && err < kErrorNoise ? 0.0 : err; }

// Whether an error (noise removed) is within a tolerance, both in percent.
// The tolerance itself is not: an error within the same 1e-9 percent of it
// counts as equal to it, so that a train exactly at the tolerance is left
// out whatever the rounding of its arithmetic. An exact train is within any
// tolerance above 0.
inline bool WithinTolerance(double err, double tolerance) {
    const double size = err < 0 ? -err : err;
    return tolerance > 0 && (err == 0 || size < tolerance - kErrorNoise);
}
}  // namespace calc
