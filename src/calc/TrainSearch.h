#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "calc/GearSet.h"
#include "calc/SearchInputs.h"
#include "calc/TrainResult.h"

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

// The search in two parts that can run at the same time: the first lists
// the two-gear trains and the four-gear trains whose gear A sits in a slot
// below `split`, the second the rest; the first's list followed by the
// second's is the whole list. Only for gear sets in which no count repeats
// (each combination then has one occurrence, so neither part needs to know
// what the other found).
bool SearchSplits(const GearSet& gears);
int SplitSlot(const GearSet& gears);
// At least as many trains as each part can list (the trains whose ratio lies
// in the search's band), found without measuring any.
struct SearchBound {
    std::size_t first = 0;
    std::size_t second = 0;
};
SearchBound BoundSearch(const SearchInputs& inputs, const GearSet& gears, int split);
void SearchTrainsPart(const SearchInputs& inputs, const GearSet& gears, TrainSink& sink, bool first, int split);

}  // namespace calc
