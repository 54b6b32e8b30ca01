#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <vector>

#include "ReferenceSort.h"
#include "calc/texts/ResultCellWriter.h"
#include "calc/texts/ResultTexts.h"
#include "calc/order/SortedResults.h"
#include "calc/order/SortedTrains.h"
#include "calc/search/TrainSearch.h"

using calc::GearSet;
using calc::TrainResult;

namespace {

// Few errors, marks and gears, so that many records tie; two-gear trains among them.
std::vector<TrainResult> TieHeavyList(std::mt19937& random, std::size_t size, const GearSet& gears) {
    std::vector<TrainResult> list;
    const int slots = static_cast<int>(gears.Counts().size());
    for (std::size_t i = 0; i < size; ++i) {
        TrainResult r;
        r.a = static_cast<int>(random() % 3);
        r.d = static_cast<int>(random() % static_cast<unsigned>(slots));
        if (random() % 4 != 0) {
            r.b = static_cast<int>(random() % 3);
            r.c = static_cast<int>(random() % 3);
            r.comm = calc::FitMarks(static_cast<std::uint8_t>(random() % 3 == 0 ? random() % 8 : 0));
        }
        r.err = (static_cast<int>(random() % 5) - 2) * 0.25;
        r.pitch = 1.0 + static_cast<double>(random() % 1000) / 997;
        r.tpi = 25.4 / r.pitch;
        list.push_back(r);
    }
    return list;
}

bool Same(const TrainResult& x, const TrainResult& y) {
    return x.a == y.a && x.b == y.b && x.c == y.c && x.d == y.d && x.err == y.err && x.pitch == y.pitch &&
           x.comm == y.comm;
}

}  // namespace

// The blocks, read one after another, hold exactly the order the record sort
// gives, whatever the block size, and each block can be given back alone.
TEST(SortedResults, BlocksFollowTheRecordSortAndReleaseOneByOne) {
    const GearSet gears;
    std::mt19937 random(42);
    for (std::size_t size : {0u, 1u, 20u, 21u, 500u, 5000u}) {
        for (std::size_t blockSize : {1u, 7u, 64u, 100000u}) {
            std::vector<TrainResult> list = TieHeavyList(random, size, gears);
            std::vector<TrainResult> expected = list;
            reference::QuickSort(expected, 0, -1, gears);
            calc::SortedResults sorted(std::move(list), gears, blockSize);
            EXPECT_TRUE(list.empty());
            ASSERT_EQ(sorted.Size(), size);
            EXPECT_EQ(sorted.BlockCount(), (size + blockSize - 1) / blockSize);
            std::size_t i = 0;
            for (std::size_t k = 0; k < sorted.BlockCount(); ++k) {
                for (const TrainResult& r : sorted.Block(k)) {
                    ASSERT_TRUE(Same(r, expected[i])) << "size " << size << ", block size " << blockSize << ", row " << i;
                    ++i;
                }
                sorted.ReleaseBlock(k);
                EXPECT_TRUE(sorted.Block(k).empty());
            }
            EXPECT_EQ(i, size);
        }
    }
}

// The cell writer gives the texts ResultRowTexts gives, for runs of equal
// measures (kept texts), measures only the general formatter writes, both
// decimal marks, two-gear trains and slots outside the gear set.
TEST(ResultCellWriter, SameTextsAsTheCellTextsOneByOne) {
    const GearSet gears;
    std::mt19937 random(3);
    std::vector<TrainResult> list = TieHeavyList(random, 300, gears);
    list[5].err = 1e20;                                      // too large for the short way
    list[6].pitch = std::numeric_limits<double>::infinity();
    list[7].tpi = std::numeric_limits<double>::quiet_NaN();
    list[8].d = 500;                                         // outside the set: no teeth
    list[9].err = -0.00001;                                  // a real small error keeps its sign
    list[10] = list[9];
    for (const runtime::NumberSeparators& separators :
         {runtime::NumberSeparators{".", ","}, runtime::NumberSeparators{",", "."}}) {
        calc::ResultCellWriter writer(gears, separators);
        for (std::size_t i = 0; i < list.size(); ++i) {
            const calc::ResultRow expected = calc::ResultRowTexts(list[i], i * 1000, gears, separators);
            const calc::ResultCellWriter::Texts& texts = writer.Write(list[i], i * 1000);
            for (std::size_t c = 0; c < calc::kResultColumnCount; ++c)
                ASSERT_EQ(texts[c], expected[c]) << "row " << i << ", column " << c << ", mark " << separators.decimal;
        }
    }
}

namespace {

// Every row of SortedTrains against the records sorted by the record sort:
// read once in order, or by row from the last to the first.
void ExpectRowsOfTheRecordSort(const calc::SearchInputs& inputs, const GearSet& gears,
                               calc::SortedTrains::Holding holding, std::size_t blockSize, bool byRowBackwards) {
    std::vector<TrainResult> expected = calc::SearchTrains(inputs, gears);
    reference::QuickSort(expected, 0, -1, gears);
    calc::SortedTrains sorted(inputs, gears, holding, blockSize);
    ASSERT_EQ(sorted.Size(), expected.size());
    for (std::size_t n = 0; n < expected.size(); ++n) {
        const std::size_t i = byRowBackwards ? expected.size() - 1 - n : n;
        const TrainResult& row = byRowBackwards ? sorted.Row(i) : sorted.Next();
        const TrainResult& e = expected[i];
        // Slots may differ between gears of one count; the counts may not.
        ASSERT_TRUE(gears.Count(row.a) == gears.Count(e.a) && gears.Count(row.b) == gears.Count(e.b) &&
                    gears.Count(row.c) == gears.Count(e.c) && gears.Count(row.d) == gears.Count(e.d) &&
                    row.err == e.err && row.pitch == e.pitch && row.tpi == e.tpi && row.comm == e.comm)
            << "row " << i << ", block size " << blockSize;
    }
}

}  // namespace

// Packed or held as records in blocks of any size, read in order or by row,
// the rows come out in the record sort's order with the record's very values.
TEST(SortedTrains, RowsInTheRecordSortsOrderPackedOrNot) {
    using Holding = calc::SortedTrains::Holding;
    calc::SearchInputs inputs;
    inputs.request = 1.25;
    inputs.tolerance = 2;
    inputs.includeLow = inputs.includeIntersecting = true;
    std::vector<std::int32_t> fiftySix;
    for (std::int32_t teeth = 20; teeth <= 75; ++teeth) fiftySix.push_back(teeth);
    for (const GearSet& gears : {GearSet(), GearSet(fiftySix)}) {
        for (bool byRow : {false, true}) {
            ExpectRowsOfTheRecordSort(inputs, gears, Holding::Packed, 1, byRow);
            for (std::size_t blockSize : {1u, 1000u, 1u << 20})
                ExpectRowsOfTheRecordSort(inputs, gears, Holding::Records, blockSize, byRow);
        }
    }
}
