#include "calc/chart/FewestChanges.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "calc/order/TrainOrder.h"
#include "calc/search/TrainSearch.h"

namespace calc {

namespace {

// The tooth counts on the four places of a train; 0 where there is no gear.
using Mounted = std::array<std::int32_t, 4>;

Mounted MountedGears(const TrainResult& train, const GearSet& gears) {
    return {gears.Count(train.a), train.IsTwoGear() ? 0 : gears.Count(train.b),
            train.IsTwoGear() ? 0 : gears.Count(train.c), gears.Count(train.d)};
}

int Changes(const Mounted& from, const Mounted& to) {
    return (from[0] != to[0] ? kEndGearChange : 0) + (from[1] != to[1] ? kStudGearChange : 0) +
           (from[2] != to[2] ? kStudGearChange : 0) + (from[3] != to[3] ? kEndGearChange : 0);
}

// The cost of a walk so far: the changes, then the errors of its trains.
struct WalkCost {
    int changes = 0;
    double error = 0;

    bool operator<(const WalkCost& other) const {
        return changes != other.changes ? changes < other.changes : error < other.error;
    }
};

// The candidate search starts at this tolerance, in percent, and widens it
// by the factor until it holds enough trains or reaches the thread's own.
constexpr double kNarrowestTolerance = 0.001;
constexpr double kWidening = 4;

// The places a step keeps, as bits: 1 for A, 2 for B, 4 for C, 8 for D.
constexpr unsigned kAllPlaces = 15;

int ChangesKeeping(unsigned kept) {
    return (kept & 1 ? 0 : kEndGearChange) + (kept & 2 ? 0 : kStudGearChange) + (kept & 4 ? 0 : kStudGearChange) +
           (kept & 8 ? 0 : kEndGearChange);
}

// A train's gears packed in one number: the rank of each place's tooth
// count among the set's distinct counts (from 1; 0 for no gear) in 16 bits
// per place, A lowest. The gears on some places only are the number masked.
class PackedGears {
public:
    explicit PackedGears(const GearSet& gears) : gears_(gears), counts_(gears.Counts()) {
        std::sort(counts_.begin(), counts_.end());
        counts_.erase(std::unique(counts_.begin(), counts_.end()), counts_.end());
    }

    std::uint64_t Of(const TrainResult& train) const {
        const Mounted mounted = MountedGears(train, gears_);
        std::uint64_t packed = 0;
        for (unsigned place = 0; place < 4; ++place) packed |= Rank(mounted[place]) << (16 * place);
        return packed;
    }

    static std::uint64_t OnPlaces(std::uint64_t packed, unsigned kept) {
        std::uint64_t mask = 0;
        for (unsigned place = 0; place < 4; ++place)
            if (kept & (1u << place)) mask |= std::uint64_t{0xFFFF} << (16 * place);
        return packed & mask;
    }

private:
    std::uint64_t Rank(std::int32_t count) const {
        if (count == 0) return 0;
        return static_cast<std::uint64_t>(std::lower_bound(counts_.begin(), counts_.end(), count) - counts_.begin()) +
               1;
    }

    const GearSet& gears_;
    std::vector<std::int32_t> counts_;  // distinct, ascending
};

// The cheapest walk to a train and the train before it.
struct Reach {
    WalkCost cost{std::numeric_limits<int>::max(), 0};
    std::size_t from = 0;

    bool Beats(const Reach& other) const {
        if (cost < other.cost) return true;
        return !(other.cost < cost) && from < other.from;
    }
};

// The cheapest reach for each key offered: an open-addressing table, as the
// lookups are the inner loop of the walk. Emptying it only moves on the
// round number that marks the slots in use.
class CheapestByKey {
public:
    void Reset(std::size_t entries) {
        std::size_t size = 16;
        while (size < 2 * entries) size *= 2;
        if (size != slots_.size()) {
            slots_.assign(size, Slot{});
            round_ = 0;
            shift_ = 64;
            for (std::size_t s = size; s > 1; s /= 2) --shift_;
        }
        ++round_;
    }

    void Offer(std::uint64_t key, const Reach& reach) {
        Slot& slot = Place(key);
        if (slot.round != round_ || reach.Beats(slot.reach)) slot = {key, reach, round_};
    }

    const Reach* Find(std::uint64_t key) {
        const Slot& slot = Place(key);
        return slot.round == round_ ? &slot.reach : nullptr;
    }

private:
    struct Slot {
        std::uint64_t key = 0;
        Reach reach;
        std::uint64_t round = 0;  // in use when it is the table's round
    };

    Slot& Place(std::uint64_t key) {
        std::size_t at = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15u) >> shift_);
        while (slots_[at].round == round_ && slots_[at].key != key) at = (at + 1) & (slots_.size() - 1);
        return slots_[at];
    }

    std::vector<Slot> slots_;
    std::uint64_t round_ = 0;
    unsigned shift_ = 60;
};

// One thread's trains on the walk: the cheapest way to each, and whence.
//
// A step from train j to train k costs the weights of the places where
// they differ. For every set S of places, the cheapest earlier walk among
// the trains that agree with k on S (found by a lookup on those places)
// plus the weights of the places outside S is never less than the true
// cost of a step, and equals it when S is exactly the places where they
// agree; so the least over the 16 sets is the shortest path to k, in time
// proportional to the trains rather than to their pairs.
struct Layer {
    std::vector<std::uint64_t> packed;
    std::vector<double> error;
    std::vector<WalkCost> cost;
    std::vector<std::size_t> from;

    void Take(const std::vector<TrainResult>& trains, const PackedGears& packer) {
        for (const TrainResult& train : trains) {
            packed.push_back(packer.Of(train));
            error.push_back(std::fabs(train.err));
            cost.push_back({0, error.back()});
        }
        from.assign(trains.size(), 0);
    }

    void ReachFrom(const Layer& before, CheapestByKey& cheapest) {
        std::vector<Reach> best(packed.size());
        for (unsigned kept = 0; kept <= kAllPlaces; ++kept) {
            cheapest.Reset(before.packed.size());
            for (std::size_t j = 0; j < before.packed.size(); ++j)
                cheapest.Offer(PackedGears::OnPlaces(before.packed[j], kept), {before.cost[j], j});
            for (std::size_t k = 0; k < packed.size(); ++k) {
                const Reach* at = cheapest.Find(PackedGears::OnPlaces(packed[k], kept));
                if (!at) continue;
                const Reach through{{at->cost.changes + ChangesKeeping(kept), at->cost.error + error[k]}, at->from};
                if (through.Beats(best[k])) best[k] = through;
            }
        }
        for (std::size_t k = 0; k < packed.size(); ++k) {
            cost[k] = best[k].cost;
            from[k] = best[k].from;
        }
    }
};

}  // namespace

int GearChanges(const TrainResult& from, const TrainResult& to, const GearSet& gears) {
    return Changes(MountedGears(from, gears), MountedGears(to, gears));
}

int ChartGearChanges(std::span<const ChartRow> rows, const GearSet& gears) {
    int changes = 0;
    const TrainResult* previous = nullptr;
    for (const ChartRow& row : rows) {
        if (!row.train) continue;
        if (previous) changes += GearChanges(*previous, *row.train, gears);
        previous = &*row.train;
    }
    return changes;
}

double ToleranceFor(const ThreadEntry& thread, const ThreadTolerances& tolerances) {
    return thread.kind == ThreadKind::Tpi ? tolerances.tpi : tolerances.mm;
}

std::vector<TrainResult> CandidateTrains(const ChartRow& row, const GearSet& gears, const SearchInputs& inputs,
                                         double tolerance, std::size_t cap) {
    if (!row.train) return {};
    std::vector<TrainResult> candidates{*row.train};
    if (!row.Within(tolerance) || cap <= 1) return candidates;
    SearchInputs search = inputs;
    search.requestTpi = row.thread->kind == ThreadKind::Tpi;
    search.request = row.thread->value;
    // Only the first `cap` trains in the order are wanted, and the order
    // goes by error first: a narrower tolerance that still holds `cap`
    // trains holds the same first ones, and its search meets far fewer
    // (a wide tolerance with many gears holds millions).
    std::vector<TrainResult> within;
    for (double narrow = kNarrowestTolerance;; narrow *= kWidening) {
        search.tolerance = std::min(narrow, tolerance);
        within = SearchTrains(search, gears);
        if (within.size() >= cap || search.tolerance >= tolerance) break;
    }
    const std::size_t wanted = std::min(within.size(), cap);
    std::partial_sort(within.begin(), within.begin() + static_cast<std::ptrdiff_t>(wanted), within.end(),
                      [&gears](const TrainResult& x, const TrainResult& y) { return ComesBefore(x, y, gears); });
    const Mounted best = MountedGears(*row.train, gears);
    for (std::size_t i = 0; i < wanted && candidates.size() < cap; ++i)
        if (MountedGears(within[i], gears) != best) candidates.push_back(within[i]);
    return candidates;
}

std::vector<std::size_t> FewestChangesPath(const std::vector<std::vector<TrainResult>>& layers, const GearSet& gears) {
    const PackedGears packer(gears);
    CheapestByKey cheapest;
    std::vector<Layer> walk(layers.size());
    const Layer* previous = nullptr;  // the last layer with trains so far
    for (std::size_t i = 0; i < layers.size(); ++i) {
        if (layers[i].empty()) continue;
        walk[i].Take(layers[i], packer);
        if (previous) walk[i].ReachFrom(*previous, cheapest);
        previous = &walk[i];
    }
    std::vector<std::size_t> chosen(layers.size());
    for (std::size_t i = 0; i < layers.size(); ++i) chosen[i] = layers[i].size();
    if (!previous) return chosen;
    const std::vector<WalkCost>& last = previous->cost;
    std::size_t at = static_cast<std::size_t>(std::min_element(last.begin(), last.end()) - last.begin());
    for (std::size_t i = static_cast<std::size_t>(previous - walk.data()) + 1; i-- > 0;) {
        if (layers[i].empty()) continue;
        chosen[i] = at;
        at = walk[i].from[at];
    }
    return chosen;
}

std::vector<ChartRow> FewestChangesChart(std::span<const ChartRow> rows, const GearSet& gears,
                                         const SearchInputs& inputs, const ThreadTolerances& tolerances,
                                         std::size_t cap) {
    std::vector<std::vector<TrainResult>> layers;
    layers.reserve(rows.size());
    for (const ChartRow& row : rows)
        layers.push_back(CandidateTrains(row, gears, inputs, ToleranceFor(*row.thread, tolerances), cap));
    const std::vector<std::size_t> chosen = FewestChangesPath(layers, gears);
    std::vector<ChartRow> chart(rows.begin(), rows.end());
    for (std::size_t i = 0; i < chart.size(); ++i)
        if (chosen[i] < layers[i].size()) chart[i].train = layers[i][chosen[i]];
    return chart;
}

std::string GearChangesText(int fewest, int best) {
    return "Gear changes: " + std::to_string(fewest) + " with the fewest changes, " + std::to_string(best) +
           " with the best trains";
}

}  // namespace calc
