#include <gtest/gtest.h>

#include "calc/gears/FitCheck.h"

using calc::CheckFit;

namespace {
struct Case {
    int a, b, c, d;
    bool low, all;
    bool passes;
    const char* marks;
};
}  // namespace

TEST(CheckFit, MarksAndDropsAtTheBoundaries) {
    const Case cases[] = {
        {40, 40, 40, 40, false, false, true, ""},        // 50 !> 80, 46 !> 80, 160 !< 160
        {20, 30, 20, 30, false, false, false, "low "},
        {20, 30, 20, 30, true, false, true, "low "},
        {20, 80, 20, 40, false, false, false, "sec D "},  // sum exactly 160: not low
        {20, 80, 20, 40, false, true, true, "sec D "},
        {20, 20, 80, 80, false, true, true, "sec A "},
        {20, 20, 80, 80, true, false, false, "sec A "},
        {5, 30, 30, 5, true, true, true, "sec D sec A low "},
        {5, 30, 30, 5, true, false, false, "sec D "},      // dropped before the other tests
        {5, 30, 30, 5, false, true, false, "sec D sec A low "},
        {50, 60, 40, 30, false, false, true, ""},          // B + 10 = C + D is faultless
        {50, 50, 94, 40, false, false, true, ""},          // C + 6 = A + B is faultless
        {50, 50, 95, 40, false, true, true, "sec A "},
        {40, 40, 40, 39, true, false, true, "low "},       // 159 is low
    };
    for (const Case& c : cases) {
        auto result = CheckFit(c.a, c.b, c.c, c.d, c.low, c.all);
        EXPECT_EQ(result.passes, c.passes) << c.a << ' ' << c.b << ' ' << c.c << ' ' << c.d;
        EXPECT_EQ(result.marks.Text(), c.marks) << c.a << ' ' << c.b << ' ' << c.c << ' ' << c.d;
    }
}

TEST(CheckFit, LargeCountsDoNotOverflow) {
    auto result = CheckFit(2147483647, 2147483647, 2147483647, 2147483647, false, false);
    EXPECT_TRUE(result.passes);
    EXPECT_EQ(result.marks.Text(), "");
}
