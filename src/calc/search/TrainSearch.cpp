#include "calc/search/TrainSearch.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "calc/search/PairRatios.h"
#include "calc/search/RatioBand.h"
#include "calc/search/SearchLoops.h"

namespace calc {

namespace loops {

bool CountsRepeat(const GearSet& gears) {
    std::vector<std::int32_t> counts;
    for (std::int32_t count : gears.Counts())
        if (Mounts(count)) counts.push_back(count);
    std::sort(counts.begin(), counts.end());
    return std::adjacent_find(counts.begin(), counts.end()) != counts.end();
}

}  // namespace loops

namespace {

std::size_t CountMounted(const GearSet& gears) {
    std::size_t mounted = 0;
    for (std::int32_t count : gears.Counts()) mounted += Mounts(count) ? 1 : 0;
    return mounted;
}

}  // namespace

SearchPlan::SearchPlan(const SearchInputs& inputs, const GearSet& gears)
    : inputs_(inputs),
      gears_(gears),
      slots_(gears.Upper() + 1),
      pairs_(gears),
      runs_(static_cast<std::size_t>(slots_) * static_cast<std::size_t>(slots_), PairRatios::Run{0, 0}),
      runsBelow_(static_cast<std::size_t>(slots_) + 1, 0),
      parts_(!loops::CountsRepeat(gears)) {
    const std::size_t mounted = CountMounted(gears);
    twoGearBound_ = mounted * (mounted > 0 ? mounted - 1 : 0);
    const RatioBand band = RatioBand::For(inputs);
    if (!band.Empty()) FindRuns(band);
    for (int a = 0; a < slots_; ++a) {
        std::size_t lengths = 0;
        for (int b = 0; b < slots_; ++b) lengths += runs_[Place(a, b)].end - runs_[Place(a, b)].begin;
        runsBelow_[static_cast<std::size_t>(a) + 1] = runsBelow_[static_cast<std::size_t>(a)] + lengths;
    }
}

// The (A, B) pairs are the same pairs as the (C, D) ones. Taken by rising
// ratio, the band divided by A / B only falls, and so does each end of its
// run: both ends are walked down the list once, instead of halving it for
// every pair. Each end lands where halving would find it.
void SearchPlan::FindRuns(const RatioBand& band) {
    const std::vector<PairRatios::Pair>& byRatio = pairs_.ByRatio();
    // A negative end (never made by RatioBand) would rise as A / B does.
    auto fallsWithRatio = [](double end) { return end >= 0 || end == -std::numeric_limits<double>::infinity(); };
    const bool walk = fallsWithRatio(band.low) && fallsWithRatio(band.high);
    std::size_t begin = byRatio.size(), end = byRatio.size();
    for (const PairRatios::Pair& ab : byRatio) {
        // The band divided by A / B, widened once more for the rounding of
        // that division.
        const double low = band.low / ab.ratio * (1 - 1e-12), high = band.high / ab.ratio * (1 + 1e-12);
        if (!walk) {
            runs_[Place(ab.first, ab.second)] = pairs_.Between(low, high);
            continue;
        }
        while (begin > 0 && byRatio[begin - 1].ratio >= low) --begin;
        while (end > 0 && byRatio[end - 1].ratio > high) --end;
        runs_[Place(ab.first, ab.second)] = {begin, std::max(begin, end)};
    }
}

std::size_t SearchPlan::BoundBelow(int split) const {
    return twoGearBound_ + runsBelow_[static_cast<std::size_t>(std::clamp(split, 0, slots_))];
}

std::vector<std::size_t> SearchPlan::CloseBoundsBelow() const {
    // Where each slot's pairs, and each pair, lie in the ratio list.
    const std::vector<PairRatios::Pair>& byRatio = pairs_.ByRatio();
    std::vector<std::vector<std::size_t>> pairsOf(static_cast<std::size_t>(slots_));
    std::vector<std::size_t> placeOf(runs_.size(), byRatio.size());
    for (std::size_t i = 0; i < byRatio.size(); ++i) {
        pairsOf[static_cast<std::size_t>(byRatio[i].first)].push_back(i);
        pairsOf[static_cast<std::size_t>(byRatio[i].second)].push_back(i);
        placeOf[Place(byRatio[i].first, byRatio[i].second)] = i;
    }
    auto within = [](const std::vector<std::size_t>& places, PairRatios::Run run) {
        return static_cast<std::size_t>(std::lower_bound(places.begin(), places.end(), run.end) -
                                        std::lower_bound(places.begin(), places.end(), run.begin));
    };
    std::vector<std::size_t> bounds{twoGearBound_};
    for (int a = 0; a < slots_; ++a) {
        std::size_t bound = bounds.back();
        for (int b = 0; b < slots_; ++b) {
            const PairRatios::Run run = runs_[Place(a, b)];
            if (run.begin == run.end) continue;
            // (a, b) and (b, a) share both slots and are counted twice.
            auto inRun = [&](std::size_t i) { return i >= run.begin && i < run.end ? std::size_t{1} : 0; };
            const std::size_t sharing = within(pairsOf[static_cast<std::size_t>(a)], run) +
                                        within(pairsOf[static_cast<std::size_t>(b)], run) -
                                        inRun(placeOf[Place(a, b)]) - inRun(placeOf[Place(b, a)]);
            bound += run.end - run.begin - sharing;
        }
        bounds.push_back(bound);
    }
    return bounds;
}

std::vector<int> SearchPlan::PieceStarts(int pieces) const {
    const std::size_t total = BoundBelow(slots_);
    std::vector<int> starts{0};
    for (int k = 1; k < pieces; ++k) {
        const std::size_t share = total / static_cast<std::size_t>(pieces) * static_cast<std::size_t>(k);
        int slot = starts.back();
        while (slot < slots_ && BoundBelow(slot) < share) ++slot;
        if (slot > starts.back() && slot < slots_) starts.push_back(slot);
    }
    starts.push_back(slots_);
    return starts;
}

void SearchTrains(const SearchInputs& inputs, const GearSet& gears, TrainSink& sink, SearchStats* stats) {
    const SearchPlan plan(inputs, gears);
    const loops::Measurer measurer(inputs);
    loops::Recorder<TrainSink> recorder(gears, sink);
    loops::SearchTwoGear(gears, measurer, recorder);
    loops::SearchFourGear(plan, measurer, recorder, 0, gears.Upper() + 1);
    if (stats) stats->recorded = recorder.Recorded();
}

void SearchTrainsPart(const SearchPlan& plan, TrainSink& sink, bool twoGear, int firstA, int endA) {
    SearchTrainsPartInto(plan, sink, twoGear, firstA, endA);
}

std::vector<TrainResult> SearchTrains(const SearchInputs& inputs, const GearSet& gears, SearchStats* stats) {
    struct ListSink : TrainSink {
        std::vector<TrainResult> list;
        void Add(const TrainResult& result) override { list.push_back(result); }
    } sink;
    SearchTrains(inputs, gears, sink, stats);
    return std::move(sink.list);
}

}  // namespace calc
