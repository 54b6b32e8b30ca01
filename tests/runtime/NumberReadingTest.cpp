#include <gtest/gtest.h>

#include <cmath>

#include "runtime/Error.h"
#include "runtime/NumberReading.h"
#include "runtime/Rounding.h"

TEST(ReadLeadingNumber, ReadsTheLeadingNumberOnly) {
    struct Case { const char* text; double value; };
    const Case cases[] = {
        {"", 0}, {"abc", 0}, {"12abc", 12}, {"1,5", 1}, {"1.5.3", 1.5}, {".5", 0.5},
        {"-2", -2}, {"+7", 7}, {"- 3", -3}, {"1 2 3", 123}, {"\t4\n5", 45},
        {"1e3", 1000}, {"1E-2", 0.01}, {"1e", 1}, {"1e+", 1}, {"2D2", 200},
        {"&H1F", 31}, {"&h1f", 31}, {"&O17", 15}, {"&HFFFF", -1}, {"&H10000", 65536},
        {"&HFFFFFFFF", -1}, {"&X1", 0}, {"&H", 0}, {"$3", 0}, {"\r5", 0}, {"-", 0},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(runtime::ReadLeadingNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(ReadLeadingNumber, HugeExponentsDoNotFail) {
    EXPECT_TRUE(std::isinf(runtime::ReadLeadingNumber("1e999")));
    EXPECT_EQ(runtime::ReadLeadingNumber("1e-999"), 0);
}

TEST(ParseLocaleNumber, FollowsTheGivenSeparators) {
    runtime::NumberSeparators comma{",", "."};
    EXPECT_EQ(*runtime::ParseLocaleNumber(" 1,5 ", comma), 1.5);
    EXPECT_EQ(*runtime::ParseLocaleNumber("1.234,5", comma), 1234.5);
    EXPECT_EQ(*runtime::ParseLocaleNumber("-2e3", comma), -2000);
    EXPECT_FALSE(runtime::ParseLocaleNumber("1,5x", comma));
    EXPECT_FALSE(runtime::ParseLocaleNumber("", comma));
    EXPECT_FALSE(runtime::ParseLocaleNumber("abc", comma));
    EXPECT_EQ(*runtime::ParseLocaleNumber("1.5", runtime::NumberSeparators{}), 1.5);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    struct Case { double in, out; };
    for (Case c : {Case{0.5, 0}, Case{1.5, 2}, Case{2.5, 2}, Case{3.5, 4}, Case{-0.5, 0}, Case{-1.5, -2},
                   Case{-2.5, -2}, Case{2.4999999, 2}, Case{2.5000001, 3}, Case{-7.6, -8}}) {
        EXPECT_EQ(runtime::RoundHalfEven(c.in), c.out) << c.in;
    }
    EXPECT_EQ(runtime::RoundToLong(40.5), 40);
    EXPECT_EQ(runtime::RoundToInteger(-32768.4), -32768);
}

TEST(Rounding, OutOfRangeIsAnOverflow) {
    for (double v : {2147483647.5 + 1, -2147483649.0, double(NAN), double(INFINITY)}) {
        try {
            runtime::RoundToLong(v);
            ADD_FAILURE() << v;
        } catch (const runtime::Error& e) {
            EXPECT_EQ(e.Number(), 6);
        }
    }
    EXPECT_THROW(runtime::RoundToInteger(32767.6), runtime::Error);
}

TEST(Rounding, ClampedRoundingHoldsTheRange) {
    struct Case { double in; std::int32_t out; };
    for (Case c : {Case{40.5, 40}, Case{-2.5, -2}, Case{2147483647.4, 2147483647}, Case{99999999999.0, 2147483647},
                   Case{-2147483648.4, INT32_MIN}, Case{-1e300, INT32_MIN}, Case{double(INFINITY), 2147483647},
                   Case{-double(INFINITY), INT32_MIN}, Case{double(NAN), 0}}) {
        EXPECT_EQ(runtime::RoundToLongClamped(c.in), c.out) << c.in;
    }
}
