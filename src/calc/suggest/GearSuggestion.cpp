#include "calc/suggest/GearSuggestion.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <tuple>

#include "calc/suggest/AddedGearFinder.h"
#include "calc/suggest/BestTrain.h"
#include "calc/suggest/GearTally.h"

namespace calc {

std::vector<WantedThread> WantedThreads(std::span<const ThreadFamily* const> families, double mmTolerance,
                                        double tpiTolerance) {
    std::vector<WantedThread> threads;
    for (const ThreadFamily* family : families)
        for (const ThreadEntry& entry : family->threads) {
            const bool tpi = entry.kind == ThreadKind::Tpi;
            threads.push_back({std::string(entry.name), tpi, entry.value, tpi ? tpiTolerance : mmTolerance});
        }
    return threads;
}

WantedThread SingleWantedThread(bool tpi, double value, double tolerance, const runtime::NumberSeparators& separators) {
    // The shortest text that reads back as the value, with the user's decimal mark.
    char digits[32];
    std::string text(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    if (const std::size_t point = text.find('.'); point != std::string::npos) text.replace(point, 1, separators.decimal);
    return {text + (tpi ? " TPI" : " mm"), tpi, value, tolerance};
}

std::vector<std::int32_t> CandidateTeeth(const SuggestionRequest& request) {
    std::vector<std::int32_t> teeth;
    for (std::int32_t t = std::max(request.lowest, 1); t <= std::min(request.highest, kSuggestionTeethLimit); ++t)
        teeth.push_back(t);
    teeth.push_back(127);
    for (std::int32_t owned : request.gears.Counts())
        if (Mounts(owned)) teeth.push_back(owned);
    std::sort(teeth.begin(), teeth.end());
    teeth.erase(std::unique(teeth.begin(), teeth.end()), teeth.end());
    return teeth;
}

bool RanksBefore(const GearSuggestion& x, const GearSuggestion& y) {
    auto teethSum = [](const GearSuggestion& s) {
        std::int64_t sum = 0;
        for (std::int32_t t : s.teeth) sum += t;
        return sum;
    };
    return std::make_tuple(-x.gained, -x.madeExact, x.errorSum, teethSum(x), x.teeth) <
           std::make_tuple(-y.gained, -y.madeExact, y.errorSum, teethSum(y), y.teeth);
}

namespace {

using Bests = std::vector<std::optional<TrainResult>>;

// The threads' best trains with the gears as they are, and what a set with
// more gears is worth against them.
class Baseline {
public:
    explicit Baseline(const SuggestionRequest& request) : request_(request) {
        const BestTrainFinder finder(request.gears, request.inputs);
        for (const WantedThread& thread : request.threads) bests_.push_back(finder.Find(thread.tpi, thread.value));
    }

    const Bests& BestTrains() const { return bests_; }

    GearSuggestion Worth(std::vector<std::int32_t> teeth, const GearSet& gears, const Bests& bests) const {
        GearSuggestion worth{std::move(teeth), gears, 0, 0, 0, {}};
        for (std::size_t t = 0; t < bests.size(); ++t) {
            if (!bests[t]) continue;
            const double error = std::fabs(bests[t]->err);
            worth.errorSum += error;
            const bool gained = Within(bests[t], t) && !Within(bests_[t], t);
            const bool exact = error == 0 && !(bests_[t] && bests_[t]->err == 0);
            worth.gained += gained;
            worth.madeExact += exact;
            if (gained || exact) worth.gains.push_back({t, *bests[t]});
        }
        return worth;
    }

private:
    bool Within(const std::optional<TrainResult>& train, std::size_t thread) const {
        return train && WithinTolerance(train->err, request_.threads[thread].tolerance);
    }

    const SuggestionRequest& request_;
    Bests bests_;
};

Bests BestsWith(const AddedGearFinder& finder, const AddedGearFinder::Addition& addition,
                const std::vector<WantedThread>& threads, const Bests& without) {
    Bests bests;
    bests.reserve(threads.size());
    for (std::size_t t = 0; t < threads.size(); ++t)
        bests.push_back(finder.Find(addition, threads[t].tpi, threads[t].value, without[t]));
    return bests;
}

bool Helps(const GearSuggestion& s) { return s.gained > 0 || s.madeExact > 0; }

void Rank(std::vector<GearSuggestion>& list) { std::stable_sort(list.begin(), list.end(), RanksBefore); }

// Each candidate with the best trains of the set it makes.
struct Single {
    std::int32_t teeth;
    Bests bests;
    GearSuggestion worth;
};

std::vector<Single> Singles(const SuggestionRequest& request, const Baseline& baseline,
                            const SuggestionProgress& progress) {
    const AddedGearFinder finder(request.gears, request.inputs);
    std::vector<Single> singles;
    for (std::int32_t teeth : CandidateTeeth(request)) {
        const AddedGearFinder::Addition addition = finder.Add(teeth);
        Bests bests = BestsWith(finder, addition, request.threads, baseline.BestTrains());
        GearSuggestion worth = baseline.Worth({teeth}, addition.Gears(), bests);
        singles.push_back({teeth, std::move(bests), std::move(worth)});
        if (progress) progress();
    }
    return singles;
}

}  // namespace

std::vector<GearSuggestion> SuggestGears(const SuggestionRequest& request, const SuggestionProgress& progress) {
    const Baseline baseline(request);
    std::vector<GearSuggestion> list;
    for (Single& single : Singles(request, baseline, progress))
        if (Helps(single.worth)) list.push_back(std::move(single.worth));
    Rank(list);
    return list;
}

// The pairs are not tried blindly: a pair's set is the set with its first
// gear (whose best trains the single results hold) plus the second gear.
// Each of its trains either holds no gear of the second size beyond those of
// the first gear's set, and then that set has it and its best is the single
// result, or it holds the second gear. So a pair is worked out from its
// first gear's results and a search of the trains holding the second gear
// alone, which starts at the single result's error and moves outward from
// the thread only while a train can still equal the best so far: it drops
// nearly every train at once and cannot miss the pair's best train, because
// the trains it drops are farther from the thread than one already met.
// Every pair's worth is therefore exact, and so is the ranking.
std::vector<GearSuggestion> SuggestGearPairs(const SuggestionRequest& request, const SuggestionProgress& progress) {
    const Baseline baseline(request);
    const std::vector<Single> singles = Singles(request, baseline, progress);
    std::vector<GearSuggestion> list;
    for (std::size_t i = 0; i < singles.size(); ++i) {
        const GearSet withFirst = WithGear(request.gears, singles[i].teeth);
        const AddedGearFinder finder(withFirst, request.inputs);
        for (std::size_t j = i; j < singles.size(); ++j) {
            const AddedGearFinder::Addition addition = finder.Add(singles[j].teeth);
            const Bests bests = BestsWith(finder, addition, request.threads, singles[i].bests);
            GearSuggestion worth = baseline.Worth({singles[i].teeth, singles[j].teeth}, addition.Gears(), bests);
            auto better = [&worth](const GearSuggestion& single) {
                return std::make_pair(worth.gained, worth.madeExact) > std::make_pair(single.gained, single.madeExact);
            };
            if (better(singles[i].worth) && better(singles[j].worth)) list.push_back(std::move(worth));
        }
        if (progress) progress();
    }
    Rank(list);
    if (list.size() > kListedPairs) list.erase(list.begin() + kListedPairs, list.end());
    return list;
}

}  // namespace calc
