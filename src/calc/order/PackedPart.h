#pragma once

#include <cstddef>
#include <cstdint>

#include "calc/gears/TrainResult.h"
#include "calc/order/TrainSortKeys.h"

namespace calc {

// The trains of a search, or of one part of it, packed into sort entries
// in room made for them beforehand, while watching for ties. A search lists
// the trains that differ in gear D alone one after another, so two entries
// that tie (same error, marks and gears, see SortEntries) lie in one such
// run: a tie is looked for there, until one is seen.
class PackedPart {
public:
    explicit PackedPart(const TrainSortKeys& keys) : keys_(&keys) {}

    // Writes from `room` on, at most `capacity` entries; the entries
    // already written move with it.
    void Place(TrainSortEntry* room, std::size_t capacity) {
        room_ = room;
        capacity_ = capacity;
    }

    // Inline, so that the search's loops take it in and leave unworked what
    // it does not read. A train that cannot be packed (see
    // TrainSortKeys::Fits), or no room left, makes the part incomplete.
    [[gnu::always_inline]] void Add(const TrainResult& result) {
        if (!complete_) return;
        if (!TrainSortKeys::Fits(result) || result.d < 0 || used_ == capacity_ || used_ >= UINT32_MAX) {
            complete_ = false;
            return;
        }
        const TrainSortEntry entry = keys_->EntryOf(result, static_cast<std::uint32_t>(keys_->Rank(result.d)));
        if (!tieSeen_) LookForTie(entry);
        room_[used_++] = entry;
    }

    // Counts `next`'s entries as this part's own: they must lie right after
    // this part's. No run of equal gears spans two parts of one search.
    void TakeAfter(const PackedPart& next) {
        used_ += next.used_;
        complete_ = complete_ && next.complete_;
        tieSeen_ = tieSeen_ || next.tieSeen_;
    }

    std::size_t Used() const { return used_; }
    bool Full() const { return used_ == capacity_; }
    bool Complete() const { return complete_; }
    bool TieSeen() const { return tieSeen_; }

private:
    void LookForTie(const TrainSortEntry& entry) {
        const std::uint32_t gears = keys_->GearsOf(entry);
        if (gears == runGears_) {
            for (std::size_t i = runStart_; i < used_; ++i)
                if (room_[i].absErr == entry.absErr && room_[i].keyAndIndex >> 32 == entry.keyAndIndex >> 32)
                    tieSeen_ = true;
            return;
        }
        runGears_ = gears;
        runStart_ = used_;
    }

    const TrainSortKeys* keys_;
    TrainSortEntry* room_ = nullptr;
    std::size_t capacity_ = 0;
    std::size_t used_ = 0;
    bool complete_ = true;
    bool tieSeen_ = false;
    std::uint32_t runGears_ = UINT32_MAX;
    std::size_t runStart_ = 0;
};

}  // namespace calc
