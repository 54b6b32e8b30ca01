#include "calc/order/SortedTrains.h"

#include "calc/search/TrainSearch.h"

namespace calc {

SortedTrains::SortedTrains(const SearchInputs& inputs, const GearSet& gears, Holding holding,
                           std::size_t recordBlockSize) {
    if (holding == Holding::Packed) {
        packed_ = std::make_unique<PackedTrainList>(inputs, gears);
        packed_->Fill(inputs, gears);
        if (packed_->Complete()) {
            packed_->Sort();
            size_ = packed_->Size();
            return;
        }
        // Results that do not pack (rare): the search again, keeping the records.
        packed_.reset();
    }
    records_ = SortedResults(SearchTrains(inputs, gears), gears, recordBlockSize);
    size_ = records_.Size();
}

const TrainResult& SortedTrains::Next() {
    const std::size_t i = next_++;
    if (packed_) return packed_->Row(i);
    const std::size_t block = i / records_.BlockSize(), offset = i % records_.BlockSize();
    if (offset == 0 && block > 0) records_.ReleaseBlock(block - 1);
    return records_.Block(block)[offset];
}

const TrainResult& SortedTrains::Row(std::size_t i) {
    if (packed_) return packed_->Row(i);
    return records_.Block(i / records_.BlockSize())[i % records_.BlockSize()];
}

}  // namespace calc
