#include <gtest/gtest.h>

#include <cmath>

#include "runtime/Format.h"

using runtime::Format;
using runtime::FormatNumber;
using runtime::NumberSeparators;

namespace {
const NumberSeparators kDot{".", ","};
const NumberSeparators kComma{",", "."};

struct Case {
    double value;
    const char* pattern;
    const char* dot;
    const char* comma;
};
}  // namespace

TEST(Format, MeasurePatternUnderBothDecimalMarks) {
    const Case cases[] = {
        {1, "0.0###", "1.0", "1,0"},
        {14.514285, "0.0###", "14.5143", "14,5143"},
        {0.04, "0.0###", "0.04", "0,04"},
        {0, "0.0###", "0.0", "0,0"},
        {-0.78125, "0.0###", "-0.7813", "-0,7813"},
        {-12.5, "0.0###", "-12.5", "-12,5"},
        {25.4, "0.0###", "25.4", "25,4"},
        {16.933333333, "0.0###", "16.9333", "16,9333"},
        {0.99996, "0.0###", "1.0", "1,0"},
        {1234567.12345, "0.0###", "1234567.1235", "1234567,1235"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatNumber(c.value, c.pattern, kDot), c.dot) << c.value;
        EXPECT_EQ(FormatNumber(c.value, c.pattern, kComma), c.comma) << c.value;
    }
}

TEST(Format, RoundsHalfAwayFromZeroOnTheDecimalForm) {
    const Case cases[] = {
        {2.5, "0", "3", ""}, {3.5, "0", "4", ""}, {-2.5, "0", "-3", ""},
        {0.125, "0.00", "0.13", ""},
        {1.005, "0.00", "1.01", ""},  // its 15-digit form is 1.00500000000000
        {0.3, "0.0000000000000000", "0.3000000000000000", ""},
        {9.995, "0.00", "10.00", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatNumber(c.value, c.pattern, kDot), c.dot) << c.value;
}

TEST(Format, NumberPlaceholdersAndLiterals) {
    const Case cases[] = {
        {1234567.891, "#,##0.00", "1,234,567.89", "1.234.567,89"},
        {0.5, "#.##", ".5", ",5"},
        {7, "000", "007", "007"},
        {5551234567, "(000) 000-0000", "(555) 123-4567", "(555) 123-4567"},
        {1234567, "0,,", "1", "1"},
        {0.256, "0%", "26%", "26%"},
        {1.5, "\\$0.00", "$1.50", "$1,50"},
        {1.5, "\"x=\"0.0", "x=1.5", "x=1,5"},
        {5, "#", "5", "5"},
        {0, "#", "", ""},
        {12, "0.", "12.", "12,"},
        {1234.5, "0.00E+00", "1.23E+03", "1,23E+03"},
        {0.000123, "0.00E+00", "1.23E-04", "1,23E-04"},
        {9.999, "0.00E+00", "1.00E+01", "1,00E+01"},
        {1234.5, "0.0e-0", "1.2e3", "1,2e3"},
        {0, "0.0E+00", "0.0E+00", "0,0E+00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatNumber(c.value, c.pattern, kDot), c.dot) << c.pattern;
        EXPECT_EQ(FormatNumber(c.value, c.pattern, kComma), c.comma) << c.pattern;
    }
}

TEST(Format, Sections) {
    const char* pattern = "0.0;(0.0);\"zero\"";
    EXPECT_EQ(FormatNumber(2, pattern, kDot), "2.0");
    EXPECT_EQ(FormatNumber(-2, pattern, kDot), "(2.0)");
    EXPECT_EQ(FormatNumber(0, pattern, kDot), "zero");
    EXPECT_EQ(FormatNumber(-2, "0;;\"z\"", kDot), "-2");  // empty negative section: the first, with a sign
    EXPECT_EQ(Format(runtime::Variant(runtime::Null{}), "0;0;0;\"none\"", kDot), "none");
}

TEST(Format, NamedFormats) {
    EXPECT_EQ(Format(3.14159, "Fixed", kDot), "3.14");
    EXPECT_EQ(Format(1234.5, "Standard", kDot), "1,234.50");
    EXPECT_EQ(Format(0.5, "Percent", kDot), "50.00%");
    EXPECT_EQ(Format(1234.5, "scientific", kDot), "1.23E+03");
    EXPECT_EQ(Format(2, "Yes/No", kDot), "Yes");
    EXPECT_EQ(Format(0, "True/False", kDot), "False");
    EXPECT_EQ(Format(1, "On/Off", kDot), "On");
    EXPECT_EQ(Format(0.1 + 0.2, "General Number", kDot), "0.3");
}

TEST(Format, ValuesOfEveryKind) {
    EXPECT_EQ(Format(runtime::Variant("1,5"), "0.00", kComma), "1,50");  // numeric text is a number
    EXPECT_EQ(Format(runtime::Variant("abc"), "0.00", kDot), "abc");    // other text stays
    EXPECT_EQ(Format(runtime::Variant(std::int32_t{42}), "000", kDot), "042");
    EXPECT_EQ(Format(runtime::Variant(true), "0", kDot), "-1");
    EXPECT_EQ(Format(runtime::Variant(), "", kDot), "");
    EXPECT_EQ(Format(runtime::Variant(), "0.0", kDot), "0.0");
}

TEST(GeneralNumberText, FifteenSignificantDigits) {
    struct G { double v; const char* text; };
    for (G g : {G{0.5, "0.5"}, G{-0.25, "-0.25"}, G{0.0001, "0.0001"}, G{0.00001, "1E-05"},
                G{1.5e-7, "1.5E-07"}, G{123456789012345.0, "123456789012345"}, G{1e15, "1E+15"},
                G{0.1 + 0.2, "0.3"}, G{1.0 / 3, "0.333333333333333"}, G{0, "0"}, G{100, "100"}}) {
        EXPECT_EQ(runtime::GeneralNumberText(g.v, kDot), g.text) << g.v;
    }
    EXPECT_EQ(runtime::GeneralNumberText(2.5, kComma), "2,5");
    EXPECT_EQ(runtime::GeneralNumberText(INFINITY, kDot), "Infinity");
    EXPECT_EQ(FormatNumber(NAN, "0.0", kDot), "NaN");
}

namespace {

// A finite value that a percent pattern pushes past the largest double shows
// as a word among the pattern's literals, never as digits made of nothing.
TEST(Format, PercentPastTheLargestDoubleReadsAsInfinity) {
    struct Infinite {
        double value;
        const char* pattern;
        const char* expected;
    };
    const Infinite cases[] = {
        {1e307, "0%", "Infinity%"},
        {-1e307, "0.00%", "-Infinity%"},
        {1e307, "\"x=\"#,##0.0% \"end\"", "x=Infinity% end"},
        {1e307, "0.0E+00%", "Infinity%"},
        {1e305, "%%", "Infinity%%"},
    };
    for (const Infinite& c : cases) EXPECT_EQ(FormatNumber(c.value, c.pattern, kDot), c.expected) << c.pattern;
    const std::string stillFinite = FormatNumber(1e305, "0%", kDot);
    EXPECT_EQ(stillFinite, "1" + std::string(307, '0') + "%");
}

}  // namespace
