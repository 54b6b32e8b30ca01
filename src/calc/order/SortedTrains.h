#pragma once

#include <cstddef>
#include <memory>

#include "calc/gears/GearSet.h"
#include "calc/order/PackedTrainList.h"
#include "calc/inputs/SearchInputs.h"
#include "calc/order/SortedResults.h"
#include "calc/gears/TrainResult.h"

namespace calc {

// A whole search, its results sorted as QuickSort sorts them. The results
// are held as packed sort entries (16 bytes a result, each row rebuilt as it
// is read) whenever they pack, else as full records in blocks. They are read
// either once, in order, with Next, which gives each block of records back
// as the reading passes it, or by row with Row, in any order and as often as
// wanted; a list read with Next is not read with Row.
class SortedTrains {
public:
    // Packed: packed whenever the results pack; Records: always as records.
    enum class Holding { Packed, Records };

    SortedTrains(const SearchInputs& inputs, const GearSet& gears, Holding holding = Holding::Packed,
                 std::size_t recordBlockSize = SortedResults::kBlockSize);

    std::size_t Size() const { return size_; }
    // The next row, from the first on; valid until the next call. Only
    // Size() rows may be read.
    const TrainResult& Next();
    // Row i (below Size()), valid until the next call.
    const TrainResult& Row(std::size_t i);

    // Whether rows may be read from several threads at once, each through
    // a RowReader of its own (and neither Next nor Row meanwhile).
    bool ReadableInParallel() const { return packed_ != nullptr; }
    class RowReader {
    public:
        // Row i (below Size()), valid until the next call.
        const TrainResult& Row(std::size_t i) { return reader_.Row(i); }

    private:
        friend class SortedTrains;
        explicit RowReader(const PackedTrainList& list) : reader_(list) {}
        PackedTrainList::Reader reader_;
    };
    // Only when ReadableInParallel().
    RowReader Reader() const { return RowReader(*packed_); }

private:
    std::unique_ptr<PackedTrainList> packed_;
    SortedResults records_;
    std::size_t size_ = 0;
    std::size_t next_ = 0;
};

}  // namespace calc
