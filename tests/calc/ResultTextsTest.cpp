#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/texts/ResultLineWriter.h"
#include "calc/texts/ResultTexts.h"

using calc::GearSet;
using calc::TrainResult;

TEST(ResultTexts, FourAndTwoGearRows) {
    GearSet g;
    TrainResult four{10, 11, 4, 8, 1.0, 25.4, 0.0, calc::FitMarks(calc::FitMarks::TooLow)};
    auto row = calc::ResultRowTexts(four, 0, g, {".", ","});
    EXPECT_EQ(row, (calc::ResultRow{"1", "80", "80", "40", "60", "0.0", "1.0", "25.4", "low "}));

    TrainResult two{4, -1, -1, 8, 1.5 * 40 / 60, 25.4 / (1.5 * 40 / 60), -0.78125, {}};
    row = calc::ResultRowTexts(two, 17, g, {",", "."});
    EXPECT_EQ(row, (calc::ResultRow{"18", "40", "", "", "60", "-0,7813", "1,0", "25,4", ""}));
}

TEST(ResultTexts, ASmallRealErrorStillShowsItsSign) {
    GearSet g;
    TrainResult r{4, -1, -1, 8, 1.0, 25.4, -0.00001, {}};
    EXPECT_EQ(calc::ResultRowTexts(r, 0, g, {".", ","})[calc::ColumnOf(calc::ResultField::Error)], "-0.0");
    r.err = 0.0;
    EXPECT_EQ(calc::ResultRowTexts(r, 0, g, {".", ","})[calc::ColumnOf(calc::ResultField::Error)], "0.0");
}

TEST(ResultTexts, CsvLinesSeparateOnlyAfterANonEmptyStart) {
    EXPECT_EQ(calc::JoinCsvFields(calc::DefaultResultHeaders()), " ; A; B; C; D; +/- %; pitch, mm; tpi; comm");
    EXPECT_EQ(calc::JoinCsvFields(std::vector<std::string>{"18", "40", "", "", "60", "0.0", "1.0", "25.4", ""}),
              "18; 40; ; ; 60; 0.0; 1.0; 25.4; ");
    EXPECT_EQ(calc::JoinCsvFields(std::vector<std::string>{"", "", "x", "", "y"}), "x; ; y");
    EXPECT_EQ(calc::JoinCsvFields(std::vector<std::string>{"a; b", "c"}), "a; b; c");
    EXPECT_EQ(calc::JoinCsvFields(std::vector<std::string>{}), "");
}

TEST(ResultColumns, EveryFieldHasOneColumnAndIsWrittenOnce) {
    for (std::size_t c = 0; c < calc::kResultColumnCount; ++c) {
        const calc::ResultField field = calc::kResultColumns[c].field;
        EXPECT_EQ(calc::ColumnOf(field), c);
        EXPECT_EQ(std::count(calc::kCellWriteOrder.begin(), calc::kCellWriteOrder.end(), field), 1);
    }
    EXPECT_EQ(calc::ColumnOf(calc::ResultField::Marks), calc::kResultColumnCount - 1);
}

// The line written straight into a buffer is the line the cell texts make,
// also where a measure needs the general formatter.
TEST(ResultTexts, ResultLinesAreTheJoinedCellTexts) {
    GearSet g({20, 2147483647, -40, 0, 75});
    const runtime::NumberSeparators separators[] = {{".", ","}, {",", "."}, {"<decimal mark>", " "}};
    const TrainResult results[] = {
        {0, 1, 2, 4, 1.25, 25.4 / 1.25, -0.00001, calc::FitMarks(calc::FitMarks::BFoulsLeadscrew | calc::FitMarks::TooLow)},
        {4, -1, -1, 0, 1e300, 0, std::nan(""), {}},
        {2, -1, -1, 3, -std::numeric_limits<double>::infinity(), 0.00005, 999999999.99995, {}},
        {1, 2, 0, 3, 0.1 + 0.2, 1.0 / 3, 0, calc::FitMarks(calc::FitMarks::CFoulsShaftA)},
    };
    for (const auto& s : separators) {
        for (std::size_t i = 0; i < std::size(results); ++i) {
            std::string line = "kept ";
            calc::AppendResultLine(line, results[i], i * 1000003, g, s);
            EXPECT_EQ(line, "kept " + calc::JoinCsvFields(calc::ResultRowTexts(results[i], i * 1000003, g, s)) +
                                calc::kCsvLineEnd);
        }
    }
    std::string header;
    calc::AppendHeaderLine(header);
    EXPECT_EQ(header, calc::JoinCsvFields(calc::DefaultResultHeaders()) + calc::kCsvLineEnd);
}

// One writer for many lines keeps the text of each measure between lines;
// what it writes must still be each line's own text.
TEST(ResultTexts, AWriterOfManyLinesWritesEachLinesOwnText) {
    GearSet g;
    const TrainResult four{10, 11, 4, 8, 1.0, 25.4, 0.0, calc::FitMarks(calc::FitMarks::TooLow)};
    TrainResult other = four;
    other.err = -0.25;
    TrainResult odd = four;
    odd.pitch = std::nan("");
    odd.tpi = 1e300;
    TrainResult wide = four;  // measures whose texts together pass 64 bytes
    wide.err = wide.pitch = wide.tpi = 1e40;
    TrainResult halfway = four;  // a value the quick form cannot round for certain
    halfway.err = 0.00005;
    const TrainResult twoGear{3, -1, -1, 99, 2.0, 12.7, 100.0, {}};  // gear D in no slot of the set
    const TrainResult sequence[] = {four, four, other, four, odd, odd, four, other, other, wide, wide,
                                    halfway, halfway, twoGear, four};
    for (const runtime::NumberSeparators& s : {runtime::NumberSeparators{".", ","}, runtime::NumberSeparators{",", "."}}) {
        calc::ResultLineWriter writer(g, s);
        std::string written, expected;
        // Row numbers that carry into a new digit, and jumps back and ahead.
        const std::size_t rows[] = {0, 1, 8, 9, 10, 98, 99, 100, 4, 5, 999998, 999999, 1000000, 3, 99999997, 99999998, 99999999, 100000000, 7};
        for (std::size_t k = 0; k < std::size(rows); ++k) {
            const TrainResult& r = sequence[k % std::size(sequence)];
            writer.Append(written, r, rows[k]);
            expected += calc::JoinCsvFields(calc::ResultRowTexts(r, rows[k], g, s)) + calc::kCsvLineEnd;
        }
        EXPECT_EQ(written, expected);
    }
}

namespace {

// The line writer keeps its own copy of the separators, so one made for the
// call alone cannot go stale under it.
TEST(ResultLineWriterTest, SeparatorsGivenForTheCallAlone) {
    const calc::GearSet gears(std::vector<std::int32_t>{40, 40});
    calc::ResultLineWriter writer(gears, runtime::NumberSeparators{",", "."});
    calc::TrainResult train;
    train.a = 0;
    train.d = 1;
    train.pitch = 1.5;
    train.tpi = 25.4 / 1.5;
    std::string out;
    writer.Append(out, train, 0);
    writer.Append(out, train, 1);
    EXPECT_EQ(out, "1; 40; ; ; 40; 0,0; 1,5; 16,9333; \r\n2; 40; ; ; 40; 0,0; 1,5; 16,9333; \r\n");
}

}  // namespace
