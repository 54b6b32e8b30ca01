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
class PackedTrainList final : public TrainSink {
public:
    PackedTrainList(const SearchInputs& inputs, const GearSet& gears);
    PackedTrainList(const PackedTrainList&) = delete;  // its reader points at it
    PackedTrainList& operator=(const PackedTrainList&) = delete;

    // Inline, so that the search's loops take it in and leave unworked
    // what it does not read.
    [[gnu::always_inline]] void Add(const TrainResult& result) override {
        if (!complete_ || !TrainSortKeys::Fits(result) || result.d < 0 || entries_.size() >= UINT32_MAX) {
            Abandon();
            return;
        }
        const TrainSortEntry entry = keys_.EntryOf(result, static_cast<std::uint32_t>(keys_.Rank(result.d)));
        if (!tieSeen_) LookForTie(entry);
        entries_.push_back(entry);
    }
    // Adds the search's results in order. A search that lists many trains
    // is shared between two threads when the gear set allows it.
    void Fill(const SearchInputs& inputs, const GearSet& gears);

    // False when some result cannot be packed (see TrainSortKeys::Fits) or
    // the gear set has too many distinct counts: then the list is not usable
    // and the results must be kept as records.
    bool Complete() const { return complete_; }

    // Orders the rows as QuickSort orders the records they stand for.
    void Sort();

    std::size_t Size() const { return entries_.size(); }

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
    // Takes other's rows after this list's own.
    void Append(PackedTrainList&& other);
    // The results cannot be kept here, only as records.
    void Abandon();
    // Notes whether the entry ties with one before it in its run of gears.
    void LookForTie(const TrainSortEntry& entry) {
        const std::uint32_t gears = keys_.GearsOf(entry);
        if (gears == runGears_) {
            LookForTieInRun(entry);
            return;
        }
        runGears_ = gears;
        runStart_ = entries_.size();
    }
    void LookForTieInRun(const TrainSortEntry& entry);
    TrainSortKeys keys_;
    const GearSet& gears_;
    double advance_;
    double request_;
    bool requestTpi_;
    std::vector<TrainSortEntry> entries_;
    bool complete_;
    // A search lists the trains that differ in gear D alone one after
    // another, so two entries that tie (same error, marks and gears, see
    // SortEntries) lie in one such run: a tie is looked for there, until one
    // is seen. When no count repeats, slots and counts are one to one, and
    // the look is exact for a list filled by Fill (`tiesWatched_`); a set
    // with repeated counts may list them apart.
    bool tieSeen_ = false;
    bool tiesWatched_ = false;
    std::uint32_t runGears_ = UINT32_MAX;
    std::size_t runStart_ = 0;
    Reader reader_{*this};
};

}  // namespace calc
