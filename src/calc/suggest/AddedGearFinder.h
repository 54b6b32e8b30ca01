#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "calc/gears/GearSet.h"
#include "calc/suggest/GearTally.h"
#include "calc/inputs/SearchInputs.h"
#include "calc/suggest/SearchedSet.h"
#include "calc/gears/TrainResult.h"

namespace calc {

// The set with one gear more: the first empty slot takes it, or a new slot
// after the last when none is empty.
GearSet WithGear(const GearSet& gears, std::int32_t teeth);

// The best train (as BestTrainFinder finds it) of a gear set with one gear
// added, from the best train of the set without it. Every train of the
// larger set either holds no gear of the added size (then the set without it
// has it too, in the same slots), or holds one of that size with one or
// three gears of the smaller set. So the best is the better of the smaller
// set's best and the best train holding the added size, and only those are
// searched: the trains the added gear drives or is driven by, from two lists
// of what the other gears make of the ratio, sorted once per smaller set.
class AddedGearFinder {
public:
    AddedGearFinder(const GearSet& gears, const SearchInputs& inputs);

    // The smaller set with one gear of `teeth` added, prepared for Find.
    class Addition {
    public:
        const GearSet& Gears() const { return gears_; }
        std::int32_t Teeth() const { return teeth_; }

    private:
        friend class AddedGearFinder;
        Addition(const GearSet& gears, std::int32_t teeth);
        GearSet gears_;
        GearTally tally_;
        std::int32_t teeth_;
        int added_ = -1;            // the added size in tally_
        std::vector<int> sizeOf_;   // the smaller set's sizes in tally_
    };

    Addition Add(std::int32_t teeth) const;

    // The best train of the larger set for a pitch in mm (threads per inch
    // when `requestTpi`), given `smallerBest`, the smaller set's best for it.
    std::optional<TrainResult> Find(const Addition& addition, bool requestTpi, double request,
                                    const std::optional<TrainResult>& smallerBest) const;

private:
    // What the gears besides the added one make of the train's ratio
    // (driving over driven): `value` times the added gear's teeth when it
    // drives, `value` over them when it is driven. One other gear p, or
    // three: p with q and r (see Find).
    struct Factor {
        double value;
        int p;
        int q;  // -1 with one gear
        int r;
    };

    class Scan;

    SearchedSet set_;
    std::vector<Factor> driving_;  // 1 / p, and p / (q r), ascending
    std::vector<Factor> driven_;   // p, and p r / q, ascending
};

}  // namespace calc
