#pragma once

#include <cstdint>
#include <vector>

#include "calc/gears/GearSet.h"

namespace calc {

// Every ordered pair (first, second) of two different slots that hold a gear,
// sorted by the ratio first / second of their tooth counts. A four-gear
// train's ratio is the product of the ratios of its pairs (A, B) and (C, D),
// so for a given (A, B) the (C, D) that can cut a thread lie in one run of
// this list, found by halving.
class PairRatios {
public:
    struct Pair {
        double ratio;  // count(first) / count(second)
        int first;
        int second;
    };

    explicit PairRatios(const GearSet& gears);

    const std::vector<Pair>& ByRatio() const { return byRatio_; }

    // The run of pairs whose ratio lies in [low, high] (either end may be
    // infinite), as indices into ByRatio().
    struct Run {
        std::size_t begin;
        std::size_t end;
    };
    Run Between(double low, double high) const;

private:
    std::vector<Pair> byRatio_;
};

}  // namespace calc
