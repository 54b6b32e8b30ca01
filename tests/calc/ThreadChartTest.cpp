#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calc/chart/DoorSheet.h"
#include "calc/chart/ThreadChart.h"

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

TEST(ThreadChart, DoorSheetGroupsTheRowsThatKeepTheStudPair) {
    const calc::ThreadFamily* families[] = {calc::FindThreadFamily("metric-coarse")};
    calc::SearchInputs in;
    in.ratioLeft = 40;
    in.ratioRight = 20;
    const GearSet gears({20, 0, 40, 60, 80});
    const auto rows = calc::BuildThreadChart(families, gears, in);
    const runtime::TextSheet sheet = calc::DoorSheet(rows, gears, in, "2026-12-08", kPoint);
    EXPECT_EQ(sheet.title, "Gears 20 40 60 80   Leadscrew 1.5 mm   Ratio 40:20   2026-12-08");
    EXPECT_EQ(sheet.headers, (std::vector<std::string>{"thread", "A", "B", "C", "D", "+/- %", "comm"}));
    ASSERT_EQ(sheet.rows.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const calc::ChartTexts texts = calc::ChartRowTexts(rows[i], gears, kPoint);
        EXPECT_EQ(sheet.rows[i].cells,
                  (std::vector<std::string>{texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[8]}));
        const bool sameStudPair =
            i > 0 && texts[2] == sheet.rows[i - 1].cells[2] && texts[3] == sheet.rows[i - 1].cells[3];
        EXPECT_EQ(sheet.rows[i].startsGroup, i > 0 && !sameStudPair) << i;
    }
    // The chart has both: rows that keep the stud pair and rows that change it.
    const auto starts = std::count_if(sheet.rows.begin(), sheet.rows.end(), [](const auto& r) { return r.startsGroup; });
    EXPECT_GT(starts, 0);
    EXPECT_LT(starts, static_cast<std::ptrdiff_t>(sheet.rows.size()) - 1);

    in.imperialLeadscrew = true;
    in.leadscrew = 8;
    EXPECT_EQ(calc::DoorSheet({}, gears, in, "today", kPoint).title,
              "Gears 20 40 60 80   Leadscrew 8 tpi   Ratio 40:20   today");
}
