#include "calc/order/PackedTrainList.h"

#include "calc/order/EntrySort.h"
#include "calc/gears/TrainMeasure.h"

namespace calc {

PackedTrainList::PackedTrainList(const SearchInputs& inputs, const GearSet& gears)
    : keys_(gears),
      gears_(gears),
      advance_(LeadAdvance(inputs)),
      request_(inputs.request),
      requestTpi_(inputs.requestTpi),
      complete_(keys_.Usable()) {}

void PackedTrainList::Add(const TrainResult& result) {
    if (!complete_) return;
    if (!TrainSortKeys::Fits(result) || result.d < 0 || entries_.size() >= UINT32_MAX) {
        complete_ = false;
        entries_ = {};
        return;
    }
    entries_.push_back(keys_.EntryOf(result, static_cast<std::uint32_t>(keys_.Rank(result.d))));
}

void PackedTrainList::Sort() { SortEntries(entries_, 0, -1, keys_.Before()); }

const TrainResult& PackedTrainList::Row(std::size_t i) {
    const TrainSortEntry& entry = entries_[i];
    keys_.Unpack(entry, row_);
    row_.d = keys_.SlotOf(entry.Index());
    std::int64_t driving = gears_.Count(row_.a), driven = gears_.Count(row_.d);
    if (!row_.IsTwoGear()) {
        driving *= gears_.Count(row_.c);
        driven *= gears_.Count(row_.b);
    }
    if (driving != driving_ || driven != driven_) {
        const TrainMeasures m = MeasureTrain(driving, driven, advance_, request_, requestTpi_);
        row_.pitch = m.pitch;
        row_.tpi = m.tpi;
        row_.err = m.err;
        driving_ = driving;
        driven_ = driven;
    }
    return row_;
}

}  // namespace calc
