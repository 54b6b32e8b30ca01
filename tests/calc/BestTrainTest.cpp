#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "calc/BestTrain.h"
#include "calc/ThreadFamilies.h"
#include "calc/TrainOrder.h"
#include "calc/TrainSearch.h"

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

bool StrictlyBefore(const TrainResult& x, const TrainResult& y, const GearSet& g) {
    return calc::ComesBefore(x, y, g) && !calc::ComesBefore(y, x, g);
}

// The first row of the results table when the tolerance accepts every
// train; of the rows that compare equal to it, the one the search met first
// (the search lists in the order it meets the trains).
std::optional<TrainResult> Reference(SearchInputs in, const GearSet& g) {
    in.tolerance = std::numeric_limits<double>::infinity();
    const std::vector<TrainResult> list = calc::SearchTrains(in, g);
    if (list.empty()) return std::nullopt;
    std::vector<TrainResult> sorted = list;
    calc::QuickSort(sorted, 0, -1, g);
    const TrainResult& head = sorted.front();
    for (const TrainResult& r : list)
        if (!StrictlyBefore(r, head, g) && !StrictlyBefore(head, r, g)) return r;
    ADD_FAILURE() << "the first row is not in the list";
    return std::nullopt;
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
