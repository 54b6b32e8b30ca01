#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "calc/gears/GearSet.h"
#include "calc/inputs/SearchInputs.h"
#include "calc/gears/TrainResult.h"
#include "calc/search/TrainSearch.h"
#include "calc/order/TrainSortKeys.h"

namespace calc {

// The results of a search held as their sort entries alone, 16 bytes each
// instead of a full record: the keys hold the marks and gears A, B and C, and
// the low word, which the order never reads, holds gear D. A row is rebuilt
// when it is read: the counts from the ranks, the pitch, threads per inch
// and error worked out again from the counts with the same operations as the
// search, so that they are the same to the bit.
class PackedTrainList : public TrainSink {
public:
    PackedTrainList(const SearchInputs& inputs, const GearSet& gears);

    void Add(const TrainResult& result) override;

    // False when some result cannot be packed (see TrainSortKeys::Fits) or
    // the gear set has too many distinct counts: then the list is not usable
    // and the results must be kept as records.
    bool Complete() const { return complete_; }

    // Orders the rows as QuickSort orders the records they stand for.
    void Sort();

    std::size_t Size() const { return entries_.size(); }

    // Row i; pitch, threads per inch and error are reused from the row read
    // before when its driving and driven products are the same.
    const TrainResult& Row(std::size_t i);

private:
    TrainSortKeys keys_;
    const GearSet& gears_;
    double advance_;
    double request_;
    bool requestTpi_;
    std::vector<TrainSortEntry> entries_;
    bool complete_;
    TrainResult row_;
    std::int64_t driving_ = -1, driven_ = -1;  // the products row_'s measures belong to
};

}  // namespace calc
