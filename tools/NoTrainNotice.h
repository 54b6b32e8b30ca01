#pragma once

#include <string>

#include "calc/gears/GearSet.h"
#include "calc/inputs/SearchInputs.h"
#include "runtime/NumberSeparators.h"

namespace tools {

// What the user is told when no train is within the tolerance: how near the
// best train comes, for example
// "no train within 0.2 %; the best is 80/40/25/127 at 0.37 %"
// (a two-gear train as A/D), or that the gears make no train at all.
std::string NoTrainNotice(const calc::GearSet& gears, const calc::SearchInputs& inputs,
                          const runtime::NumberSeparators& separators);

}  // namespace tools
