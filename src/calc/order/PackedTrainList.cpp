#include "calc/order/PackedTrainList.h"

#include <algorithm>
#include <cstring>

#include "calc/order/EntrySort.h"
#include "calc/gears/TrainMeasure.h"
#include "calc/search/SearchLoops.h"
#include "calc/work/HelperTask.h"
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

// A search shares its work with the helper thread when it can list at
// least this many trains: below, handing work over costs more than it saves.
constexpr std::size_t kSharedFrom = 4096;

// A shared search goes in this many pieces, so that when one thread starts
// late or runs slowly the other takes more of them.
constexpr int kPieces = 16;

// From this many trains, each piece's room is sized by the close bound: the
// room left between pieces is touched when they move together, and on a
// long list the plain bounds would leave megabytes between them.
constexpr std::size_t kCloseBoundsFrom = std::size_t{1} << 20;

}  // namespace

void PackedTrainList::Fill(const SearchInputs& inputs, const GearSet& gears) {
    if (!complete_ || part_.Used() != 0) return;
    const SearchPlan plan(inputs, gears);
    const int end = gears.Upper() + 1;
    const std::size_t most = plan.BoundBelow(end);
    tiesWatched_ = plan.Parts();
    // Room for the most the search can list, made once: a list that grew by
    // doubling would hold its old and new room at once, half as much again
    // as the list at its peak. Room never written takes no memory.
    entries_.resize(most);
    part_.Place(entries_.data(), most);
    if (most < kSharedFrom || !plan.Parts() || UsableProcessors() < 2) {
        SearchTrainsPartInto(plan, part_, true, 0, end);
        return;
    }
    FillInPieces(plan);
}

// Each piece writes from the bound of the pieces before it, and this
// thread and a helper take the pieces in turn, whichever is free. When all
// are done, each moves down to the end of the one before.
void PackedTrainList::FillInPieces(const SearchPlan& plan) {
    const std::vector<int> starts = plan.PieceStarts(kPieces);
    const std::size_t count = starts.size() - 1;
    const std::vector<std::size_t> close =
        entries_.size() >= kCloseBoundsFrom ? plan.CloseBoundsBelow() : std::vector<std::size_t>{};
    auto roomBelow = [&](int slot) { return close.empty() ? plan.BoundBelow(slot) : close[static_cast<std::size_t>(slot)]; };
    std::vector<PackedPart> pieces(count, PackedPart(keys_));
    std::vector<std::size_t> from(count);
    for (std::size_t k = 0; k < count; ++k) {
        from[k] = k == 0 ? 0 : roomBelow(starts[k]);
        pieces[k].Place(entries_.data() + from[k], roomBelow(starts[k + 1]) - from[k]);
    }
    // A piece is filled through a copy on the thread's own stack: the pieces
    // lie side by side, and two threads writing to one cache line would
    // each wait for the other's every write.
    ShareOut(count, [&](std::size_t k) {
        PackedPart piece = pieces[k];
        SearchTrainsPartInto(plan, piece, k == 0, starts[k], starts[k + 1]);
        pieces[k] = piece;
    });
    part_ = pieces[0];
    for (std::size_t k = 1; k < count; ++k) {
        std::memmove(entries_.data() + part_.Used(), entries_.data() + from[k], pieces[k].Used() * sizeof(TrainSortEntry));
        part_.TakeAfter(pieces[k]);
    }
    part_.Place(entries_.data(), entries_.size());
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
