#pragma once

#include <cmath>
#include <cstdint>

#include "calc/inputs/SearchInputs.h"

namespace calc {

struct TrainMeasures {
    double pitch;  // millimetres per spindle turn
    double tpi;    // 25.4 / pitch
    double err;    // signed error against the request, in percent, noise removed
};

// The thread that an arrangement with driving product `driving` and driven
// product `driven` cuts, with `advance` millimetres per turn at ratio 1, and
// its error against the request (a pitch in mm, or threads per inch when
// `requestTpi`). Every part of the program that measures a train does it
// with these operations, so that equal trains get bit-equal errors.
inline TrainMeasures MeasureTrain(std::int64_t driving, std::int64_t driven, double advance, double request,
                                  bool requestTpi) {
    TrainMeasures m;
    m.pitch = static_cast<double>(driving) * advance / static_cast<double>(driven);
    m.tpi = 25.4 / m.pitch;
    const double x = requestTpi ? m.tpi : m.pitch;
    m.err = NoiseFree((x - request) * 100 / request);
    return m;
}

}  // namespace calc
