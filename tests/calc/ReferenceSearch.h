#pragma once

#include <vector>

#include "calc/GearSet.h"
#include "calc/SearchInputs.h"
#include "calc/TrainResult.h"

// The search written as plainly as possible: every slot combination in loop
// order, text keys, first occurrence kept. The real search must give the
// same list in the same order.
std::vector<calc::TrainResult> ReferenceSearch(const calc::SearchInputs& inputs, const calc::GearSet& gears,
                                               long long* recorded = nullptr);
