#pragma once

#include <utility>
#include <vector>

namespace calc {

// The record sort of the results, for any item type: `before(x, y)` is true
// when x comes strictly before y. The scans, the pivots and the exchanges are
// fixed, so items that tie are left in one defined order, the same whatever
// the items are (full records, or small handles with precomputed keys).

// For i from first to last - 1, the best of list[i..last] goes to i; a later
// item replaces the best so far only when it comes strictly before it.
template <class Item, class Before>
void SelectionSortBy(std::vector<Item>& list, long first, long last, Before before) {
    if (last < 0) last = static_cast<long>(list.size()) - 1;
    auto at = [&list](long i) -> Item& { return list[static_cast<std::size_t>(i)]; };
    for (long i = first; i < last; ++i) {
        Item best = at(i);
        long m = i;
        for (long j = i + 1; j <= last; ++j) {
            if (before(at(j), best)) {
                best = at(j);
                m = j;
            }
        }
        at(m) = at(i);
        at(i) = best;
    }
}

namespace detail {

// The middle of first..last: (last - first + 1) / 2 + first, the sum
// rounded to the nearest integer, halves to even. Worked out in integers,
// which gives what floating point gives for any list that fits in memory,
// without a division's remainder taken in floating point for every other
// range.
inline long PivotIndex(long first, long last) {
    const long count = last - first + 1;
    const long below = first + count / 2;  // for an odd count, the integer below the halfway sum
    if (count % 2 == 0 || below % 2 == 0) return below;
    return below + 1;
}

// One partition step around the middle item; returns where the pivot ended.
template <class Item, class Before>
long Partition(std::vector<Item>& list, long first, long last, Before before) {
    auto at = [&list](long i) -> Item& { return list[static_cast<std::size_t>(i)]; };
    const long mid = PivotIndex(first, last);
    const Item pivot = at(mid);
    std::swap(at(mid), at(first));
    long lo = first, hi = last;
    for (;;) {
        while (!before(at(hi), pivot)) {  // downward scan
            --hi;
            if (hi <= lo) break;
        }
        if (hi <= lo) {
            at(lo) = pivot;
            return lo;
        }
        std::swap(at(lo), at(hi));
        ++lo;
        while (before(at(lo), pivot)) {  // upward scan
            ++lo;
            if (lo >= hi) break;
        }
        if (lo >= hi) {
            at(hi) = pivot;
            return hi;
        }
        std::swap(at(lo), at(hi));
    }
}

}  // namespace detail

// The ranges of the sort: a range of fewer than 21 items goes to
// `small(first, last)`; a larger one is split by `split(first, last)`, which
// returns where its pivot ended, and both parts are sorted the same way.
// The two parts are independent, so the smaller one is sorted by recursion
// and the larger by looping: the result is the same as recursing into both,
// and the stack stays shallow for any list.
template <class Small, class Split>
void SortRanges(long first, long last, Small small, Split split) {
    for (;;) {
        if (last - first < 20) {
            small(first, last);
            return;
        }
        const long lo = split(first, last);
        const bool sortLeft = first < lo - 1;
        const bool sortRight = lo + 1 < last;
        if (sortLeft && sortRight) {
            if (lo - first < last - lo) {
                SortRanges(first, lo - 1, small, split);
                first = lo + 1;
            } else {
                SortRanges(lo + 1, last, small, split);
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

// Partitions around the middle item and sorts both parts the same way;
// ranges of fewer than 21 items go to SelectionSortBy.
template <class Item, class Before>
void QuickSortBy(std::vector<Item>& list, long first, long last, Before before) {
    if (last < 0) last = static_cast<long>(list.size()) - 1;
    SortRanges(
        first, last, [&](long f, long l) { SelectionSortBy(list, f, l, before); },
        [&](long f, long l) { return detail::Partition(list, f, l, before); });
}

}  // namespace calc
