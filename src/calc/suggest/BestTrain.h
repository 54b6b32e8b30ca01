#pragma once

#include <optional>
#include <vector>

#include "calc/gears/GearSet.h"
#include "calc/inputs/SearchInputs.h"
#include "calc/suggest/SearchedSet.h"
#include "calc/gears/TrainResult.h"

namespace calc {

// Finds, for one thread after another, the train that would head the
// results table if every train the gear set can make were listed: the
// first in the order of CompareTrains among all two-gear trains and all
// four-gear trains that pass the fit checks under the include options.
// Among trains that compare equal it picks the one the search meets first
// (two-gear trains by slots a, d; four-gear trains by slots a, b, c, d).
//
// Rather than trying every train, it works on the distinct tooth counts
// (equal gears make equal trains, so a set of many equal gears costs no
// more than one of each) and sorts the ratios of all pairs of them once;
// for each driving pair (A, B) it looks up the second pair (C, D) whose
// ratio brings the train nearest the thread, and moves outward from there
// only while the error can still equal or beat the best so far. A train
// holds a tooth count as often as the set has gears of it, and reports the
// slots the loops over the slots meet first (GearTally::FirstSlots).
class BestTrainFinder {
public:
    // Uses the gears, the include options and the leadscrew, ratio of
    // `inputs`; the request and tolerance there are not read.
    BestTrainFinder(const GearSet& gears, const SearchInputs& inputs);

    // The best train for a pitch in mm (or a count of threads per inch when
    // `requestTpi`). None when the set has fewer than two gears, or when the
    // leadscrew advance or the request is 0 or not a finite number.
    std::optional<TrainResult> Find(bool requestTpi, double request) const;

private:
    struct Pair {
        double ratio;  // of the pair's tooth counts, as the sorted list needs it
        int first;     // indices into set_.tally.Sizes()
        int second;
    };

    class Scan;

    SearchedSet set_;
    std::vector<Pair> pairs_;      // every ordered pair of sizes the set holds both of
    std::vector<Pair> byRatio_;    // (C, D) by C / D
    std::vector<Pair> byInverse_;  // (C, D) by D / C
};

}  // namespace calc
