#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "calc/order/PackedTrainList.h"
#include "calc/order/TrainOrder.h"
#include "calc/search/TrainSearch.h"

using calc::GearSet;
using calc::SearchInputs;
using calc::TrainResult;

namespace {

std::vector<std::int32_t> Range(int from, int to, int step = 1) {
    std::vector<std::int32_t> counts;
    for (int t = from; t <= to; t += step) counts.push_back(t);
    return counts;
}

struct Case {
    const char* name;
    std::vector<std::int32_t> counts;
    bool tpiRequest;
    double request;
    bool imperialLeadscrew;
    double leadscrew;
    double tolerance;
    bool includeBoth;
};

// A row must print exactly as the record it stands for: the same counts
// (slots of equal counts print alike), marks, and bit-equal measures.
void ExpectSameRow(const TrainResult& expected, const TrainResult& row, const GearSet& g, const std::string& where) {
    ASSERT_EQ(expected.IsTwoGear(), row.IsTwoGear()) << where;
    ASSERT_EQ(g.Count(expected.a), g.Count(row.a)) << where;
    ASSERT_EQ(g.Count(expected.d), g.Count(row.d)) << where;
    if (!expected.IsTwoGear()) {
        ASSERT_EQ(g.Count(expected.b), g.Count(row.b)) << where;
        ASSERT_EQ(g.Count(expected.c), g.Count(row.c)) << where;
    }
    ASSERT_EQ(expected.comm, row.comm) << where;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(expected.pitch), std::bit_cast<std::uint64_t>(row.pitch)) << where;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(expected.tpi), std::bit_cast<std::uint64_t>(row.tpi)) << where;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(expected.err), std::bit_cast<std::uint64_t>(row.err)) << where;
}

}  // namespace

// The packed rows, sorted, are the sorted records row for row, for metric
// and inch requests and leadscrews, fixed ratios, gear sets with repeated
// counts and empty slots, and both include options.
TEST(PackedTrainList, RowsMatchTheSortedRecords) {
    std::vector<std::int32_t> repeated = Range(20, 60, 5);
    repeated.insert(repeated.end(), {40, 40, 0, 25, 127, 0});
    const Case cases[] = {
        {"metric, 56 gears, 5 %", Range(20, 75), false, 1.0, false, 1.5, 5, true},
        {"metric, 56 gears, no options", Range(20, 75), false, 1.25, false, 1.5, 2, false},
        {"threads per inch on an inch leadscrew", Range(20, 80, 2), true, 18, true, 6, 1, true},
        {"pitch on an inch leadscrew", Range(20, 100, 4), false, 0.8, true, 8, 3, true},
        {"threads per inch on a metric leadscrew", Range(20, 127), true, 11, false, 2, 0.2, true},
        {"repeated counts and empty slots", repeated, false, 1.5, false, 3, 20, true},
        {"one gear only", {40}, false, 1.5, false, 1.5, 1, true},
    };
    for (const Case& c : cases) {
        const GearSet g(c.counts);
        SearchInputs in;
        in.requestTpi = c.tpiRequest;
        in.request = c.request;
        in.imperialLeadscrew = c.imperialLeadscrew;
        in.leadscrew = c.leadscrew;
        in.tolerance = c.tolerance;
        in.includeLow = in.includeIntersecting = c.includeBoth;
        std::vector<TrainResult> list = calc::SearchTrains(in, g);
        calc::QuickSort(list, 0, -1, g);
        calc::PackedTrainList packed(in, g);
        calc::SearchTrains(in, g, packed);
        ASSERT_TRUE(packed.Complete()) << c.name;
        packed.Sort();
        ASSERT_EQ(packed.Size(), list.size()) << c.name;
        for (std::size_t i = 0; i < list.size(); ++i)
            ExpectSameRow(list[i], packed.Row(i), g, std::string(c.name) + ", row " + std::to_string(i));
    }
}

// Results the entries cannot stand for leave the list incomplete, so that
// the caller keeps the records instead.
TEST(PackedTrainList, IncompleteWhenAResultDoesNotPack) {
    const GearSet small(Range(20, 30));
    const GearSet tooManyCounts(Range(1, 600));
    const TrainResult four{0, 1, 2, 3, 1.0, 25.4, 0.5, {}};
    struct Check { const char* name; const GearSet& gears; TrainResult result; bool complete; };
    const Check checks[] = {
        {"a plain four-gear train", small, four, true},
        {"gear B without gear C", small, {0, 1, -1, 3, 1.0, 25.4, 0.5, {}}, false},
        {"an error that is not a number", small, {0, 1, 2, 3, 1.0, 25.4, std::nan(""), {}}, false},
        {"more distinct counts than the keys hold", tooManyCounts, four, false},
    };
    for (const Check& check : checks) {
        calc::PackedTrainList packed(SearchInputs{}, check.gears);
        packed.Add(four);
        packed.Add(check.result);
        EXPECT_EQ(packed.Complete(), check.complete) << check.name;
    }
}
