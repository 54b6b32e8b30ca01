#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calc/gears/GearSet.h"
#include "calc/texts/ResultColumns.h"
#include "calc/inputs/SearchInputs.h"
#include "calc/inputs/ThreadFamilies.h"
#include "calc/gears/TrainResult.h"
#include "runtime/NumberSeparators.h"

namespace calc {

// One line of the thread chart: a standard thread and the best train the
// gear set has for it (none when the set has fewer than two gears).
struct ChartRow {
    const ThreadEntry* thread = nullptr;
    std::optional<TrainResult> train;

    // Whether the best train's error is strictly below `tolerance` percent.
    bool Within(double tolerance) const;
};

// The chart of the threads of `families`, family after family, each in its
// own order, for the gears, leadscrew, ratio and include options of
// `inputs` (its request and tolerance are not read).
std::vector<ChartRow> BuildThreadChart(std::span<const ThreadFamily* const> families, const GearSet& gears,
                                       const SearchInputs& inputs);

// The chart's columns: the thread, then the results table's columns after
// its row number.
inline constexpr std::size_t kChartColumnCount = kResultColumnCount;
using ChartTexts = std::array<std::string, kChartColumnCount>;

const ChartTexts& ChartHeaders();

// The cell texts of a row: the thread's name, the tooth counts and measures
// formatted as the results table formats them, the marks; without a train
// every field but the name is empty.
ChartTexts ChartRowTexts(const ChartRow& row, const GearSet& gears, const runtime::NumberSeparators& separators);

}  // namespace calc
