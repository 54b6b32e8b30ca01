#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "ReferenceSearch.h"
#include "calc/order/TrainOrder.h"
#include "calc/search/TrainSearch.h"

using calc::GearSet;
using calc::SearchInputs;
using calc::TrainResult;

namespace {

SearchInputs Metric(double request, double tolerance = 0.1) {
    SearchInputs in;
    in.request = request;
    in.tolerance = tolerance;
    return in;
}

// "80.80.40.60" or "40.60": the tooth counts of a result.
std::string Teeth(const TrainResult& r, const GearSet& g) {
    std::string s = std::to_string(g.Count(r.a));
    if (!r.IsTwoGear()) s += "." + std::to_string(g.Count(r.b)) + "." + std::to_string(g.Count(r.c));
    return s + "." + std::to_string(g.Count(r.d));
}

std::vector<TrainResult> Sorted(std::vector<TrainResult> list, const GearSet& g) {
    calc::QuickSort(list, 0, -1, g);
    return list;
}

void ExpectSameList(const std::vector<TrainResult>& expected, const std::vector<TrainResult>& actual) {
    ASSERT_EQ(expected.size(), actual.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TrainResult &e = expected[i], &a = actual[i];
        ASSERT_TRUE(e.a == a.a && e.b == a.b && e.c == a.c && e.d == a.d) << "at " << i;
        ASSERT_EQ(e.pitch, a.pitch);
        ASSERT_EQ(e.tpi, a.tpi);
        ASSERT_EQ(e.err, a.err);
        ASSERT_EQ(e.comm, a.comm);
    }
}

}  // namespace

TEST(SearchTrains, FactorySetOneMillimetre) {
    GearSet g;
    calc::SearchStats stats;
    auto list = calc::SearchTrains(Metric(1.0), g, &stats);
    EXPECT_EQ(stats.recorded, 135);
    ASSERT_EQ(list.size(), 26u);
    EXPECT_EQ(Teeth(list[0], g), "20.30");
    EXPECT_EQ(Teeth(list[1], g), "30.45");
    EXPECT_EQ(Teeth(list[2], g), "40.60");
    for (const TrainResult& r : list) {
        EXPECT_DOUBLE_EQ(r.pitch, 1.0);
        EXPECT_NEAR(r.err, 0, 1e-12);
        if (r.IsTwoGear()) {
            EXPECT_TRUE(r.comm.Empty());
        }
    }
    auto sorted = Sorted(list, g);
    EXPECT_EQ(Teeth(sorted[0], g), "80.80.40.60");
    EXPECT_EQ(Teeth(sorted[17], g), "40.60");  // row 18
    EXPECT_EQ(Teeth(sorted[25], g), "20.30");  // row 26
}

TEST(SearchTrains, TwoEqualGearsAreListedOnce) {
    GearSet g({40, 40});
    calc::SearchStats stats;
    auto list = calc::SearchTrains(Metric(1.5), g, &stats);
    EXPECT_EQ(stats.recorded, 2);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].a, 0);
    EXPECT_EQ(list[0].d, 1);
    EXPECT_EQ(list[0].b, -1);
    EXPECT_EQ(list[0].c, -1);
    EXPECT_TRUE(list[0].comm.Empty());
}

TEST(SearchTrains, TheFixedRatio) {
    GearSet g;
    SearchInputs in = Metric(1.0, 60);
    auto plain = calc::SearchTrains(in, g);
    in.ratioLeft = 0;
    ExpectSameList(plain, calc::SearchTrains(in, g));  // a 0 side is ignored
    in.ratioLeft = 40;
    in.ratioRight = 0;
    ExpectSameList(plain, calc::SearchTrains(in, g));

    in = Metric(0.75, 0.1);
    in.ratioLeft = 30;
    auto threeQuarters = calc::SearchTrains(in, g);
    auto reference = calc::SearchTrains(Metric(1.0, 0.1), g);
    ASSERT_EQ(threeQuarters.size(), reference.size());
    for (std::size_t i = 0; i < reference.size(); ++i)
        EXPECT_DOUBLE_EQ(threeQuarters[i].pitch, reference[i].pitch * 0.75);
}

TEST(SearchTrains, WideToleranceLosesNothing) {
    GearSet g;
    SearchInputs in = Metric(1.0, 50);
    in.includeLow = in.includeIntersecting = true;
    calc::SearchStats stats;
    auto list = calc::SearchTrains(in, g, &stats);
    EXPECT_EQ(stats.recorded, 4206);
    EXPECT_EQ(list.size(), 1054u);
    auto sorted = Sorted(list, g);
    EXPECT_EQ(Teeth(sorted[0], g), "80.80.40.60");

    // Every train found at 0.1 % is still there at 50 %.
    in.tolerance = 0.1;
    for (const TrainResult& exact : calc::SearchTrains(in, g)) {
        bool found = false;
        for (const TrainResult& r : list) found = found || Teeth(r, g) == Teeth(exact, g);
        EXPECT_TRUE(found) << Teeth(exact, g);
    }
}

TEST(SearchTrains, ThreadsPerInchRequests) {
    GearSet g;
    SearchInputs in;
    in.requestTpi = true;
    in.tolerance = 0.2;
    for (int tpi = 8; tpi <= 28; ++tpi) {
        in.request = tpi;
        EXPECT_TRUE(calc::SearchTrains(in, g).empty()) << tpi;
    }
    in.request = 29;
    auto list = calc::SearchTrains(in, g);
    EXPECT_EQ(list.size(), 14u);
    for (const TrainResult& r : list) EXPECT_LT(std::fabs((r.tpi - 29) * 100 / 29 - r.err), 1e-9);
}

TEST(SearchTrains, IntersectingSets) {
    GearSet g;
    SearchInputs in = Metric(1.0);
    in.includeIntersecting = true;
    auto list = calc::SearchTrains(in, g);
    EXPECT_EQ(list.size(), 39u);
    auto marksOf = [&](const std::string& teeth) -> std::string {
        for (const TrainResult& r : list)
            if (Teeth(r, g) == teeth) return std::string(r.comm.Text());
        return "missing";
    };
    EXPECT_EQ(marksOf("20.60.60.30"), "");
    EXPECT_EQ(marksOf("60.60.20.30"), "sec D ");
    in.includeIntersecting = false;
    list = calc::SearchTrains(in, g);
    EXPECT_EQ(marksOf("20.60.60.30"), "");
    EXPECT_EQ(marksOf("60.60.20.30"), "missing");
}

TEST(SearchTrains, MarksComeInOrderWhenSorted) {
    GearSet g;
    SearchInputs in = Metric(1.75);
    in.includeLow = in.includeIntersecting = true;
    auto sorted = Sorted(calc::SearchTrains(in, g), g);
    ASSERT_EQ(sorted.size(), 33u);
    std::vector<std::string> order;
    int unmarked = 0;
    for (const TrainResult& r : sorted) {
        EXPECT_NEAR(r.err, 0, 1e-12);
        std::string marks(r.comm.Text());
        if (marks.empty()) ++unmarked;
        if (order.empty() || order.back() != marks) order.push_back(marks);
    }
    EXPECT_EQ(unmarked, 12);
    EXPECT_EQ(order, (std::vector<std::string>{"", "low ", "sec A ", "sec A low ", "sec D ", "sec D low "}));
}

TEST(SearchTrains, InputsThatFindNothing) {
    GearSet g;
    EXPECT_TRUE(calc::SearchTrains(Metric(0), g).empty());       // request 0
    EXPECT_TRUE(calc::SearchTrains(Metric(1.0, 0), g).empty());  // tolerance 0
    EXPECT_TRUE(calc::SearchTrains(Metric(1.0, -5), g).empty());
    SearchInputs in = Metric(1.0, 1000);
    in.leadscrew = 0;  // every pitch 0
    EXPECT_TRUE(calc::SearchTrains(in, g).empty());
    EXPECT_TRUE(calc::SearchTrains(Metric(1.5, 50), GearSet({40})).empty());
    EXPECT_TRUE(calc::SearchTrains(Metric(1.5, 50), GearSet({0, 0, 0})).empty());
    auto three = calc::SearchTrains(Metric(1.5, 500), GearSet({40, 0, 50, 60}));
    EXPECT_EQ(three.size(), 6u);  // two-gear trains only
    for (const TrainResult& r : three) EXPECT_TRUE(r.IsTwoGear());
}

TEST(SearchTrains, ImperialLeadscrew) {
    GearSet g({40, 40});
    SearchInputs in = Metric(25.4 / 16);
    in.imperialLeadscrew = true;
    in.leadscrew = 16;
    auto list = calc::SearchTrains(in, g);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_DOUBLE_EQ(list[0].pitch, 25.4 / 16);
    in.leadscrew = 0;
    EXPECT_TRUE(calc::SearchTrains(in, g).empty());
}

// 25.4 / x leaves rounding noise in exact inch threads; it must not survive
// as an error, while an error of a real train is kept to its last bit.
TEST(SearchTrains, RoundingNoiseIsNoError) {
    GearSet g;
    SearchInputs in;
    in.imperialLeadscrew = true;
    in.leadscrew = 6;
    in.requestTpi = true;
    in.request = 18;
    in.tolerance = 0.2;
    in.includeLow = in.includeIntersecting = true;
    auto list = calc::SearchTrains(in, g);
    ASSERT_FALSE(list.empty());
    for (const TrainResult& r : list) {
        EXPECT_EQ(r.err, 0.0) << Teeth(r, g);
        EXPECT_FALSE(std::signbit(r.err)) << Teeth(r, g);
    }
    EXPECT_EQ(calc::NoiseFree(-1.97e-14), 0.0);
    EXPECT_EQ(calc::NoiseFree(-0.00001), -0.00001);
    EXPECT_EQ(calc::NoiseFree(2e-9), 2e-9);
}

TEST(SearchTrains, LargeToothCountsDoNotOverflow) {
    GearSet g({100000, 100000, 100000, 100000});
    SearchInputs in = Metric(1.5);
    auto list = calc::SearchTrains(in, g);
    ASSERT_EQ(list.size(), 2u);  // 100000.100000 and the four-gear train
    EXPECT_DOUBLE_EQ(list[1].pitch, 1.5);
}

// The search by pair ratios must list exactly what the plain loops over
// every slot list, in the same order: odd gear sets and inputs first, then
// random ones.
namespace {

struct Agreement {
    const char* name;
    std::vector<std::int32_t> counts;
    SearchInputs inputs;
};

SearchInputs Inputs(double request, double tolerance, bool tpi = false, bool imperial = false, double leadscrew = 1.5,
                    bool low = true, bool intersecting = true) {
    SearchInputs in;
    in.request = request;
    in.tolerance = tolerance;
    in.requestTpi = tpi;
    in.imperialLeadscrew = imperial;
    in.leadscrew = imperial && leadscrew == 1.5 ? 16 : leadscrew;
    in.includeLow = low;
    in.includeIntersecting = intersecting;
    return in;
}

std::vector<std::int32_t> Range(int first, int last) {
    std::vector<std::int32_t> counts;
    for (int t = first; t <= last; ++t) counts.push_back(t);
    return counts;
}

void ExpectAgreement(const std::vector<std::int32_t>& counts, const SearchInputs& in) {
    GearSet g(counts);
    long long expectedRecorded = 0;
    auto expected = ReferenceSearch(in, g, &expectedRecorded);
    calc::SearchStats stats;
    ExpectSameList(expected, calc::SearchTrains(in, g, &stats));
    // In pieces, as threads share a search: the same list, each piece
    // within its share of the bound.
    const calc::SearchPlan plan(in, g);
    EXPECT_GE(plan.BoundBelow(g.Upper() + 1), expected.size());
    if (plan.Parts()) {
        struct ListSink : calc::TrainSink {
            std::vector<TrainResult> list;
            void Add(const TrainResult& result) override { list.push_back(result); }
        } pieces;
        const std::vector<int> starts = plan.PieceStarts(4);
        const std::vector<std::size_t> close = plan.CloseBoundsBelow();
        for (std::size_t k = 0; k + 1 < starts.size(); ++k) {
            const std::size_t before = pieces.list.size();
            calc::SearchTrainsPart(plan, pieces, k == 0, starts[k], starts[k + 1]);
            const auto end = static_cast<std::size_t>(starts[k + 1]), first = static_cast<std::size_t>(starts[k]);
            EXPECT_LE(pieces.list.size() - before, plan.BoundBelow(starts[k + 1]) - (k == 0 ? 0 : plan.BoundBelow(starts[k])));
            EXPECT_LE(pieces.list.size() - before, close[end] - (k == 0 ? 0 : close[first]));
            EXPECT_LE(close[end], plan.BoundBelow(starts[k + 1]));
        }
        ExpectSameList(expected, pieces.list);
    }
    // A search that can list nothing (a leadscrew of 0) need not record the
    // arrangements it could never list.
    if (calc::LeadAdvance(in) != 0) {
        EXPECT_EQ(stats.recorded, expectedRecorded);
    }
}

}  // namespace

TEST(SearchTrains, AgreesWithThePlainLoops) {
    const std::int32_t kMax = 2147483647;
    const Agreement cases[] = {
        {"duplicates and empty slots", {40, 0, 40, 60, 60, 0, 20, 20, 30}, Inputs(1.0, 20)},
        {"one gear", {40}, Inputs(1.5, 50)},
        {"two gears", {40, 60}, Inputs(1.0, 1)},
        {"teeth of 1 and the largest", {1, 2, kMax, kMax, 1, 3}, Inputs(1.5, 1e6)},
        {"the largest alone, TPI", {kMax, kMax, kMax, kMax}, Inputs(16, 0.2, true, true)},
        {"tolerance 0", Range(20, 40), Inputs(1.0, 0)},
        {"tolerance 1e6 %", Range(20, 31), Inputs(1.0, 1e6, true)},
        {"tolerance 150 %, TPI", Range(20, 31), Inputs(20, 150, true)},
        {"tolerance 100 %", Range(20, 31), Inputs(1.0, 100)},
        {"no include options", Range(20, 40), Inputs(1.25, 5, false, false, 1.5, false, false)},
        {"low only", Range(20, 40), Inputs(1.25, 5, false, false, 1.5, true, false)},
        {"intersecting only", Range(20, 40), Inputs(1.25, 5, false, false, 1.5, false, true)},
        {"56 slots, mm", Range(20, 75), Inputs(1.0, 0.1)},
        {"56 slots, TPI on an inch leadscrew", Range(20, 75), Inputs(13, 0.2, true, true)},
        {"negative counts are empty", {-40, 40, 60, -60, 30, 45}, Inputs(1.0, 80)},
        {"negative leadscrew", Range(20, 30), Inputs(1.0, 200, false, false, -1.5)},
        {"leadscrew 0, tolerance over 100 %", Range(20, 30), Inputs(1.0, 200, false, false, 0)},
        {"negative request", Range(20, 30), Inputs(-1.0, 150)},
        {"request 0", Range(20, 30), Inputs(0, 150)},
        {"infinite tolerance", Range(20, 28), Inputs(1.0, std::numeric_limits<double>::infinity())},
        {"a tolerance under the noise", {20, 30, 40, 60, 45, 50}, Inputs(1.0, 1e-12)},
    };
    for (const Agreement& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectAgreement(c.counts, c.inputs);
    }
    SearchInputs ratio = Inputs(0.75, 5);
    ratio.ratioLeft = -30;  // a side below 0 is ignored, as 0 is
    ExpectAgreement(Range(20, 40), ratio);

    std::mt19937 random(12345);
    for (int round = 0; round < 150; ++round) {
        std::vector<std::int32_t> counts(1 + random() % 20);
        for (auto& c : counts) {
            const int kind = static_cast<int>(random() % 12);
            c = kind == 0 ? 0 : kind == 1 && !counts.empty() ? counts[0] : 12 + static_cast<int>(random() % 70);
        }
        SearchInputs in;
        in.includeLow = random() % 2;
        in.includeIntersecting = random() % 2;
        in.requestTpi = random() % 2;
        in.request = in.requestTpi ? 4 + random() % 40 : 0.25 + (random() % 40) / 8.0;
        const double tolerances[] = {0, 0.01, 0.1, 1, 5, 20, 60, 98.5, 100, 150, 1e6};
        in.tolerance = tolerances[random() % 11];
        in.imperialLeadscrew = random() % 3 == 0;
        in.leadscrew = in.imperialLeadscrew ? 8 + random() % 12 : 1 + (random() % 12) / 4.0;
        in.ratioLeft = 20 + random() % 40;
        in.ratioRight = 20 + random() % 40;
        SCOPED_TRACE("round " + std::to_string(round));
        ExpectAgreement(counts, in);
    }
}

// A train whose error is the tolerance, computed a hair inside or outside
// it, is always left out; one just inside is kept.
TEST(SearchTrains, ErrorsAtTheTolerance) {
    struct Case {
        const char* name;
        std::vector<std::int32_t> counts;
        SearchInputs inputs;
        std::vector<std::string> listed;
    };
    SearchInputs inch = Inputs(40, 1, true, true, 20, false, false);
    inch.ratioLeft = inch.ratioRight = 1;
    SearchInputs inchWider = inch;
    inchWider.tolerance = 1.0000001;
    const Case cases[] = {
        {"+1 % at 1 %, TPI", {50, 101}, inch, {}},
        {"-1 % at 1 %, TPI", {50, 99}, inch, {}},
        {"just inside, TPI", {50, 99, 101}, inchWider, {"50.99", "50.101"}},
        {"±25 % at 25 %, mm", {20, 24, 40}, Inputs(1.0, 25, false, false, 1.5, false, false), {"24.40"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GearSet g(c.counts);
        std::vector<std::string> listed;
        for (const TrainResult& r : calc::SearchTrains(c.inputs, g)) listed.push_back(Teeth(r, g));
        EXPECT_EQ(listed, c.listed);
    }
}
