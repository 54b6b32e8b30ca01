#pragma once

#include <cstdint>
#include <optional>

#include "calc/gears/GearSet.h"
#include "calc/gears/TrainGeometry.h"
#include "calc/gears/TrainResult.h"

namespace forms {
class PictureCanvas;
}

namespace app {

// Draws a train to scale, fitted to the picture with a margin: each gear as
// its tip and pitch circles, lettered with its tooth count; the axes as small
// crosses; the banjo arm from the leadscrew to the stud; the idler of a
// two-gear train dashed. Faults show in red where they happen: the part of B
// inside the leadscrew's clearance, the part of C inside the spindle's, the
// gap of arms that cannot meet.
void DrawTrain(forms::PictureCanvas& canvas, const calc::TrainGeometry& train);

// Where a result's gears sit: four gears, or A and D alone for a two-gear
// train; nothing when A or D counts no teeth.
std::optional<calc::TrainGeometry> GeometryOf(const calc::TrainResult& train, const calc::GearSet& gears);

}  // namespace app
