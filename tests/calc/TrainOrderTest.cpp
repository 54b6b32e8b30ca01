#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <tuple>

#include "ReferenceSort.h"
#include "calc/order/TrainOrder.h"
#include "calc/order/TrainSortKeys.h"

using calc::GearSet;
using calc::TrainResult;

namespace {

// A gear set whose slot i holds the count i, so records name counts directly.
GearSet Identity() {
    std::vector<std::int32_t> counts(101);
    for (int i = 0; i <= 100; ++i) counts[static_cast<std::size_t>(i)] = i;
    return GearSet(counts);
}

TrainResult Four(int a, int b, int c, int d, double err, std::uint8_t marks = 0) {
    return {a, b, c, d, 1, 25.4, err, calc::FitMarks(marks)};
}
TrainResult Two(int a, int d, double err) { return {a, -1, -1, d, 1, 25.4, err, {}}; }

}  // namespace

TEST(CompareTrains, KeysInTurn) {
    GearSet g = Identity();
    struct Case { TrainResult x, y; int expected; const char* why; };
    const Case cases[] = {
        {Four(20, 30, 40, 50, 0.01), Four(80, 80, 80, 80, 0.02), 1, "smaller error"},
        {Four(20, 30, 40, 50, -0.05), Four(20, 30, 40, 50, 0.05), 0, "errors of opposite sign tie"},
        {Four(20, 30, 40, 50, -0.05), Four(30, 30, 40, 50, 0.05), -1, "tie on error, larger A wins"},
        {Four(20, 30, 40, 50, 0, 0), Four(80, 80, 80, 80, 0, calc::FitMarks::TooLow), 1, "unmarked first"},
        {Four(20, 30, 40, 50, 0, calc::FitMarks::TooLow), Four(20, 30, 40, 50, 0, calc::FitMarks::CFoulsShaftA), 1, "low before sec A"},
        {Four(20, 30, 40, 50, 0, calc::FitMarks::CFoulsShaftA), Four(20, 30, 40, 50, 0, calc::FitMarks::CFoulsShaftA | calc::FitMarks::TooLow), 1, "prefix first"},
        {Four(20, 30, 40, 50, 0, calc::FitMarks::CFoulsShaftA | calc::FitMarks::TooLow), Four(20, 30, 40, 50, 0, calc::FitMarks::BFoulsLeadscrew), 1, "sec A low before sec D"},
        {Four(40, 60, 40, 50, 0), Four(40, 50, 40, 50, 0), 1, "larger B"},
        {Four(40, 50, 45, 50, 0), Four(40, 50, 40, 50, 0), 1, "larger C"},
        {Four(40, 50, 40, 50, 0), Four(40, 50, 40, 60, 0), 0, "D is never compared"},
        {Four(40, 30, 40, 80, 0), Two(40, 60, 0), 1, "four gears before two"},
        {Two(40, 60, 0), Four(40, 30, 40, 80, 0), -1, "two gears after four"},
        {Two(40, 60, 0), Two(40, 61, 0), 1, "neither has B: the first comes first"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(calc::CompareTrains(c.x, c.y, g), c.expected) << c.why;
        EXPECT_EQ(calc::ComesBefore(c.x, c.y, g), c.expected > 0) << c.why;
    }
}

namespace {

std::vector<TrainResult> RandomList(std::mt19937& random, std::size_t size) {
    // Records that differ in some key (as the search makes them: a repeated
    // combination is listed once), so the order is fully defined.
    std::vector<TrainResult> list;
    std::vector<std::tuple<double, int, int, int, int>> seen;
    while (list.size() < size) {
        int a = 20 + int(random() % 60), b = 20 + int(random() % 60), c = 20 + int(random() % 60);
        int d = 20 + int(random() % 60);
        double err = (static_cast<int>(random() % 9) - 4) * 0.05;
        bool two = random() % 5 == 0;
        auto marks = static_cast<std::uint8_t>(two ? 0 : random() % 8);
        auto key = std::make_tuple(std::fabs(err), int(marks), a, two ? -1 : b, two ? -1 : c);
        if (std::find(seen.begin(), seen.end(), key) != seen.end()) continue;
        seen.push_back(key);
        list.push_back(two ? Two(a, d, err) : Four(a, b, c, d, err, marks));
    }
    return list;
}

bool IsOrdered(const std::vector<TrainResult>& list, const GearSet& g) {
    for (std::size_t i = 1; i < list.size(); ++i)
        if (calc::ComesBefore(list[i], list[i - 1], g)) return false;
    return true;
}

bool SameRecords(const std::vector<TrainResult>& x, const std::vector<TrainResult>& y) {
    if (x.size() != y.size()) return false;
    for (std::size_t i = 0; i < x.size(); ++i)
        if (x[i].a != y[i].a || x[i].b != y[i].b || x[i].c != y[i].c || x[i].d != y[i].d || x[i].err != y[i].err)
            return false;
    return true;
}

}  // namespace

TEST(Sorting, QuickSortAgreesWithSelectionSort) {
    GearSet g = Identity();
    std::mt19937 random(7);
    for (std::size_t size : {0u, 1u, 2u, 20u, 21u, 22u, 57u, 300u, 1000u}) {
        auto list = RandomList(random, size);
        auto bySelection = list;
        calc::SelectionSort(bySelection, 0, -1, g);
        calc::QuickSort(list, 0, -1, g);
        EXPECT_TRUE(IsOrdered(list, g)) << size;
        EXPECT_TRUE(SameRecords(list, bySelection)) << size;
    }
}

TEST(Sorting, SubRangesOnly) {
    GearSet g = Identity();
    std::mt19937 random(99);
    auto list = RandomList(random, 200);
    auto original = list;
    calc::QuickSort(list, 50, 149, g);
    for (std::size_t i = 0; i < 50; ++i) EXPECT_EQ(list[i].a, original[i].a);
    for (std::size_t i = 150; i < 200; ++i) EXPECT_EQ(list[i].a, original[i].a);
    std::vector<TrainResult> middle(list.begin() + 50, list.begin() + 150);
    EXPECT_TRUE(IsOrdered(middle, g));
}

TEST(Sorting, SelectionSortKeepsTheFirstOfEqualRecords) {
    GearSet g = Identity();
    // Equal on every key (D differs): a later record replaces the best only
    // when it comes strictly before it, so these stay where they are.
    std::vector<TrainResult> list = {Four(40, 50, 40, 60, 0.1), Four(40, 50, 40, 61, 0.1), Four(40, 50, 40, 62, 0.1)};
    calc::SelectionSort(list, 0, -1, g);
    EXPECT_EQ(list[0].d, 60);
    EXPECT_EQ(list[1].d, 61);
    EXPECT_EQ(list[2].d, 62);
}

TEST(Sorting, SwapRecordsExchangesWholeRecords) {
    TrainResult x = Four(20, 30, 40, 50, 0.5, calc::FitMarks::TooLow), y = Two(60, 80, -0.25);
    calc::SwapRecords(x, y);
    EXPECT_EQ(x.a, 60);
    EXPECT_EQ(x.b, -1);
    EXPECT_EQ(x.err, -0.25);
    EXPECT_EQ(y.comm.Text(), "low ");
    EXPECT_EQ(y.d, 50);
}

namespace {

// Records that tie often: few errors, marks and gears, D (never compared)
// telling them apart, two-gear trains among them.
std::vector<TrainResult> ListWithTies(std::mt19937& random, std::size_t size) {
    std::vector<TrainResult> list;
    for (std::size_t i = 0; i < size; ++i) {
        const int a = 20 + 5 * int(random() % 3), b = 20 + 5 * int(random() % 3), c = 20 + 5 * int(random() % 3);
        const double err = (static_cast<int>(random() % 5) - 2) * 0.25;
        const int d = int(i % 100);
        if (random() % 4 == 0) list.push_back(Two(a, d, err));
        else list.push_back(Four(a, b, c, d, err, static_cast<std::uint8_t>(random() % 3 == 0 ? random() % 8 : 0)));
    }
    return list;
}

void ExpectSameOrder(const std::vector<TrainResult>& expected, const std::vector<TrainResult>& actual,
                     const std::string& what) {
    ASSERT_EQ(expected.size(), actual.size()) << what;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TrainResult &e = expected[i], &a = actual[i];
        ASSERT_TRUE(e.a == a.a && e.b == a.b && e.c == a.c && e.d == a.d && e.comm == a.comm &&
                    (e.err == a.err || (std::isnan(e.err) && std::isnan(a.err))))
            << what << ", position " << i;
    }
}

}  // namespace

// Equal records must come out exactly where the stated algorithm puts them:
// the same pivots (the middle rounded after adding `first`), the same scans.
TEST(Sorting, TiesLandWhereTheStatedAlgorithmPutsThem) {
    GearSet g = Identity();
    std::mt19937 random(2024);
    for (std::size_t size : {21u, 22u, 23u, 40u, 41u, 64u, 99u, 257u, 1000u, 4001u}) {
        for (long first : {0L, 1L, 3L, 6L}) {
            auto list = ListWithTies(random, size);
            auto expected = list;
            reference::QuickSort(expected, first, -1, g);
            calc::QuickSort(list, first, -1, g);
            ExpectSameOrder(expected, list, "size " + std::to_string(size) + " from " + std::to_string(first));
        }
    }
}

TEST(Sorting, SortedOrderNamesThePermutationOfQuickSort) {
    GearSet g = Identity();
    std::mt19937 random(5);
    auto list = ListWithTies(random, 3000);
    auto expected = list;
    reference::QuickSort(expected, 0, -1, g);
    const std::vector<std::uint32_t> order = calc::SortedOrder(list, g);
    std::vector<TrainResult> permuted;
    for (std::uint32_t index : order) permuted.push_back(list[index]);
    ExpectSameOrder(expected, permuted, "by order");
}

// Records the packed keys cannot hold (an error that is not a number, a
// gear B without a gear C) are ordered by the records, with the same result.
TEST(Sorting, RecordsBeyondThePackedKeys) {
    GearSet g = Identity();
    std::mt19937 random(11);
    auto list = ListWithTies(random, 300);
    list[17].err = std::nan("");
    list[40].c = -1;
    list[41].c = -1;
    auto expected = list;
    reference::QuickSort(expected, 0, -1, g);
    calc::QuickSort(list, 0, -1, g);
    ExpectSameOrder(expected, list, "mixed");
}
