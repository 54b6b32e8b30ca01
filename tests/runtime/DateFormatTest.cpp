#include <gtest/gtest.h>

#include "runtime/DateFormat.h"
#include "runtime/DateParts.h"
#include "runtime/Error.h"
#include "runtime/Format.h"

using runtime::FormatDate;

namespace {
// 15 March 2023, a Wednesday, 14:05:09.
constexpr double kWednesday = 45000 + (14 * 3600 + 5 * 60 + 9) / 86400.0;
}  // namespace

TEST(DateParts, TakesSerialsApart) {
    struct Case { double serial; int y, m, d, weekday, dayOfYear; };
    for (Case c : {Case{0, 1899, 12, 30, 7, 364}, Case{1, 1899, 12, 31, 1, 365}, Case{2, 1900, 1, 1, 2, 1},
                   Case{45000, 2023, 3, 15, 4, 74}, Case{-1, 1899, 12, 29, 6, 363}, Case{36585, 2000, 2, 29, 3, 60}}) {
        auto p = runtime::DateParts::FromSerial(c.serial);
        EXPECT_EQ(p.year, c.y) << c.serial;
        EXPECT_EQ(p.month, c.m) << c.serial;
        EXPECT_EQ(p.day, c.d) << c.serial;
        EXPECT_EQ(p.weekday, c.weekday) << c.serial;
        EXPECT_EQ(p.dayOfYear, c.dayOfYear) << c.serial;
    }
    auto before = runtime::DateParts::FromSerial(-1.25);  // the time still counts from midnight
    EXPECT_EQ(before.day, 29);
    EXPECT_EQ(before.hour, 6);
    EXPECT_THROW(runtime::DateParts::FromSerial(1e9), runtime::Error);
}

TEST(DateFormat, Patterns) {
    struct Case { const char* pattern; const char* text; };
    const Case cases[] = {
        {"yyyy-mm-dd", "2023-03-15"}, {"d/m/yy", "15/3/23"}, {"ddd dddd", "Wed Wednesday"},
        {"mmm mmmm", "Mar March"}, {"hh:mm:ss", "14:05:09"}, {"h:nn AM/PM", "2:05 PM"}, {"h a/p", "2 p"},
        {"hh:nn ampm", "02:05 pm"}, {"q", "1"}, {"y", "74"}, {"w", "4"}, {"ww", "11"},
        {"\"day\" d", "day 15"}, {"\\d d", "d 15"}, {"ddddd", "2023-03-15"},
        {"dddddd", "Wednesday, March 15, 2023"}, {"c", "2023-03-15 14:05:09"}, {"ttttt", "14:05:09"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatDate(kWednesday, c.pattern), c.text) << c.pattern;
}

TEST(DateFormat, WeeksStartOnSundayFromTheFirstOfJanuary) {
    // 1 January 2023 was a Sunday, 7 January a Saturday, 8 January the next Sunday.
    EXPECT_EQ(FormatDate(44927, "ww w"), "1 1");
    EXPECT_EQ(FormatDate(44933, "ww w"), "1 7");
    EXPECT_EQ(FormatDate(44934, "ww w"), "2 1");
    // 1 January 2022 was a Saturday: the 2nd is already week 2.
    EXPECT_EQ(FormatDate(44562, "ww"), "1");
    EXPECT_EQ(FormatDate(44563, "ww"), "2");
}

TEST(DateFormat, NamedFormatsAndFormatOfValues) {
    EXPECT_EQ(FormatDate(kWednesday, "Short Date"), "2023-03-15");
    EXPECT_EQ(FormatDate(kWednesday, "long time"), "14:05:09");
    EXPECT_EQ(FormatDate(kWednesday, "Medium Date"), "15-Mar-23");
    EXPECT_EQ(FormatDate(kWednesday, "Short Time"), "14:05");
    EXPECT_EQ(FormatDate(45000, "General Date"), "2023-03-15");
    runtime::NumberSeparators dot{".", ","};
    EXPECT_EQ(runtime::Format(runtime::Variant(runtime::Date{45000}), "yyyy", dot), "2023");
    EXPECT_EQ(runtime::Format(runtime::Variant(45000.0), "mmm yyyy", dot), "Mar 2023");  // a number as a serial
    EXPECT_EQ(runtime::Format(runtime::Variant(1234.5), "0.00E+00", dot), "1.23E+03");  // not a date pattern
    EXPECT_TRUE(runtime::IsDatePattern("dd"));
    EXPECT_FALSE(runtime::IsDatePattern("#,##0.0\"mm\""));
}
