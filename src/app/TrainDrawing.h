#pragma once

#include <cstdint>
#include <optional>

#include "calc/TrainGeometry.h"

namespace grid {
class VbGrid;
}
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

// The train a row of the results grid shows: four gears, or A and D alone
// (B and C empty) for a two-gear train; nothing for a row that is not there
// or does not hold a train.
std::optional<calc::TrainGeometry> TrainOfRow(const grid::VbGrid& grid, std::int32_t row);

}  // namespace app
