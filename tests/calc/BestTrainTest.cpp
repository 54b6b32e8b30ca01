#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "ReferenceBest.h"
#include "calc/suggest/BestTrain.h"
#include "calc/inputs/ThreadFamilies.h"
#include "calc/order/TrainOrder.h"
#include "calc/search/TrainSearch.h"

using calc::GearSet;
using calc::SearchInputs;
using calc::TrainResult;

namespace {

std::string Describe(const TrainResult& r, const GearSet& g) {
    std::string s = std::to_string(g.Count(r.a));
    if (!r.IsTwoGear()) s += "." + std::to_string(g.Count(r.b)) + "." + std::to_string(g.Count(r.c));
    return s + "." + std::to_string(g.Count(r.d)) + " (" + std::to_string(r.a) + "," + std::to_string(r.b) + "," +
           std::to_string(r.c) + "," + std::to_string(r.d) + ") err " + std::to_string(r.err) + " " +
           std::string(r.comm.Text());
}

std::optional<TrainResult> Reference(SearchInputs in, const GearSet& g) {
    in.tolerance = std::numeric_limits<double>::infinity();
    return HeadOfResults(calc::SearchTrains(in, g), g);
}

std::optional<TrainResult> Fast(const SearchInputs& in, const GearSet& g) {
    return calc::BestTrainFinder(g, in).Find(in.requestTpi, in.request);
}

void ExpectSame(const std::optional<TrainResult>& expected, const std::optional<TrainResult>& actual,
                const GearSet& g, const std::string& what) {
    ASSERT_EQ(expected.has_value(), actual.has_value()) << what;
    if (!expected) return;
    const TrainResult &e = *expected, &a = *actual;
    EXPECT_TRUE(e.a == a.a && e.b == a.b && e.c == a.c && e.d == a.d && e.comm == a.comm &&
                std::bit_cast<std::uint64_t>(e.err) == std::bit_cast<std::uint64_t>(a.err) &&
                e.pitch == a.pitch && e.tpi == a.tpi)
        << what << "\n expected " << Describe(e, g) << "\n actual   " << Describe(a, g);
}

}  // namespace

TEST(BestTrain, MatchesTheHeadOfTheFullResultsOnRandomGearSets) {
    std::mt19937 random(20261208);
    auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const double leadscrewsMm[] = {1.5, 2, 3, 4, 5.08, 6, 1};
    const double leadscrewsTpi[] = {4, 6, 8, 10, 16};
    const std::pair<int, int> ratios[] = {{40, 40}, {30, 40}, {0, 40}, {127, 120}, {1, 2}, {40, 40}};
    std::vector<calc::ThreadEntry> threads;
    for (const calc::ThreadFamily& family : calc::ThreadFamilies())
        threads.insert(threads.end(), family.threads.begin(), family.threads.end());

    for (int round = 0; round < 600; ++round) {
        // Few slots, few distinct counts (so that ties and equal counts in
        // two slots are common), now and then an empty slot.
        const int slots = pick(1, 7);
        const int spread = pick(0, 2);
        std::vector<std::int32_t> counts;
        for (int s = 0; s < slots; ++s) {
            int teeth = spread == 0 ? 10 * pick(2, 8) : spread == 1 ? pick(12, 90) : 5 * pick(3, 16);
            if (pick(0, 12) == 0) teeth = 0;
            counts.push_back(teeth);
        }
        const GearSet g(counts);
        SearchInputs in;
        in.includeLow = pick(0, 1) == 1;
        in.includeIntersecting = pick(0, 1) == 1;
        in.imperialLeadscrew = pick(0, 3) == 0;
        in.leadscrew = in.imperialLeadscrew ? leadscrewsTpi[pick(0, 4)] : leadscrewsMm[pick(0, 6)];
        const auto ratio = ratios[pick(0, 5)];
        in.ratioLeft = ratio.first;
        in.ratioRight = ratio.second;

        for (int t = 0; t < 6; ++t) {
            if (t < 4) {
                const calc::ThreadEntry& thread = threads[static_cast<std::size_t>(pick(0, int(threads.size()) - 1))];
                in.requestTpi = thread.kind == calc::ThreadKind::Tpi;
                in.request = thread.value;
            } else {
                // A thread some train cuts exactly, so that many tie at 0.
                in.requestTpi = t == 5;
                in.request = pick(1, 9) * 0.25;
                if (in.requestTpi) in.request = 25.4 / in.request;
            }
            std::string what = "round " + std::to_string(round) + " request " + std::to_string(in.request) +
                               (in.requestTpi ? " tpi" : " mm");
            ExpectSame(Reference(in, g), Fast(in, g), g, what);
            if (HasFailure()) return;
        }
    }
}

TEST(BestTrain, KnownHeads) {
    SearchInputs in;
    in.request = 1.0;
    // The factory set's first row for 1 mm.
    auto best = Fast(in, GearSet());
    ASSERT_TRUE(best);
    EXPECT_EQ(Describe(*best, GearSet()).substr(0, 11), "80.80.40.60");

    // Two two-gear trains with gear A 120 miss 2 mm by +20 % and -20 %; the
    // one the search meets first wins.
    GearSet tie({50, 120, 75});
    in.leadscrew = 1;
    in.request = 2;
    best = Fast(in, tie);
    ASSERT_TRUE(best);
    EXPECT_EQ(best->a, 1);
    EXPECT_EQ(best->d, 0);
    EXPECT_DOUBLE_EQ(best->err, 20);
}

TEST(BestTrain, NoTrainWithoutTwoGearsOrWithoutAdvance) {
    SearchInputs in;
    in.request = 1.0;
    EXPECT_FALSE(Fast(in, GearSet({40})));
    EXPECT_FALSE(Fast(in, GearSet({40, 0, 0})));
    EXPECT_TRUE(Fast(in, GearSet({40, 0, 20})));
    in.leadscrew = 0;
    EXPECT_FALSE(Fast(in, GearSet()));
    in.leadscrew = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(Fast(in, GearSet()));
    in.leadscrew = 1.5;
    in.request = 0;
    EXPECT_FALSE(Fast(in, GearSet()));
    in.request = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(Fast(in, GearSet()));
}

TEST(BestTrain, RepeatedToothCountsGiveTheHeadOfTheFullResults) {
    std::mt19937 random(20261209);
    auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int round = 0; round < 150; ++round) {
        // Up to twelve slots drawn from two to four sizes: every size repeats;
        // now and then an empty slot, or one holding no gear (below 0).
        std::vector<std::int32_t> sizes;
        for (int s = pick(2, 4); s > 0; --s) sizes.push_back(5 * pick(4, 16));
        std::vector<std::int32_t> counts;
        for (int s = pick(6, 12); s > 0; --s)
            counts.push_back(pick(0, 9) == 0 ? -5 * pick(0, 1) : sizes[static_cast<std::size_t>(pick(0, int(sizes.size()) - 1))]);
        const GearSet g(counts);
        SearchInputs in;
        in.includeLow = pick(0, 1) == 1;
        in.includeIntersecting = pick(0, 1) == 1;
        in.imperialLeadscrew = pick(0, 1) == 1;
        in.leadscrew = in.imperialLeadscrew ? 8 : 1.5;
        for (const double request : {0.75, 1.0, 1.5, 2.0, 3.3}) {
            in.requestTpi = request == 3.3;
            in.request = in.requestTpi ? 11 : request;
            ExpectSame(Reference(in, g), Fast(in, g), g, "round " + std::to_string(round) + " " + std::to_string(request));
            if (HasFailure()) return;
        }
    }
}

TEST(BestTrain, FiftySixEqualGearsTakeTheFirstSlots) {
    // Every train of equal gears has ratio 1; a four-gear train comes before
    // a two-gear one with the same gear A when it fits, and one tooth is too
    // small to fit (with the intersecting ones included it is marked, and a
    // train without marks comes first).
    struct Case {
        std::int32_t teeth;
        bool includeIntersecting;
        bool fourGear;
    };
    const Case cases[] = {{40, false, true}, {2147483647, false, true}, {1, false, false}, {1, true, false}};
    for (const Case& c : cases) {
        const GearSet g(std::vector<std::int32_t>(56, c.teeth));
        SearchInputs in;
        in.includeLow = in.includeIntersecting = c.includeIntersecting;
        in.request = 1.5;
        const auto best = Fast(in, g);
        ASSERT_TRUE(best) << c.teeth;
        EXPECT_EQ(best->err, 0) << c.teeth;
        EXPECT_EQ(best->a, 0) << c.teeth;
        if (c.fourGear) EXPECT_TRUE(best->b == 1 && best->c == 2 && best->d == 3) << Describe(*best, g);
        else EXPECT_TRUE(best->IsTwoGear() && best->d == 1) << Describe(*best, g);
    }
}
