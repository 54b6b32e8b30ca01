#include "calc/order/PackedTrainList.h"

#include <exception>
#include <system_error>
#include <thread>

#include "calc/order/EntrySort.h"
#include "calc/gears/TrainMeasure.h"
#include "calc/search/SearchLoops.h"

namespace calc {

PackedTrainList::PackedTrainList(const SearchInputs& inputs, const GearSet& gears)
    : keys_(gears),
      gears_(gears),
      advance_(LeadAdvance(inputs)),
      request_(inputs.request),
      requestTpi_(inputs.requestTpi),
      complete_(keys_.Usable()) {}

void PackedTrainList::Abandon() {
    complete_ = false;
    entries_ = {};
}

void PackedTrainList::LookForTieInRun(const TrainSortEntry& entry) {
    for (std::size_t i = runStart_; i < entries_.size(); ++i)
        if (entries_[i].absErr == entry.absErr && entries_[i].keyAndIndex >> 32 == entry.keyAndIndex >> 32)
            tieSeen_ = true;
}

namespace {

// A search shares its work between two threads when it can list at least
// this many trains: below, starting a thread costs more than it saves.
constexpr std::size_t kSharedFrom = 32768;
// ... and at most this many: both parts are then held at once for a moment,
// which a long list cannot afford.
constexpr std::size_t kSharedUpTo = std::size_t{1} << 20;

}  // namespace

void PackedTrainList::Fill(const SearchInputs& inputs, const GearSet& gears) {
    if (!complete_) return;
    const SearchPlan plan(inputs, gears);
    const int split = plan.MiddleSlot(), end = gears.Upper() + 1;
    const std::size_t most = plan.BoundBelow(end);
    tiesWatched_ = plan.Parts();
    // Room for the most the search can list, made once: a list that grew by
    // doubling would hold its old and new room at once, half as much again
    // as the list at its peak. Room never written takes no memory.
    if (most < kSharedFrom || most > kSharedUpTo || !plan.Parts() || std::thread::hardware_concurrency() < 2) {
        entries_.reserve(most);
        SearchTrainsPartInto(plan, *this, true, 0, end);
        return;
    }
    entries_.reserve(most);
    PackedTrainList second(inputs, gears);
    second.entries_.reserve(plan.BoundFrom(split));
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
        other = std::thread(searchSecond);
    } catch (const std::system_error&) {  // no thread to be had: the second part after the first
    }
    SearchTrainsPartInto(plan, *this, true, 0, split);
    if (other.joinable()) other.join();
    else searchSecond();
    if (failure) std::rethrow_exception(failure);
    Append(std::move(second));
}

void PackedTrainList::Append(PackedTrainList&& other) {
    if (!other.complete_ || entries_.size() + other.entries_.size() >= UINT32_MAX) {
        complete_ = false;
        entries_ = {};
    }
    if (!complete_) return;
    entries_.insert(entries_.end(), other.entries_.begin(), other.entries_.end());
    other.entries_ = {};
    tieSeen_ = tieSeen_ || other.tieSeen_;
}

void PackedTrainList::Sort() {
    const KnownTies ties = tieSeen_ ? KnownTies::Seen : tiesWatched_ ? KnownTies::None : KnownTies::Unknown;
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
