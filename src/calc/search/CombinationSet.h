#pragma once

#include <array>
#include <cstdint>
#include <set>
#include <vector>

namespace calc {

// Remembers which combinations of tooth counts have been seen. Each slot's
// count is mapped to a small id once, so that for the gear sets of a real
// workshop a combination is one bit in a table.
class CombinationSet {
public:
    // `counts` are the counts of the slots, as the GearSet holds them.
    CombinationSet(const std::vector<std::int32_t>& counts, int arity);

    // True when the combination of the counts of these slots (the first
    // `arity` of them) was not yet in the set (it is now).
    bool Insert(const std::array<int, 4>& slots);

private:
    std::vector<std::int32_t> counts_;
    std::vector<std::uint32_t> slotIds_;  // per slot: the id of its count
    int arity_;
    std::uint64_t base_ = 1;
    std::vector<std::uint64_t> bits_;
    std::set<std::array<std::int32_t, 4>> overflow_;  // counts, when there are too many for bits
    bool useBits_ = true;
};

}  // namespace calc
