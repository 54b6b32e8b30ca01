#pragma once

#include <cstddef>
#include <vector>

#include "calc/gears/GearSet.h"
#include "calc/gears/TrainResult.h"

namespace calc {

// The results of a search in their sorted order, kept in blocks, so that a
// reader that goes through them once can give each block back as soon as
// it is done with it: a long list and what is built from it need not both
// be held whole.
class SortedResults {
public:
    // A full block (48 MB) is larger than any allocation a C library serves
    // from its heap, so releasing it gives the memory back to the system at
    // once rather than to a heap that keeps it.
    static constexpr std::size_t kBlockSize = 1 << 20;

    SortedResults() = default;
    // Orders the list (as QuickSort orders it) and takes the results over;
    // the list's own memory is given back.
    SortedResults(std::vector<TrainResult>&& list, const GearSet& gears, std::size_t blockSize = kBlockSize);

    std::size_t Size() const { return size_; }
    std::size_t BlockCount() const { return blocks_.size(); }
    std::size_t BlockSize() const { return blockSize_; }
    // Block k holds the results from k times the block size on.
    const std::vector<TrainResult>& Block(std::size_t k) const { return blocks_[k]; }
    // Gives block k's memory back; it reads as empty afterwards.
    void ReleaseBlock(std::size_t k) { std::vector<TrainResult>().swap(blocks_[k]); }

private:
    std::vector<std::vector<TrainResult>> blocks_;
    std::size_t size_ = 0;
    std::size_t blockSize_ = kBlockSize;
};

}  // namespace calc
