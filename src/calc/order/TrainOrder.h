#pragma once

#include <vector>

#include "calc/gears/GearSet.h"
#include "calc/gears/TrainResult.h"

namespace calc {

// Best first: the smaller absolute error, then the marks text (empty first,
// compared code unit by code unit), then the larger gear A, B and C.
// Returns 1 when x comes before y, -1 when y comes before x, 0 when neither.
int CompareTrains(const TrainResult& x, const TrainResult& y, const GearSet& gears);

// True exactly when CompareTrains(x, y) is greater than 0.
bool ComesBefore(const TrainResult& x, const TrainResult& y, const GearSet& gears);

void SwapRecords(TrainResult& x, TrainResult& y);

// Order list[first..last] in place, best first; a negative last stands for
// the list's last index. QuickSort leaves ranges of fewer than 21 records to
// SelectionSort; it works on packed keys (TrainSortKeys) and moves each
// record once, into its place.
void QuickSort(std::vector<TrainResult>& list, long first, long last, const GearSet& gears);
void SelectionSort(std::vector<TrainResult>& list, long first, long last, const GearSet& gears);

}  // namespace calc
