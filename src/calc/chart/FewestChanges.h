#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "calc/gears/GearSet.h"
#include "calc/inputs/SearchInputs.h"
#include "calc/chart/ThreadChart.h"
#include "calc/gears/TrainResult.h"

namespace calc {

// The work of going from one train to the next on the lathe. Changing a
// stud gear (B or C) means loosening the banjo and setting the mesh again,
// so it weighs four times a change of the spindle gear A or the leadscrew
// gear D. Gears are compared by tooth count, so two slots of equal gears
// are the same gear; a two-gear train has no stud gears, so going to or
// from one changes B and C.
inline constexpr int kStudGearChange = 4;
inline constexpr int kEndGearChange = 1;
int GearChanges(const TrainResult& from, const TrainResult& to, const GearSet& gears);

// The changes of walking the chart from its first row to its last; rows
// without a train are passed over.
int ChartGearChanges(std::span<const ChartRow> rows, const GearSet& gears);

// The accepted error, in percent, for threads given in mm and in threads per inch.
struct ThreadTolerances {
    double mm = 0;
    double tpi = 0;
};
double ToleranceFor(const ThreadEntry& thread, const ThreadTolerances& tolerances);

// How many trains per thread the chart chooses among. Measured in bench/
// on every family with 56 gears (20 to 75 teeth) and both include options,
// where thousands of trains lie within the tolerance: the changes fall
// from 1121 with the best trains to 458 at 64 trains, 288 at 256, 253 at
// 512, 217 at 1024 and 196 with every train, while the time grows with the
// cap; 512 keeps the whole chart well within a second. With the factory
// gears 32 trains already find the optimum.
inline constexpr std::size_t kCandidateCap = 512;

// The trains a chart row may show: its best train first, then the other
// trains strictly within the tolerance in the order of the results list,
// at most `cap` in all. A row whose best train misses the tolerance keeps that
// train alone; a row without a train has none.
std::vector<TrainResult> CandidateTrains(const ChartRow& row, const GearSet& gears, const SearchInputs& inputs,
                                         double tolerance, std::size_t cap = kCandidateCap);

// Chooses one train from each layer so that walking the layers in order
// needs the fewest gear changes, exactly (a shortest path through the
// layers). Among equal counts the smaller sum of absolute errors wins, then
// the train earlier in its layer. Returns each layer's chosen index; an
// empty layer is passed over and gets its size (0).
std::vector<std::size_t> FewestChangesPath(const std::vector<std::vector<TrainResult>>& layers, const GearSet& gears);

// The chart with each row's train chosen for the fewest changes among its
// candidate trains.
std::vector<ChartRow> FewestChangesChart(std::span<const ChartRow> rows, const GearSet& gears,
                                         const SearchInputs& inputs, const ThreadTolerances& tolerances,
                                         std::size_t cap = kCandidateCap);

// The changes along the chart both ways, as the user reads them.
std::string GearChangesText(int fewest, int best);

}  // namespace calc
