#include "calc/order/TrainSortKeys.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>
#include <string_view>

#include "calc/order/EntrySort.h"
#include "calc/order/QuickSortBy.h"
#include "calc/order/TrainOrder.h"

namespace calc {

namespace {

constexpr unsigned kMarkBits = 3;
constexpr unsigned kMaxWidth = (64 - TrainSortKeys::kIndexBits - kMarkBits - 1) / 3;  // up to 511 distinct counts

// The place of each marks value when the marks texts are compared code unit
// by code unit: "" first, then "low ", "sec A ", ...
struct MarksRanks {
    std::uint64_t rank[8] = {};
    std::uint8_t marks[8] = {};  // per rank: the marks
    MarksRanks() {
        std::uint8_t order[8] = {0, 1, 2, 3, 4, 5, 6, 7};
        std::sort(order, order + 8, [](std::uint8_t x, std::uint8_t y) {
            return FitMarks(x).Text() < FitMarks(y).Text();
        });
        for (std::uint64_t r = 0; r < 8; ++r) {
            rank[order[r]] = r;
            marks[r] = order[r];
        }
    }
};

const MarksRanks kMarksRanks;

}  // namespace

TrainSortKeys::TrainSortKeys(const GearSet& gears) {
    // Count 0 is always ranked: GearSet::Count gives it for a slot outside the set.
    std::vector<std::int32_t> distinct = gears.Counts();
    distinct.push_back(0);
    std::sort(distinct.begin(), distinct.end(), std::greater<>());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    auto rankOf = [&distinct](std::int32_t count) {
        return static_cast<std::uint64_t>(
            std::lower_bound(distinct.begin(), distinct.end(), count, std::greater<>()) - distinct.begin());
    };
    slotRanks_.reserve(gears.Counts().size());
    for (std::int32_t count : gears.Counts()) slotRanks_.push_back(rankOf(count));
    rankGears_.resize(distinct.size());
    for (std::size_t rank = 0; rank < distinct.size(); ++rank) rankGears_[rank].count = distinct[rank];
    for (std::size_t slot = slotRanks_.size(); slot-- > 0;)
        rankGears_[static_cast<std::size_t>(slotRanks_[slot])].slot = static_cast<std::int32_t>(slot);
    for (std::size_t r = 0; r < 8; ++r) marksOfRank_[r] = kMarksRanks.marks[r];
    emptyRank_ = rankOf(0);
    width_ = std::max(1u, static_cast<unsigned>(std::bit_width(distinct.size())));
    usable_ = width_ <= kMaxWidth;
    headShift_ = kIndexBits + 2 * width_ + 1;
    twoGearBit_ = std::uint64_t{1} << (kIndexBits + 2 * width_);
    if (usable_) {
        auto keysOf = [this](std::uint64_t rank) { return SlotKeys{rank << (2 * width_ + 1), rank << width_, rank}; };
        for (std::uint64_t rank : slotRanks_) slotKeys_.push_back(keysOf(rank));
        emptyKeys_ = keysOf(emptyRank_);
        for (std::size_t bits = 0; bits < 8; ++bits) marksKeys_[bits] = kMarksRanks.rank[bits] << (3 * width_ + 1);
        twoGearKey_ = std::uint64_t{1} << (2 * width_);
    }
    gearsMask_ = usable_ ? static_cast<std::uint32_t>((std::uint64_t{1} << (3 * width_ + 1)) - 1) : 0;
}

std::vector<std::uint32_t> SortedOrder(const std::vector<TrainResult>& list, const GearSet& gears, long first,
                                       long last) {
    if (last < 0) last = static_cast<long>(list.size()) - 1;
    std::vector<std::uint32_t> order;
    if (first > last) return order;
    const TrainSortKeys keys(gears);
    bool keysFit = keys.Usable() && list.size() <= UINT32_MAX;
    for (long i = first; keysFit && i <= last; ++i) keysFit = TrainSortKeys::Fits(list[static_cast<std::size_t>(i)]);
    // Slots below `first` stay unused, so that the sort sees the same indices as on the list.
    order.resize(static_cast<std::size_t>(last) + 1);
    if (!keysFit) {
        for (long i = first; i <= last; ++i) order[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(i);
        QuickSortBy(order, first, last,
                    [&](std::uint32_t x, std::uint32_t y) { return ComesBefore(list[x], list[y], gears); });
    } else {
        std::vector<TrainSortEntry> entries(order.size());
        for (long i = first; i <= last; ++i)
            entries[static_cast<std::size_t>(i)] =
                keys.EntryOf(list[static_cast<std::size_t>(i)], static_cast<std::uint32_t>(i));
        SortEntries(entries, first, last, keys.Before());
        for (long i = first; i <= last; ++i) order[static_cast<std::size_t>(i)] = entries[static_cast<std::size_t>(i)].Index();
    }
    order.erase(order.begin(), order.begin() + first);
    return order;
}

}  // namespace calc
