#include "calc/order/PackedTrainList.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <system_error>
#include <thread>

#include "calc/order/EntrySort.h"
#include "calc/gears/TrainMeasure.h"
#include "calc/search/SearchLoops.h"
#include "calc/work/HelperThread.h"

namespace calc {

PackedTrainList::PackedTrainList(const SearchInputs& inputs, const GearSet& gears)
    : keys_(gears),
      gears_(gears),
      advance_(LeadAdvance(inputs)),
      request_(inputs.request),
      requestTpi_(inputs.requestTpi),
      complete_(keys_.Usable()) {}

void PackedTrainList::Grow() {
    std::vector<TrainSortEntry> room(std::max<std::size_t>(2 * entries_.size(), 1024));
    std::copy(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(part_.Used()), room.begin());
    entries_.swap(room);
    part_.Place(entries_.data(), entries_.size());
}

namespace {

// A search shares its work between two threads when it can list at least
// this many trains: below, starting a thread costs more than it saves.
constexpr std::size_t kSharedFrom = 32768;

}  // namespace

void PackedTrainList::Fill(const SearchInputs& inputs, const GearSet& gears) {
    if (!complete_ || part_.Used() != 0) return;
    const SearchPlan plan(inputs, gears);
    const int split = plan.MiddleSlot(), end = gears.Upper() + 1;
    const std::size_t most = plan.BoundBelow(end);
    tiesWatched_ = plan.Parts();
    // Room for the most the search can list, made once: a list that grew by
    // doubling would hold its old and new room at once, half as much again
    // as the list at its peak. Room never written takes no memory.
    entries_.resize(most);
    part_.Place(entries_.data(), most);
    if (most < kSharedFrom || !plan.Parts() || std::thread::hardware_concurrency() < 2) {
        SearchTrainsPartInto(plan, part_, true, 0, end);
        return;
    }
    // The second part writes after the most the first can list, and moves
    // down to the first's end when both are done. The room between is
    // touched then: the closer bound keeps it small.
    const std::size_t below = plan.CloseBoundBelow(split);
    part_.Place(entries_.data(), below);
    PackedPart second(keys_);
    second.Place(entries_.data() + below, most - below);
    std::exception_ptr failure;
    auto searchSecond = [&] {
        try {
            SearchTrainsPartInto(plan, second, false, split, end);
        } catch (...) {
            failure = std::current_exception();
        }
    };
    std::thread other;
    try {
        other = StartHelperThread(searchSecond);
    } catch (const std::system_error&) {  // no thread to be had: the second part after the first
    }
    SearchTrainsPartInto(plan, part_, true, 0, split);
    if (other.joinable()) other.join();
    else searchSecond();
    if (failure) std::rethrow_exception(failure);
    std::memmove(entries_.data() + part_.Used(), entries_.data() + below, second.Used() * sizeof(TrainSortEntry));
    part_.Place(entries_.data(), most);
    part_.TakeAfter(second);
}

void PackedTrainList::Sort() {
    entries_.resize(part_.Used());
    const KnownTies ties = part_.TieSeen() ? KnownTies::Seen : tiesWatched_ ? KnownTies::None : KnownTies::Unknown;
    SortEntries(entries_, 0, -1, keys_.Before(), ties);
}

const TrainResult& PackedTrainList::Reader::Row(std::size_t i) {
    const TrainSortKeys::Products products = list_.keys_.Unpack(list_.entries_[i], row_);
    if (products.driving != driving_ || products.driven != driven_) {
        const TrainMeasures m =
            MeasureTrain(products.driving, products.driven, list_.advance_, list_.request_, list_.requestTpi_);
        row_.pitch = m.pitch;
        row_.tpi = m.tpi;
        row_.err = m.err;
        driving_ = products.driving;
        driven_ = products.driven;
    }
    return row_;
}

}  // namespace calc
