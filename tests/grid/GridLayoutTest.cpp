#include "GridTestSupport.h"

#include "grid/core/GridLayout.h"

using grid::GridLayout;
using grid::VbGrid;
using runtime::Variant;

namespace {
// 5 columns of 64 pixels and 40 rows of 16 in a 300 x 200 window.
struct LaidOutGrid : ::testing::Test {
    RecordingCanvas canvas;
    VbGrid g{&canvas};
    void SetUp() override { Fill(g, 5, 40); }
};
}  // namespace

TEST_F(LaidOutGrid, ColumnEdgesAndFixedWidth) {
    g.SetFixedCols(1);
    g.SetColumnVisible(Variant(std::int32_t{2}), false);
    std::vector<std::int32_t> lefts;
    for (int p = 0; p < g.Cols(); ++p) lefts.push_back(g.ColumnAt(p).left);
    EXPECT_EQ(lefts, (std::vector<std::int32_t>{0, 64, 128, 128, 192}));
    EXPECT_EQ(g.FixedWidth(), 64);
}

TEST_F(LaidOutGrid, VisibleRangeFollowsTheScrollOffsets) {
    GridLayout layout(g);
    grid::VisibleRange range = layout.Visible();
    EXPECT_EQ(range.firstRow, 0);
    EXPECT_EQ(range.lastRow, 12);  // 200 / 16 = 12.5: row 12 is cut off and still counts
    EXPECT_EQ(range.firstCol, 0);
    EXPECT_EQ(range.lastCol, 4);   // column 4 starts at 256, inside 300
    EXPECT_EQ(g.ScreenRows(), 13);

    g.SetScrollOffsets(70, 40);    // 40 pixels down: rows 0 and 1 are gone, row 2 half shown
    range = GridLayout(g).Visible();
    EXPECT_EQ(range.firstRow, 2);
    EXPECT_EQ(range.firstRowOffset, -8);
    EXPECT_EQ(range.firstCol, 1);  // column 0 ends at 64, left of 70
    EXPECT_EQ(range.firstColOffset, -6);
    EXPECT_EQ(g.ColPos(1), -6);
    EXPECT_FALSE(g.ColIsVisible(0));
    EXPECT_TRUE(g.ColIsVisible(4));
}

TEST_F(LaidOutGrid, FixedRowsAndTheHeaderSitAboveTheScrollingRows) {
    g.SetFixedRows(1);
    g.SetHeader(true);
    g.SetHeaderHeight(300);  // 20 pixels
    g.SetScrollOffsets(0, 32);
    std::int32_t left, top, width, height;
    g.CellBoundary(0, 0, left, top, width, height, false);
    EXPECT_EQ(top, 20);  // the fixed row never scrolls
    g.CellBoundary(3, 1, left, top, width, height, false);
    EXPECT_EQ(left, 64);
    EXPECT_EQ(top, 20 + 16 + 32 - 32);  // row 3 is the third scrolling row
    EXPECT_EQ(height, 16);
    g.CellBoundary(3, 1, left, top, width, height);
    EXPECT_EQ(left, 960);
    EXPECT_EQ(width, 960);

    std::int32_t row, col;
    g.CellFromPoint(70, 25, row, col);
    EXPECT_EQ(row, 0);
    EXPECT_EQ(col, 1);
    g.CellFromPoint(130, 40, row, col);
    EXPECT_EQ(row, 3);
    EXPECT_EQ(col, 2);
    g.CellFromPoint(10, 5, row, col);  // on the header
    EXPECT_EQ(row, -1);
    g.CellFromPoint(400, 40, row, col);  // right of the last column
    EXPECT_EQ(col, -1);
}

TEST_F(LaidOutGrid, ManyRowsAreFoundByTheirTops) {
    g.SetRows(200000);
    g.SetScrollOffsets(0, 16 * 150000 + 3);
    grid::VisibleRange range = GridLayout(g).Visible();
    EXPECT_EQ(range.firstRow, 150000);
    EXPECT_EQ(range.lastRow, 150012);  // its bottom, 16 * 13 - 3, is below the window
}

TEST_F(LaidOutGrid, HiddenRowsTakeNoSpace) {
    g.SetRowVisible(1, false);
    EXPECT_EQ(g.RowAt(2).top, 16);
    std::int32_t row, col;
    g.CellFromPoint(5, 20, row, col);
    EXPECT_EQ(row, 2);
}

TEST(GridSearch, TypeAheadFindsTheNextMatchingRow) {
    VbGrid g;
    g.AddColumn();
    for (const char* text : {"apple", "Banana", "avocado", "", "APRICOT"}) g.AddItem(text);
    g.SetKeySearchColumn(0);
    EXPECT_EQ(g.FindSearchMatchRow("a"), 2);      // after the current row 0
    EXPECT_EQ(g.FindSearchMatchRow("ap"), 4);
    EXPECT_EQ(g.FindSearchMatchRow("APP"), 0);    // wraps round
    EXPECT_EQ(g.FindSearchMatchRow("app", false), -1);
    EXPECT_EQ(g.FindSearchMatchRow("cherry"), -1);
    g.SetRowVisible(2, false);
    EXPECT_EQ(g.FindSearchMatchRow("av"), -1);
    EXPECT_EQ(g.FindSearchMatchRow("av", true, false), 2);
    g.SetKeySearchColumn(3);
    EXPECT_EQ(g.FindSearchMatchRow("a"), -1);
}
