#pragma once

#include <span>
#include <string>

#include "calc/gears/GearSet.h"
#include "calc/chart/ThreadChart.h"
#include "runtime/NumberSeparators.h"

namespace tools {

// The chart as the lines of a results file: the header, then one line per
// row, fields joined by "; ", each line ended by CR LF.
std::string ChartFileText(std::span<const calc::ChartRow> rows, const calc::GearSet& gears,
                          const runtime::NumberSeparators& separators);

}  // namespace tools
