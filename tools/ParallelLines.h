#pragma once

#include <functional>
#include <span>
#include <string_view>

#include "calc/gears/GearSet.h"
#include "calc/order/SortedTrains.h"
#include "runtime/NumberSeparators.h"

namespace tools {

// Hands on texts one after another; false when writing failed.
using PutTexts = std::function<bool(std::span<const std::string_view>)>;

// Writes the result lines of every row of `results`, in order, handing them
// to `put` in blocks, one or several at a time (a failed put ends the
// writing). The calling thread and the helper thread share the formatting,
// each taking the next block of rows not yet taken; the calling thread also
// hands every block on. Only for results that are ReadableInParallel().
// Returns whether every block was put.
bool PutLinesInParallel(calc::SortedTrains& results, const calc::GearSet& gears,
                        const runtime::NumberSeparators& separators, const PutTexts& put);

}  // namespace tools
