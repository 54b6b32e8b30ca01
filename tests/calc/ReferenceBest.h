#pragma once

#include <limits>
#include <optional>
#include <vector>

#include "ReferenceSearch.h"
#include "calc/order/TrainOrder.h"

// The first row of the results table when the tolerance accepts every
// train; of the rows that compare equal to it, the one the search met first
// (a search lists trains in the order it meets them).
inline std::optional<calc::TrainResult> HeadOfResults(const std::vector<calc::TrainResult>& list,
                                                      const calc::GearSet& g) {
    if (list.empty()) return std::nullopt;
    std::vector<calc::TrainResult> sorted = list;
    calc::QuickSort(sorted, 0, -1, g);
    const calc::TrainResult& head = sorted.front();
    auto strictlyBefore = [&g](const calc::TrainResult& x, const calc::TrainResult& y) {
        return calc::ComesBefore(x, y, g) && !calc::ComesBefore(y, x, g);
    };
    for (const calc::TrainResult& r : list)
        if (!strictlyBefore(r, head) && !strictlyBefore(head, r)) return r;
    return std::nullopt;
}

// The best train by the exhaustive reference search.
inline std::optional<calc::TrainResult> ReferenceBest(calc::SearchInputs in, const calc::GearSet& g) {
    in.tolerance = std::numeric_limits<double>::infinity();
    return HeadOfResults(ReferenceSearch(in, g), g);
}
