#include "calc/suggest/GearTally.h"

#include <algorithm>

namespace calc {

GearTally::GearTally(const GearSet& gears) {
    const std::vector<std::int32_t>& counts = gears.Counts();
    for (int slot = 0; slot <= gears.Upper(); ++slot) {
        const std::int32_t teeth = counts[static_cast<std::size_t>(slot)];
        if (!Mounts(teeth)) continue;
        auto size = std::find_if(sizes_.begin(), sizes_.end(), [teeth](const Size& s) { return s.teeth == teeth; });
        if (size == sizes_.end()) size = sizes_.insert(sizes_.end(), Size{teeth, 0, {}});
        if (size->copies < static_cast<int>(size->slots.size())) size->slots[static_cast<std::size_t>(size->copies)] = slot;
        ++size->copies;
    }
}

bool GearTally::Holds(std::span<const int> sizes) const {
    for (std::size_t i = 0; i < sizes.size(); ++i)
        if (std::count(sizes.begin(), sizes.end(), sizes[i]) > sizes_[static_cast<std::size_t>(sizes[i])].copies)
            return false;
    return true;
}

std::array<int, 4> GearTally::FirstSlots(std::span<const int> sizes) const {
    // A size's slots ascend, so the lowest one no earlier position took is
    // the one after those the earlier positions of the same size took.
    std::array<int, 4> slots{-1, -1, -1, -1};
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const auto taken = std::count(sizes.begin(), sizes.begin() + static_cast<long>(i), sizes[i]);
        slots[i] = sizes_[static_cast<std::size_t>(sizes[i])].slots[static_cast<std::size_t>(taken)];
    }
    return slots;
}

}  // namespace calc
