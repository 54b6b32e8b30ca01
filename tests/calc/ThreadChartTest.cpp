#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/ThreadChart.h"

using calc::GearSet;

namespace {

const runtime::NumberSeparators kPoint{".", ""};

std::string Joined(const calc::ChartTexts& texts) {
    std::string line;
    for (const std::string& t : texts) line += (line.empty() ? "" : "|") + t;
    return line;
}

}  // namespace

TEST(ThreadChart, RowsFollowTheFamiliesAndCarryTheBestTrain) {
    const calc::ThreadFamily* families[] = {calc::FindThreadFamily("me"), calc::FindThreadFamily("ba")};
    calc::SearchInputs in;
    const auto rows = calc::BuildThreadChart(families, GearSet(), in);
    ASSERT_EQ(rows.size(), 2u + calc::FindThreadFamily("ba")->threads.size());
    EXPECT_EQ(rows[0].thread->name, "ME 32 TPI");
    EXPECT_EQ(rows[1].thread->name, "ME 40 TPI");
    EXPECT_EQ(rows[2].thread->name, "0 BA");
    EXPECT_EQ(rows.back().thread->name, "16 BA");
    for (const calc::ChartRow& row : rows) EXPECT_TRUE(row.train) << row.thread->name;

    // 0 BA is 1 mm: the factory set's first row for 1 mm, exact.
    EXPECT_EQ(Joined(calc::ChartRowTexts(rows[2], GearSet(), kPoint)), "0 BA|80|80|40|60|0.0|1.0|25.4|");
    EXPECT_TRUE(rows[2].Within(0.1));
    EXPECT_FALSE(rows[2].Within(0));
    // 40 TPI on a 1.5 mm leadscrew: 0.635 mm per turn is nowhere near exact.
    EXPECT_FALSE(rows[1].Within(0.2));
    EXPECT_TRUE(rows[1].Within(100));
}

TEST(ThreadChart, TooFewGearsGiveEmptyFields) {
    const calc::ThreadFamily* families[] = {calc::FindThreadFamily("me")};
    const GearSet one({40, 0});
    const auto rows = calc::BuildThreadChart(families, one, calc::SearchInputs{});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_FALSE(rows[0].train);
    EXPECT_FALSE(rows[0].Within(1e300));
    EXPECT_EQ(Joined(calc::ChartRowTexts(rows[0], one, kPoint)), "ME 32 TPI||||||||");
}

TEST(ThreadChart, Headers) {
    EXPECT_EQ(Joined(calc::ChartHeaders()), "thread|A|B|C|D|+/- %|pitch, mm|tpi|comm");
}
