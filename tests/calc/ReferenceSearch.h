#pragma once

#include <vector>

#include "calc/gears/GearSet.h"
#include "calc/inputs/SearchInputs.h"
#include "calc/gears/TrainResult.h"

// The search written as plainly as possible: every slot combination in loop
// order, text keys, first occurrence kept. The real search must give the
// same list in the same order.
std::vector<calc::TrainResult> ReferenceSearch(const calc::SearchInputs& inputs, const calc::GearSet& gears,
                                               long long* recorded = nullptr);
