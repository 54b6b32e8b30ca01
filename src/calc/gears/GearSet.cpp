#include "calc/gears/GearSet.h"

#include "calc/inputs/FactoryInputs.h"
#include "runtime/Error.h"

namespace calc {

GearSet::GearSet() : counts_(factory::kGears.begin(), factory::kGears.end()) {}

GearSet::GearSet(std::vector<std::int32_t> counts) : counts_(std::move(counts)) {
    if (counts_.empty()) counts_.push_back(0);
}

GearSet GearSet::Factory() { return GearSet(); }

void GearSet::SetCount(int slot, std::int32_t count) {
    if (slot < 0) throw runtime::Error(runtime::errors::SubscriptOutOfRange);
    if (slot > Upper()) Resize(slot);
    counts_[static_cast<std::size_t>(slot)] = count;
}

void GearSet::Resize(int upper) {
    if (upper < 0) throw runtime::Error(runtime::errors::SubscriptOutOfRange);
    counts_.resize(static_cast<std::size_t>(upper) + 1, 0);
}

}  // namespace calc
