#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "calc/gears/GearSet.h"

namespace calc {

// The distinct tooth counts of a gear set, each with the number of slots
// holding it. Searches work on these sizes rather than on slots, so that a
// set of many equal gears costs no more than a set of one of each; the
// slots are found again only for the trains they report.
class GearTally {
public:
    // One distinct tooth count: how many slots hold it, and the first four
    // of them in slot order (no train holds more than four gears).
    struct Size {
        std::int32_t teeth = 0;
        int copies = 0;
        std::array<int, 4> slots{};
    };

    // The slots of `gears` that hold a gear (Mounts), sizes in the order of
    // their first slot.
    explicit GearTally(const GearSet& gears);

    const std::vector<Size>& Sizes() const { return sizes_; }

    // Whether the set has a gear for every entry of `sizes` (indices into
    // Sizes(); an index may repeat up to its number of copies).
    bool Holds(std::span<const int> sizes) const;

    // The slots the loops over the slots (first position outermost, each
    // ascending) meet first for gears of these sizes: for each position the
    // lowest slot of its size not taken by an earlier position. `sizes`
    // holds at most four entries, and Holds(sizes).
    std::array<int, 4> FirstSlots(std::span<const int> sizes) const;

private:
    std::vector<Size> sizes_;
};

}  // namespace calc
