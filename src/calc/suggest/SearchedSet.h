#pragma once

#include <cmath>

#include "calc/gears/GearSet.h"
#include "calc/suggest/GearTally.h"
#include "calc/inputs/SearchInputs.h"

namespace calc {

// A gear set with what every search for its best train needs: its sizes,
// the include options and the leadscrew advance.
struct SearchedSet {
    SearchedSet(const GearSet& gearSet, const SearchInputs& inputs)
        : gears(gearSet),
          tally(gears),
          includeLow(inputs.includeLow),
          includeIntersecting(inputs.includeIntersecting),
          advance(LeadAdvance(inputs)) {}

    // Whether a thread of this value can be worked out at all: the advance
    // and the request must be numbers other than 0.
    bool Measurable(double request) const {
        auto usable = [](double v) { return v != 0 && std::isfinite(v); };
        return usable(advance) && usable(request);
    }

    GearSet gears;
    GearTally tally;
    bool includeLow;
    bool includeIntersecting;
    double advance;
};

}  // namespace calc
