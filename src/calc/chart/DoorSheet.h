#pragma once

#include <span>
#include <string>

#include "calc/gears/GearSet.h"
#include "calc/inputs/SearchInputs.h"
#include "calc/chart/ThreadChart.h"
#include "runtime/NumberSeparators.h"
#include "runtime/TextSheet.h"

namespace calc {

// The chart as a sheet to pin to the lathe: a title line with the gear set,
// the leadscrew, the fixed ratio and the date, then one row per chart row
// with the thread, the gears A, B, C, D, the error in percent and the marks.
// Rows that keep the stud pair (B and C) of the row before form a group.
runtime::TextSheet DoorSheet(std::span<const ChartRow> rows, const GearSet& gears, const SearchInputs& inputs,
                             const std::string& date, const runtime::NumberSeparators& separators);

// Today's date as the sheet shows it: year-month-day.
std::string TodayIsoDate();

}  // namespace calc
