#pragma once

#include <cstddef>

#include "calc/order/TrainSortKeys.h"

namespace calc {

// Sorts in[0..n) into out[0..n) by error, then by the marks and gears in
// the upper 32 bits of the keys, and returns true, when no two entries share
// both: then the order of TrainSortKeys::Order is a strict total order (a
// two-gear train then follows every four-gear train of its error, marks and
// A, as its flag bit makes it do), every correct sort leaves one and the same
// arrangement, and this one costs about as much as reading the list a few
// times. Returns false as soon as it finds two entries that share both,
// leaving `out` undefined: only the record sort's own steps decide their
// order. `spare` is room for n entries for the passes in between; it may be
// `in` itself when the entries need not be kept where they were. Errors must
// be finite and not negative, else it returns false at once. With
// `toTheEnd`, a list with entries that share both is still sorted whole,
// those entries in any order among themselves, and false returned after.
bool SortDistinctKeys(TrainSortEntry* in, std::size_t n, TrainSortEntry* out, TrainSortEntry* spare,
                      bool toTheEnd = false);

// The same for a list known to have no two entries that share error and
// keys, shared with the helper thread: each half is sorted on its own, and
// the halves are merged back into `list`, where the sorted list ends up
// (entries that share error and keys, against what the caller knows, in any
// order among themselves). `room` holds n entries for the work in between.
// False, with the list untouched, when an error is not finite or negative.
bool SortDistinctKeysShared(TrainSortEntry* list, std::size_t n, TrainSortEntry* room);

}  // namespace calc
