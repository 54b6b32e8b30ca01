#include <gtest/gtest.h>

#include <random>

#include "calc/gears/FitCheck.h"
#include "calc/gears/TrainGeometry.h"

namespace {

using calc::Distance;
using calc::TrainGeometry;

TEST(TrainGeometryTest, TheStudSitsWhereBothArmsMeshToTheRight) {
    struct Case {
        int a, b, c, d;
        double x, y;
    };
    const Case cases[] = {
        {40, 40, 40, 40, 0, -40},               // arms of 40 and 40 meet on the line
        {60, 40, 40, 40, 20.4538, -45.625},     // arms 50 and 40
        {80, 80, 30, 50, 38.7298, -70},         // arms 80 and 40: the stud far down
    };
    for (const Case& c : cases) {
        const TrainGeometry train = calc::CompoundTrainGeometry(c.a, c.b, c.c, c.d);
        EXPECT_TRUE(train.reaches);
        EXPECT_NEAR(train.stud.x, c.x, 1e-4) << c.a << " " << c.b;
        EXPECT_NEAR(train.stud.y, c.y, 1e-4) << c.a << " " << c.b;
        EXPECT_NEAR(Distance(train.stud, train.spindle), (c.a + c.b) / 2.0, 1e-9);
        EXPECT_NEAR(Distance(train.stud, train.leadscrew), (c.c + c.d) / 2.0, 1e-9);
        ASSERT_EQ(train.gears.size(), 4u);
        EXPECT_EQ(train.gears[1].teeth, c.b);
        EXPECT_DOUBLE_EQ(train.gears[1].tipRadius, c.b / 2.0 + 1);
    }
}

TEST(TrainGeometryTest, ArmsThatCannotMeetLeaveTheirGapOnTheAxisLine) {
    struct Case {
        int a, b, c, d;
        double studY, gap;
    };
    const Case cases[] = {
        {20, 20, 20, 20, -20, 40},    // too low: arms 20 + 20 of 80; the spindle's arm is drawn
        {20, 20, 30, 50, -40, 20},    // too low: the leadscrew's arm (40) is the longer
        {250, 90, 10, 10, -170, 80},  // one arm (170) longer than the other (10) by more than 80
    };
    for (const Case& c : cases) {
        const TrainGeometry train = calc::CompoundTrainGeometry(c.a, c.b, c.c, c.d);
        EXPECT_FALSE(train.reaches);
        EXPECT_DOUBLE_EQ(train.stud.x, 0);
        EXPECT_DOUBLE_EQ(train.stud.y, c.studY);
        EXPECT_DOUBLE_EQ(train.gap, c.gap);
        EXPECT_DOUBLE_EQ(Distance(train.gapFrom, train.gapTo), c.gap);
    }
}

// Where the arms meet, the drawn overlaps are exactly the faults the marks
// name, over many random trains.
TEST(TrainGeometryTest, OverlapsAgreeWithTheFitMarks) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> teeth(10, 130);
    int compared = 0;
    for (int n = 0; n < 200000; ++n) {
        const int a = teeth(random), b = teeth(random), c = teeth(random), d = teeth(random);
        const TrainGeometry train = calc::CompoundTrainGeometry(a, b, c, d);
        const calc::FitMarks marks = calc::CheckFit(a, b, c, d, true, true).marks;
        if (train.reaches) {
            ++compared;
            ASSERT_EQ(train.bFoulsLeadscrew, marks.Has(calc::FitMarks::BFoulsLeadscrew)) << a << ' ' << b << ' ' << c << ' ' << d;
            ASSERT_EQ(train.cFoulsSpindle, marks.Has(calc::FitMarks::CFoulsShaftA)) << a << ' ' << b << ' ' << c << ' ' << d;
        }
        ASSERT_EQ(!train.reaches && a + b + c + d < 160, marks.Has(calc::FitMarks::TooLow)) << a << ' ' << b << ' ' << c << ' ' << d;
    }
    EXPECT_GT(compared, 100000);
}

TEST(TrainGeometryTest, ATwoGearTrainHasAnIdlerMeshingWithBoth) {
    for (const auto& [a, d] : {std::pair{20, 80}, std::pair{127, 127}, std::pair{40, 40}}) {
        const TrainGeometry train = calc::SimpleTrainGeometry(a, d);
        ASSERT_EQ(train.gears.size(), 3u);
        const calc::PlacedGear& idler = train.gears[1];
        EXPECT_EQ(idler.letter, 'I');
        EXPECT_TRUE(train.reaches);
        EXPECT_GT(train.stud.x, 0);
        EXPECT_NEAR(Distance(idler.centre, train.spindle), a / 2.0 + idler.pitchRadius, 1e-9);
        EXPECT_NEAR(Distance(idler.centre, train.leadscrew), d / 2.0 + idler.pitchRadius, 1e-9);
    }
}

}  // namespace
