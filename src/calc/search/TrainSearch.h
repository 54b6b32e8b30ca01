#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "calc/gears/GearSet.h"
#include "calc/search/PairRatios.h"
#include "calc/search/RatioBand.h"
#include "calc/inputs/SearchInputs.h"
#include "calc/gears/TrainResult.h"

namespace calc {

struct SearchStats {
    std::int64_t recorded = 0;  // arrangements recorded, repeats of a combination included
};

// Every two-gear train (A drives D), then every four-gear train (A drives B,
// C on B's stud drives D), whose thread lies strictly within the tolerance
// and, for four gears, passes the fit checks. Each distinct combination of
// tooth counts is listed once, with the slots of its first occurrence, in the
// order the loops over the slots (a, then b, c, d, ascending) first meet it.
std::vector<TrainResult> SearchTrains(const SearchInputs& inputs, const GearSet& gears, SearchStats* stats = nullptr);

// Receives the trains of a search one by one, in the order of the list.
class TrainSink {
public:
    virtual ~TrainSink() = default;
    virtual void Add(const TrainResult& result) = 0;
};

// The same search, handing each listed train to `sink` instead of a list.
void SearchTrains(const SearchInputs& inputs, const GearSet& gears, TrainSink& sink, SearchStats* stats = nullptr);

// What a search works out before it measures any train: the (C, D) pairs
// sorted by ratio and, for each (A, B), the run of them that can complete it.
// The parts of a search that runs in two threads share it.
class SearchPlan {
public:
    SearchPlan(const SearchInputs& inputs, const GearSet& gears);

    const SearchInputs& Inputs() const { return inputs_; }
    const GearSet& Gears() const { return gears_; }
    const PairRatios& Pairs() const { return pairs_; }
    // The (C, D) pairs, as a run of Pairs(), that can complete (a, b).
    PairRatios::Run RunFor(int a, int b) const { return runs_[Place(a, b)]; }

    // Whether the search can be parted by gear A: when no count repeats,
    // each combination has one occurrence, so neither part needs to know
    // what the other found.
    bool Parts() const { return parts_; }
    // At least as many trains as the search lists with gear A in a slot
    // below `split`, two-gear trains included.
    std::size_t BoundBelow(int split) const;
    // For every slot from 0 to the end, BoundBelow less the (C, D) pairs
    // that share a slot with (A, B), which are never measured: close to what
    // the search lists, for the cost of a few halvings per pair.
    std::vector<std::size_t> CloseBoundsBelow() const;
    // The first slot of each of at most `pieces` pieces of the search by
    // gear A, then the end: pieces of about equal bound.
    std::vector<int> PieceStarts(int pieces) const;

private:
    // The run of every mounted (a, b).
    void FindRuns(const RatioBand& band);
    std::size_t Place(int a, int b) const {
        return static_cast<std::size_t>(a) * static_cast<std::size_t>(slots_) + static_cast<std::size_t>(b);
    }

    const SearchInputs& inputs_;
    const GearSet& gears_;
    int slots_;
    PairRatios pairs_;
    std::vector<PairRatios::Run> runs_;   // by (a, b); empty runs for pairs that do not mount
    std::vector<std::size_t> runsBelow_;  // by slot: the lengths of the runs of every a below it
    std::size_t twoGearBound_ = 0;
    bool parts_;
};

// One part of a search: the two-gear trains when `twoGear`, and the
// four-gear trains whose gear A sits in a slot in [firstA, endA). The parts
// of a search that Parts(), listed one after another in loop order, make
// the whole list.
void SearchTrainsPart(const SearchPlan& plan, TrainSink& sink, bool twoGear, int firstA, int endA);

}  // namespace calc
