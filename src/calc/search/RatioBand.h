#pragma once

#include "calc/inputs/SearchInputs.h"

namespace calc {

// The driving-over-driven ratios (A·C / B·D, or A / D) that can cut the
// requested thread within the tolerance, widened by a margin far beyond any
// rounding of the measures, so that a train inside the tolerance is never
// outside the band. A train in the band is then measured and accepted
// exactly as any train is; the band only spares measuring the others.
struct RatioBand {
    double low;
    double high;

    // Empty when no train can be accepted; everything (−∞ to ∞) when the
    // inputs make no sense for a band (a request or leadscrew that is not a
    // positive finite number), so that every train is measured.
    static RatioBand For(const SearchInputs& inputs);

    bool Empty() const { return !(low <= high); }
};

}  // namespace calc
