#include "calc/TrainOrder.h"

#include <cmath>
#include <utility>

#include "runtime/Rounding.h"

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
    if (last < 0) last = static_cast<long>(list.size()) - 1;
    for (long i = first; i < last; ++i) {
        TrainResult best = list[static_cast<std::size_t>(i)];
        long m = i;
        for (long j = i + 1; j <= last; ++j) {
            if (ComesBefore(list[static_cast<std::size_t>(j)], best, gears)) {
                best = list[static_cast<std::size_t>(j)];
                m = j;
            }
        }
        list[static_cast<std::size_t>(m)] = list[static_cast<std::size_t>(i)];
        list[static_cast<std::size_t>(i)] = best;
    }
}

namespace {

// One partition step around the middle record; returns where the pivot
// ended. The scans are those of the classic in-place partition, so that the
// order of records that compare equal is the same as ever.
long Partition(std::vector<TrainResult>& list, long first, long last, const GearSet& gears) {
    auto at = [&list](long i) -> TrainResult& { return list[static_cast<std::size_t>(i)]; };
    const long mid = static_cast<long>(runtime::RoundHalfEven(static_cast<double>(last - first + 1) / 2)) + first;
    const TrainResult pivot = at(mid);
    SwapRecords(at(mid), at(first));
    long lo = first, hi = last;
    for (;;) {
        while (!ComesBefore(at(hi), pivot, gears)) {  // downward scan
            --hi;
            if (hi <= lo) break;
        }
        if (hi <= lo) {
            at(lo) = pivot;
            return lo;
        }
        SwapRecords(at(lo), at(hi));
        ++lo;
        while (ComesBefore(at(lo), pivot, gears)) {  // upward scan
            ++lo;
            if (lo >= hi) break;
        }
        if (lo >= hi) {
            lo = hi;
            at(hi) = pivot;
            return lo;
        }
        SwapRecords(at(lo), at(hi));
    }
}

}  // namespace

void QuickSort(std::vector<TrainResult>& list, long first, long last, const GearSet& gears) {
    if (last < 0) last = static_cast<long>(list.size()) - 1;
    // The two parts of a partition are independent, so the smaller one is
    // sorted by recursion and the larger by looping: the result is the same
    // as recursing into both, and the stack stays shallow for any list.
    for (;;) {
        if (last - first < 20) {
            SelectionSort(list, first, last, gears);
            return;
        }
        const long lo = Partition(list, first, last, gears);
        const bool sortLeft = first < lo - 1;
        const bool sortRight = lo + 1 < last;
        if (sortLeft && sortRight) {
            if (lo - first < last - lo) {
                QuickSort(list, first, lo - 1, gears);
                first = lo + 1;
            } else {
                QuickSort(list, lo + 1, last, gears);
                last = lo - 1;
            }
        } else if (sortLeft) {
            last = lo - 1;
        } else if (sortRight) {
            first = lo + 1;
        } else {
            return;
        }
    }
}

}  // namespace calc
