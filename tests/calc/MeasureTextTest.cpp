#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "calc/texts/MeasureText.h"
#include "runtime/Format.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kRandomValues = 100000;  // the sanitizers make each value some fifty times dearer
#else
constexpr int kRandomValues = 2000000;
#endif

const runtime::NumberSeparators kPoint{".", ","};
const runtime::NumberSeparators kComma{",", "."};

// The fast text against the general pattern interpreter, for one value.
::testing::AssertionResult SameAsFormat(double value, const runtime::NumberSeparators& separators) {
    const std::string expected = runtime::FormatNumber(value, "0.0###", separators);
    const std::string actual = calc::MeasureText(value, separators);
    if (expected == actual) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hexfloat << value << std::defaultfloat << " (" << value
                                         << "): Format gives '" << expected << "', fast gives '" << actual << "'";
}

double FromBits(std::uint64_t bits) {
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace

TEST(MeasureText, EdgeValues) {
    const double edges[] = {
        0.0, -0.0, 1.0, -1.0, 14.514285, 0.04, 0.00005, 0.000049999999999, 0.00004999999999999999,
        0.00015, 0.00025, 1.00005, 1.00015, 2.5e-5, 0.12345, 0.12355, 0.99995, 9.99995, 99999.99995,
        -1.97e-14, -0.00001, 1e-300, 5e-324, -5e-324, std::numeric_limits<double>::min(), 999999999.99995,
        999999999.9999, 1e9, -1e9, 1e9 - 1e-7, 1e15, 123456789012345.6, 1e300, std::numeric_limits<double>::max(),
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(), 25.4 / 18, 25.4 / 16 * 40 / 60, 1.5 * 45 / 80 * 60 / 40,
        0.1 + 0.2, 1.0 / 3, 2.0 / 3, 4503599627370495.5, 100000000000000.5,
    };
    for (double v : edges) {
        EXPECT_TRUE(SameAsFormat(v, kPoint));
        EXPECT_TRUE(SameAsFormat(v, kComma));
    }
    EXPECT_EQ(calc::MeasureText(1, kPoint), "1.0");
    EXPECT_EQ(calc::MeasureText(14.514285, kPoint), "14.5143");
    EXPECT_EQ(calc::MeasureText(-0.78125, kComma), "-0,7813");
    EXPECT_EQ(calc::MeasureText(-0.00001, kPoint), "-0.0");
}

// Values spread over every magnitude the measures can take and beyond, and
// values right at the rounding steps of the fourth decimal, where the
// 15-digit form and the value itself may round apart.
TEST(MeasureText, MillionsOfValuesAgreeWithFormat) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> exponent(-12, 12);
    std::uniform_int_distribution<std::int64_t> steps(0, 2000000000);
    std::uniform_int_distribution<int> tiny(-40, 40);
    int failures = 0;
    for (int i = 0; i < kRandomValues && failures < 10; ++i) {
        double v = 0;
        switch (i % 5) {
        case 0: v = std::pow(10.0, exponent(random)); break;                               // any magnitude
        case 1: v = (static_cast<double>(steps(random)) + 0.5) / 1e4; break;               // at a half step
        case 2: v = std::nextafter((static_cast<double>(steps(random)) + 0.5) / 1e4, 0.0) +
                    tiny(random) * 1e-17; break;                                            // around it
        case 3: v = static_cast<double>(steps(random) % 100000) * 25.4 / (1 + steps(random) % 9999); break;
        case 4: v = FromBits(random()); break;                                              // any bit pattern
        }
        if (random() % 2) v = -v;
        if (!SameAsFormat(v, i % 3 == 0 ? kComma : kPoint)) {
            ++failures;
            ADD_FAILURE() << SameAsFormat(v, i % 3 == 0 ? kComma : kPoint).message();
        }
    }
    EXPECT_EQ(failures, 0);
}
