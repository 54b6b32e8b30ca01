#pragma once

#include <cmath>
#include <vector>

#include "calc/order/TrainOrder.h"

// The record sort written step by step as the ordering rules state it: full
// records, a pivot copy, recursion into both parts. The real sort must leave
// every list in exactly the order this one does.
namespace reference {

inline void SelectionSort(std::vector<calc::TrainResult>& list, long first, long last, const calc::GearSet& g) {
    if (last < 0) last = static_cast<long>(list.size()) - 1;
    for (long i = first; i <= last - 1; ++i) {
        calc::TrainResult best = list[static_cast<std::size_t>(i)];
        long m = i;
        for (long j = i + 1; j <= last; ++j) {
            if (calc::ComesBefore(list[static_cast<std::size_t>(j)], best, g)) {
                best = list[static_cast<std::size_t>(j)];
                m = j;
            }
        }
        list[static_cast<std::size_t>(m)] = list[static_cast<std::size_t>(i)];
        list[static_cast<std::size_t>(i)] = best;
    }
}

// Nearest integer, halves to the even neighbour.
inline double RoundHalfEven(double v) {
    double r = std::round(v);
    if (std::fabs(v - std::trunc(v)) == 0.5) r = 2 * std::round(v / 2);
    return r;
}

inline void QuickSort(std::vector<calc::TrainResult>& list, long first, long last, const calc::GearSet& g) {
    auto at = [&list](long i) -> calc::TrainResult& { return list[static_cast<std::size_t>(i)]; };
    if (last < 0) last = static_cast<long>(list.size()) - 1;                        // 1
    if (last - first < 20) {                                                        // 2
        reference::SelectionSort(list, first, last, g);
        return;
    }
    const long mid = static_cast<long>(RoundHalfEven((last - first + 1) / 2.0 + first));  // 3
    const calc::TrainResult pivot = at(mid);                                         // 4
    std::swap(at(mid), at(first));
    long lo = first, hi = last;
    for (;;) {
        while (!calc::ComesBefore(at(hi), pivot, g)) {                               // 5
            --hi;
            if (!(hi > lo)) break;
        }
        if (hi <= lo) {                                                              // 6
            at(lo) = pivot;
            break;
        }
        std::swap(at(lo), at(hi));                                                   // 7
        ++lo;
        while (calc::ComesBefore(at(lo), pivot, g)) {                                // 8
            ++lo;
            if (!(lo < hi)) break;
        }
        if (lo >= hi) {                                                              // 9
            lo = hi;
            at(hi) = pivot;
            break;
        }
        std::swap(at(lo), at(hi));
    }
    if (first < lo - 1) reference::QuickSort(list, first, lo - 1, g);                        // 10
    if (lo + 1 < last) reference::QuickSort(list, lo + 1, last, g);
}

}  // namespace reference
