#pragma once

#include <array>
#include <cstdint>
#include <set>
#include <vector>

namespace calc {

// Remembers which combinations of tooth counts have been seen. Counts are
// first mapped to small ids, so that for the gear sets of a real workshop a
// combination is one bit in a table.
class CombinationSet {
public:
    CombinationSet(const std::vector<std::int32_t>& counts, int arity);

    // True when the combination was not yet in the set (it is now).
    bool Insert(const std::array<std::int32_t, 4>& counts);

private:
    std::uint32_t IdOf(std::int32_t count) const;

    int arity_;
    std::vector<std::int32_t> distinct_;  // sorted
    std::uint64_t base_ = 1;
    std::vector<std::uint64_t> bits_;
    std::set<std::array<std::int32_t, 4>> overflow_;
    bool useBits_ = true;
};

}  // namespace calc
