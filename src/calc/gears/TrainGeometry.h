#pragma once

#include <cstdint>
#include <vector>

namespace calc {

// Where the gears of a train sit on the lathe's end, in modules (every gear
// of one module): a gear of z teeth has pitch radius z / 2 and tip radius
// z / 2 + 1. The spindle axis (gear A) is the origin, the leadscrew axis
// (gear D) lies 80 modules below it (y grows upwards), the distance that the
// "too low" check of the fit rules implies. The stud of a compound train
// (B and C) sits on the side away from the operator, to the right (x > 0).
struct GeometryPoint {
    double x = 0;
    double y = 0;
};

struct PlacedGear {
    char letter = 'A';        // 'A', 'B', 'C', 'D', or 'I' for the idler
    std::int32_t teeth = 0;   // 0 for the idler, whose size does not matter
    GeometryPoint centre;
    double pitchRadius = 0;
    double tipRadius = 0;
};

struct TrainGeometry {
    static constexpr double kAxisDistance = 80;        // spindle to leadscrew
    static constexpr double kLeadscrewClearance = 5;   // radius kept free around the leadscrew axis
    static constexpr double kSpindleClearance = 3;     // radius kept free around the spindle axis

    GeometryPoint spindle;                       // gear A's axis
    GeometryPoint leadscrew{0, -kAxisDistance};  // gear D's axis
    GeometryPoint stud;                          // B and C, or the idler
    bool compound = false;
    std::vector<PlacedGear> gears;  // A, B, C, D; or A, the idler, D

    // Whether the stud can be placed with both arms meshing. When it cannot,
    // the stud lies on the line through the two axes where the longer arm
    // puts it, and the gap runs from the end of the shorter arm's reach to
    // the end of the longer arm's, along that line.
    bool reaches = true;
    double gap = 0;
    GeometryPoint gapFrom;
    GeometryPoint gapTo;

    // B's pitch circle reaching into the leadscrew's clearance circle, and
    // C's into the spindle's (the faults the marks "sec D " and "sec A " name).
    bool bFoulsLeadscrew = false;
    bool cFoulsSpindle = false;
};

double Distance(GeometryPoint p, GeometryPoint q);

// The compound train A drives B, C on B's stud drives D.
TrainGeometry CompoundTrainGeometry(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d);
// The two-gear train A drives D, through an idler placed to the right that
// meshes with both.
TrainGeometry SimpleTrainGeometry(std::int32_t a, std::int32_t d);

}  // namespace calc
