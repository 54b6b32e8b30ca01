#pragma once

#include <cstdint>
#include <vector>

namespace calc {

// Whether a slot's count is a gear that can be mounted: 0 is an empty slot,
// and a count below 0 (typed by mistake, or from an edited settings file) is
// no gear either, so every search passes over both alike.
inline bool Mounts(std::int32_t count) { return count > 0; }

// The change gears the machinist owns: slots 0 to Upper() holding tooth
// counts, 0 meaning an empty slot. A slot index identifies one physical
// gear; two slots may hold equal counts.
class GearSet {
public:
    GearSet();  // the factory set
    explicit GearSet(std::vector<std::int32_t> counts);  // at least one slot

    static GearSet Factory();

    int Upper() const { return static_cast<int>(counts_.size()) - 1; }
    std::int32_t Count(int slot) const {  // 0 for a slot outside the set
        return slot < 0 || slot > Upper() ? 0 : counts_[static_cast<std::size_t>(slot)];
    }
    const std::vector<std::int32_t>& Counts() const { return counts_; }

    // Stores a count; a slot beyond Upper() extends the set with empty slots.
    void SetCount(int slot, std::int32_t count);
    // Makes the set end at `upper` (growing with empty slots or dropping slots).
    void Resize(int upper);

private:
    std::vector<std::int32_t> counts_;
};

}  // namespace calc
