#pragma once

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "calc/gears/GearSet.h"
#include "calc/gears/TrainResult.h"

namespace calc {

// A result reduced to what ordering it needs, in 16 bytes: its absolute
// error, and one word holding its marks and gears above the index of the
// result (low 32 bits).
struct TrainSortEntry {
    double absErr;
    std::uint64_t keyAndIndex;

    // Left unset: room made for entries is not written until it is used,
    // and room never used takes no memory.
    TrainSortEntry() {}
    TrainSortEntry(double error, std::uint64_t key) : absErr(error), keyAndIndex(key) {}

    std::uint32_t Index() const { return static_cast<std::uint32_t>(keyAndIndex); }
};

// Packs the keys of results drawn from one gear set. Tooth counts are
// replaced by their rank among the set's distinct counts, larger counts
// first, so that marks, A, B and C fit the upper 32 bits of a word:
//   marks rank | A | two-gear flag | B | C
class TrainSortKeys {
public:
    // The low bits of a key word, which the order never reads.
    static constexpr unsigned kIndexBits = 32;

    explicit TrainSortKeys(const GearSet& gears);

    // False when the set has too many distinct counts for the packing.
    bool Usable() const { return usable_; }

    // Whether a result can be packed at all (false: B without C, an error
    // that is not a number).
    static bool Fits(const TrainResult& result) {
        // A record with gear B but no gear C, or an error that is not a
        // number, is ordered by the records themselves.
        return !std::isnan(result.err) && !(result.b >= 0 && result.c < 0);
    }

    // The entry of a result; `index` fills the low 32 bits, which the order
    // never reads.
    TrainSortEntry EntryOf(const TrainResult& result, std::uint32_t index) const {
        std::uint64_t key = marksKeys_[result.comm.Bits() & 7] | KeysOfSlot(result.a).a;
        if (result.b < 0) key |= twoGearKey_;  // two gears: the flag decides; B and C stay 0
        else key |= KeysOfSlot(result.b).b | (result.c < 0 ? 0 : KeysOfSlot(result.c).c);
        return {std::fabs(result.err), key << kIndexBits | index};
    }

    // The gears A, B and C an entry was packed from (and whether it has
    // two gears), without its marks and index: equal for two entries of one
    // search only when they differ in gear D alone.
    std::uint32_t GearsOf(const TrainSortEntry& entry) const {
        return static_cast<std::uint32_t>(entry.keyAndIndex >> 32) & gearsMask_;
    }

    // The rank of a slot's count among the distinct counts, larger first.
    std::uint64_t Rank(std::int32_t slot) const { return SlotRank(slot); }
    // The driving and driven products of a train's tooth counts.
    struct Products {
        std::int64_t driving;
        std::int64_t driven;
    };
    // The marks and gears an entry was packed from, as the first slots
    // holding those counts (b and c -1 for a two-gear train), and the
    // products of those counts. Inline: every row read goes through it.
    Products Unpack(const TrainSortEntry& entry, TrainResult& result) const {
        const std::uint64_t mask = (std::uint64_t{1} << width_) - 1;
        std::uint64_t key = entry.keyAndIndex >> kIndexBits;
        const RankedGear& d = GearOfRank(entry.Index());
        Products products{1, d.count};
        result.d = d.slot;
        if ((key >> (2 * width_) & 1) != 0) {
            result.b = result.c = -1;
        } else {
            const RankedGear& c = GearOfRank(key & mask);
            const RankedGear& b = GearOfRank(key >> width_ & mask);
            result.c = c.slot;
            result.b = b.slot;
            products = {c.count, b.count * products.driven};
        }
        key >>= 2 * width_ + 1;
        const RankedGear& a = GearOfRank(key & mask);
        result.a = a.slot;
        products.driving *= a.count;
        result.comm = FitMarks(marksOfRank_[key >> width_ & 7]);
        return products;
    }

    // The same test as ComesBefore on the results the entries stand for.
    // A small value, so that a sort can keep it in registers.
    struct Order {
        __extension__ using Wide = unsigned __int128;
        unsigned headShift;
        std::uint64_t twoGearBit;
        bool operator()(const TrainSortEntry& x, const TrainSortEntry& y) const {
            // Error and head as one 128-bit number: one comparison, no branch
            // on the error alone. A non-negative double orders like its bits.
            const Wide hx = Wide{std::bit_cast<std::uint64_t>(x.absErr)} << 64 | x.keyAndIndex >> headShift;
            const Wide hy = Wide{std::bit_cast<std::uint64_t>(y.absErr)} << 64 | y.keyAndIndex >> headShift;
            if (hx != hy) return hx < hy;
            if (y.keyAndIndex & twoGearBit) return true;  // y has no gear B: x comes first
            if (x.keyAndIndex & twoGearBit) return false;
            return x.keyAndIndex >> 32 < y.keyAndIndex >> 32;
        }
    };
    Order Before() const { return {headShift_, twoGearBit_}; }

private:
    std::uint64_t SlotRank(std::int32_t slot) const {
        if (slot < 0 || static_cast<std::size_t>(slot) >= slotRanks_.size()) return emptyRank_;
        return slotRanks_[static_cast<std::size_t>(slot)];
    }
    // A slot's rank shifted to its place in the upper word of the key, as
    // gear A, B and C.
    struct SlotKeys {
        std::uint64_t a = 0, b = 0, c = 0;
    };
    const SlotKeys& KeysOfSlot(std::int32_t slot) const {
        if (slot < 0 || static_cast<std::size_t>(slot) >= slotKeys_.size()) return emptyKeys_;
        return slotKeys_[static_cast<std::size_t>(slot)];
    }
    std::vector<SlotKeys> slotKeys_;  // per slot; none when the set is not Usable()
    SlotKeys emptyKeys_;              // for a slot outside the set
    std::uint64_t marksKeys_[8] = {};  // per marks value: its place in the order of the marks texts, shifted
    std::uint64_t twoGearKey_ = 0;

    std::vector<std::uint64_t> slotRanks_;  // per slot: rank of its count, 0 = largest
    // A rank's count and the first slot that holds it (-1 for none).
    struct RankedGear {
        std::int32_t slot = -1;
        std::int64_t count = 0;
    };
    const RankedGear& GearOfRank(std::uint64_t rank) const {
        return rank < rankGears_.size() ? rankGears_[static_cast<std::size_t>(rank)] : noGear_;
    }
    std::vector<RankedGear> rankGears_;  // per rank
    RankedGear noGear_;                  // for a rank beyond them: no slot, count 0
    std::uint8_t marksOfRank_[8] = {};   // per place in the order of the marks texts: the marks
    std::uint64_t emptyRank_ = 0;           // rank of count 0, read for a slot outside the set
    unsigned width_ = 1;                  // bits per gear rank
    unsigned headShift_ = 0;              // marks and A lie above it (counted in the whole word)
    std::uint64_t twoGearBit_ = 0;
    std::uint32_t gearsMask_ = 0;
    bool usable_ = true;
};

// The order in which QuickSort(list, first, last) leaves the results of
// first..last: element i is the index in `list` of the result that ends at
// position first + i. Computed on precomputed keys and small entries; the
// list itself is not moved. A negative last stands for the last index.
std::vector<std::uint32_t> SortedOrder(const std::vector<TrainResult>& list, const GearSet& gears, long first = 0,
                                       long last = -1);

}  // namespace calc
