#pragma once

#include <functional>
#include <string_view>

#include "calc/gears/GearSet.h"
#include "calc/order/SortedTrains.h"
#include "runtime/NumberSeparators.h"

namespace tools {

// Writes the result lines of every row of `results`, in order, handing them
// to `put` in blocks (put returns false when writing failed, which ends the
// writing). The calling thread and the helper thread share the formatting,
// each taking the next block of rows not yet taken; the calling thread also
// hands every block on. Only for results
// that are ReadableInParallel(). Returns whether every block was put.
bool PutLinesInParallel(calc::SortedTrains& results, const calc::GearSet& gears,
                        const runtime::NumberSeparators& separators, const std::function<bool(std::string_view)>& put);

}  // namespace tools
