#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <string>
#include <tuple>

#include "ReferenceBest.h"
#include "calc/suggest/AddedGearFinder.h"
#include "calc/suggest/GearSuggestion.h"

using calc::GearSet;
using calc::GearSuggestion;
using calc::SuggestionRequest;

namespace {

// The question answered as plainly as possible: for each candidate, add it
// to the gears and take every thread's best train with the exhaustive
// reference search.
class NaiveSuggestion {
public:
    explicit NaiveSuggestion(const SuggestionRequest& request) : request_(request) {
        for (std::int32_t t = request.lowest; t <= request.highest; ++t) candidates_.insert(t);
        candidates_.insert(127);
        for (std::int32_t t : request.gears.Counts())
            if (t > 0) candidates_.insert(t);
    }

    std::vector<GearSuggestion> Singles() const {
        std::vector<GearSuggestion> list;
        for (std::int32_t x : candidates_)
            if (GearSuggestion s = Worth({x}); s.gained > 0 || s.madeExact > 0) list.push_back(s);
        return Ranked(list);
    }

    std::vector<GearSuggestion> Pairs() const {
        std::vector<GearSuggestion> list;
        for (std::int32_t x : candidates_)
            for (std::int32_t y : candidates_) {
                if (y < x) continue;
                GearSuggestion pair = Worth({x, y});
                auto beats = [&pair](const GearSuggestion& one) {
                    return pair.gained > one.gained || (pair.gained == one.gained && pair.madeExact > one.madeExact);
                };
                if (beats(Worth({x})) && beats(Worth({y}))) list.push_back(pair);
            }
        return Ranked(list);
    }

private:
    std::optional<calc::TrainResult> Best(const GearSet& g, const calc::WantedThread& thread) const {
        calc::SearchInputs in = request_.inputs;
        in.requestTpi = thread.tpi;
        in.request = thread.value;
        return ReferenceBest(in, g);
    }

    GearSuggestion Worth(const std::vector<std::int32_t>& teeth) const {
        GearSuggestion s{teeth, request_.gears, 0, 0, 0, {}};
        for (std::int32_t t : teeth) s.gears = calc::WithGear(s.gears, t);
        for (std::size_t i = 0; i < request_.threads.size(); ++i) {
            const calc::WantedThread& thread = request_.threads[i];
            const auto before = Best(request_.gears, thread), after = Best(s.gears, thread);
            if (!after) continue;
            s.errorSum += std::fabs(after->err);
            const bool gained = calc::WithinTolerance(after->err, thread.tolerance) &&
                                !(before && calc::WithinTolerance(before->err, thread.tolerance));
            const bool exact = after->err == 0 && !(before && before->err == 0);
            s.gained += gained;
            s.madeExact += exact;
            if (gained || exact) s.gains.push_back({i, *after});
        }
        return s;
    }

    static std::vector<GearSuggestion> Ranked(std::vector<GearSuggestion> list) {
        auto key = [](const GearSuggestion& s) {
            std::int64_t teeth = 0;
            for (std::int32_t t : s.teeth) teeth += t;
            return std::make_tuple(-s.gained, -s.madeExact, s.errorSum, teeth, s.teeth);
        };
        std::stable_sort(list.begin(), list.end(), [&key](const auto& x, const auto& y) { return key(x) < key(y); });
        return list;
    }

    const SuggestionRequest& request_;
    std::set<std::int32_t> candidates_;
};

std::string Describe(const std::vector<GearSuggestion>& list) {
    std::string text;
    for (const GearSuggestion& s : list) {
        for (std::int32_t t : s.teeth) text += std::to_string(t) + "+";
        text += " " + std::to_string(s.gained) + "/" + std::to_string(s.madeExact) + "/" + std::to_string(s.errorSum);
        for (const calc::ThreadGain& g : s.gains)
            text += " t" + std::to_string(g.thread) + "=" + std::to_string(g.train.a) + "," + std::to_string(g.train.b) +
                    "," + std::to_string(g.train.c) + "," + std::to_string(g.train.d);
        text += "\n";
    }
    return text;
}

}  // namespace

TEST(GearSuggestion, RanksAsTheNaiveReferenceOnRandomGearSets) {
    std::mt19937 random(26);
    auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    std::vector<const calc::ThreadFamily*> families;
    for (const calc::ThreadFamily& family : calc::ThreadFamilies()) families.push_back(&family);
    const std::vector<calc::WantedThread> all = calc::WantedThreads(families, 0.5, 1);

    for (int round = 0; round < 8; ++round) {
        const bool pairs = round % 2 == 1;
        SuggestionRequest request;
        std::vector<std::int32_t> counts;
        for (int s = pick(2, pairs ? 3 : 4); s > 0; --s) counts.push_back(pick(0, 6) == 0 ? -5 * pick(0, 1) : 5 * pick(4, 12));
        // Empty slots among the gears: the added gears go there, ahead of
        // gears of their size in later slots.
        counts.insert(counts.begin() + 1, 2, 0);
        request.gears = GearSet(counts);
        request.inputs.includeLow = round % 4 >= 2;
        request.inputs.includeIntersecting = round % 8 >= 4;
        request.inputs.imperialLeadscrew = round % 3 == 0;
        request.inputs.leadscrew = request.inputs.imperialLeadscrew ? 8 : 1.5;
        request.lowest = pick(12, 40);
        request.highest = request.lowest + (pairs ? 8 : 20);
        for (int t = 0; t < 6; ++t) request.threads.push_back(all[static_cast<std::size_t>(pick(0, int(all.size()) - 1))]);

        const NaiveSuggestion naive(request);
        const auto expected = pairs ? naive.Pairs() : naive.Singles();
        const auto actual = pairs ? calc::SuggestGearPairs(request) : calc::SuggestGears(request);
        EXPECT_EQ(Describe(expected), Describe(actual)) << "round " << round;
        EXPECT_FALSE(expected.empty()) << "round " << round << " tests nothing";
    }
}

TEST(GearSuggestion, A127MakesMetricThreadsExactOnAnImperialLeadscrew) {
    // An 8 TPI leadscrew advances 25.4 / 8 mm a turn, so a pitch p needs the
    // ratio p * 8 / 25.4 = 40 p / 127. 127 is prime and no factory gear is a
    // multiple of it, so no factory train is exact, nor within 1e-6 % (its
    // products of at most 80 * 80 cannot come that near a fraction over
    // 127). A 127 makes each of them exact: for 1 mm 80/80 x 40/127, the
    // train with the largest gears A and B; no other count up to 150 holds
    // the factor 127.
    SuggestionRequest request;
    request.inputs.imperialLeadscrew = true;
    request.inputs.leadscrew = 8;
    const runtime::NumberSeparators point{".", ""};
    for (double pitch : {1.0, 1.25, 1.5}) request.threads.push_back(calc::SingleWantedThread(false, pitch, 1e-6, point));
    EXPECT_EQ(request.threads[1].name, "1.25 mm");

    const auto list = calc::SuggestGears(request);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].teeth, std::vector<std::int32_t>{127});
    EXPECT_EQ(list[0].gained, 3);
    EXPECT_EQ(list[0].madeExact, 3);
    EXPECT_EQ(list[0].errorSum, 0);
    const calc::TrainResult& oneMm = list[0].gains[0].train;
    const GearSet& g = list[0].gears;
    EXPECT_EQ(std::make_tuple(g.Count(oneMm.a), g.Count(oneMm.b), g.Count(oneMm.c), g.Count(oneMm.d)),
              std::make_tuple(80, 80, 40, 127));
}
