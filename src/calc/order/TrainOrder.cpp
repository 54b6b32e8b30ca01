#include "calc/order/TrainOrder.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "calc/order/QuickSortBy.h"
#include "calc/order/TrainSortKeys.h"

namespace calc {

namespace {

// Key of gears B and C: a train that has no such gear loses to one that
// has; when the second record has none, the first comes first.
int CompareOptionalGear(int xSlot, int ySlot, const GearSet& gears) {
    if (ySlot < 0) return 1;
    if (xSlot < 0) return -1;
    std::int32_t x = gears.Count(xSlot), y = gears.Count(ySlot);
    if (x > y) return 1;
    if (x < y) return -1;
    return 0;
}

}  // namespace

int CompareTrains(const TrainResult& x, const TrainResult& y, const GearSet& gears) {
    const double ex = std::fabs(x.err), ey = std::fabs(y.err);
    if (ex < ey) return 1;
    if (ex != ey) return -1;

    const int marks = x.comm.Text().compare(y.comm.Text());
    if (marks < 0) return 1;
    if (marks > 0) return -1;

    const std::int32_t ax = gears.Count(x.a), ay = gears.Count(y.a);
    if (ax > ay) return 1;
    if (ax < ay) return -1;

    if (int key = CompareOptionalGear(x.b, y.b, gears)) return key;
    return CompareOptionalGear(x.c, y.c, gears);
}

bool ComesBefore(const TrainResult& x, const TrainResult& y, const GearSet& gears) {
    return CompareTrains(x, y, gears) > 0;
}

void SwapRecords(TrainResult& x, TrainResult& y) { std::swap(x, y); }

void SelectionSort(std::vector<TrainResult>& list, long first, long last, const GearSet& gears) {
    SelectionSortBy(list, first, last,
                    [&gears](const TrainResult& x, const TrainResult& y) { return ComesBefore(x, y, gears); });
}

void QuickSort(std::vector<TrainResult>& list, long first, long last, const GearSet& gears) {
    if (last < 0) last = static_cast<long>(list.size()) - 1;
    const std::vector<std::uint32_t> order = SortedOrder(list, gears, first, last);
    std::vector<TrainResult> sorted;
    sorted.reserve(order.size());
    for (std::uint32_t index : order) sorted.push_back(list[index]);
    std::copy(sorted.begin(), sorted.end(), list.begin() + first);
}

}  // namespace calc
