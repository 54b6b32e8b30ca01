#pragma once

#include <vector>

#include "calc/order/TrainSortKeys.h"

namespace calc {

// Leaves entries[first..last] in exactly the order
// QuickSortBy(entries, first, last, order) leaves them: the same pivots, the
// same pairs exchanged by the two scans, the same selection sort of small
// ranges. Only the work differs: each partition first compares every item
// with the pivot, without branches, into a bit set, then makes the moves the
// scans would make, found in the bit set; the selection sort keeps its best
// item in registers. A list whose keys are all distinct, which has only one
// sorted arrangement, is bucketed instead. A negative last stands for the
// last index.
//
// What the caller knows of ties (entries equal in error, marks and gears):
// Unknown: the bucketing is tried on a copy and given up at the first tie;
// Seen: it is not tried; None: there are none, and the list is bucketed
// with one new buffer instead of two.
enum class KnownTies { Unknown, Seen, None };
void SortEntries(std::vector<TrainSortEntry>& entries, long first, long last, TrainSortKeys::Order order,
                 KnownTies ties = KnownTies::Unknown);

}  // namespace calc
