#pragma once

#include <cstdint>

#include "calc/gears/FitMarks.h"

namespace calc {

// One accepted arrangement. Gears are slot indices into the GearSet; b and c
// are -1 for a two-gear train (A drives D).
struct TrainResult {
    std::int32_t a = -1;
    std::int32_t b = -1;
    std::int32_t c = -1;
    std::int32_t d = -1;
    double pitch = 0;  // millimetres per spindle turn
    double tpi = 0;    // 25.4 / pitch
    double err = 0;    // signed error against the request, in percent
    FitMarks comm;     // always empty for a two-gear train

    bool IsTwoGear() const { return b < 0; }
};

}  // namespace calc
