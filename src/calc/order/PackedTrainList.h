#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "calc/gears/GearSet.h"
#include "calc/inputs/SearchInputs.h"
#include "calc/gears/TrainResult.h"
#include "calc/search/TrainSearch.h"
#include "calc/order/PackedPart.h"
#include "calc/order/TrainSortKeys.h"

namespace calc {

// The results of a search held as their sort entries alone, 16 bytes each
// instead of a full record: the keys hold the marks and gears A, B and C, and
// the low word, which the order never reads, holds gear D. A row is rebuilt
// when it is read: the counts from the ranks, the pitch, threads per inch
// and error worked out again from the counts with the same operations as the
// search, so that they are the same to the bit.
class PackedTrainList final : public TrainSink {
public:
    PackedTrainList(const SearchInputs& inputs, const GearSet& gears);
    PackedTrainList(const PackedTrainList&) = delete;  // its reader points at it
    PackedTrainList& operator=(const PackedTrainList&) = delete;

    // Adds a train after those added before, making more room as needed.
    void Add(const TrainResult& result) override {
        if (!complete_) return;
        if (part_.Full()) Grow();
        part_.Add(result);
    }
    // Adds the search's results in order, to an empty list. A search that
    // can list many trains is shared with a helper thread when the gear set
    // allows it.
    void Fill(const SearchInputs& inputs, const GearSet& gears);

    // False when some result cannot be packed (see TrainSortKeys::Fits) or
    // the gear set has too many distinct counts: then the list is not usable
    // and the results must be kept as records.
    bool Complete() const { return complete_ && part_.Complete(); }

    // Orders the rows as QuickSort orders the records they stand for.
    void Sort();

    std::size_t Size() const { return part_.Used(); }

    // Reads rows of a list that no longer changes. Each thread that reads
    // has a reader of its own. Pitch, threads per inch and error are reused
    // from the row read before when its driving and driven products are the
    // same.
    class Reader {
    public:
        explicit Reader(const PackedTrainList& list) : list_(list) {}
        // Row i (below Size()), valid until the next call.
        const TrainResult& Row(std::size_t i);

    private:
        const PackedTrainList& list_;
        TrainResult row_;
        std::int64_t driving_ = -1, driven_ = -1;  // the products row_'s measures belong to
    };

    // Row i, through the list's own reader.
    const TrainResult& Row(std::size_t i) { return reader_.Row(i); }

private:
    // Twice the room, keeping the entries added so far.
    void Grow();
    // Fill's search shared with a helper thread, in pieces.
    void FillInPieces(const SearchPlan& plan);

    TrainSortKeys keys_;
    const GearSet& gears_;
    double advance_;
    double request_;
    bool requestTpi_;
    std::vector<TrainSortEntry> entries_;  // room: the list is its first Size() entries
    bool complete_;
    PackedPart part_{keys_};
    // When no count repeats, slots and counts are one to one, and the look
    // for ties (see PackedPart) is exact for a list filled by Fill; a set
    // with repeated counts may list tied trains apart.
    bool tiesWatched_ = false;
    Reader reader_{*this};
};

}  // namespace calc
