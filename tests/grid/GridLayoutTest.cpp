#include "GridTestSupport.h"

#include "grid/paint/GridLayout.h"

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
    GridLayout layout(g.Parts());
    grid::VisibleRange range = layout.Visible();
    EXPECT_EQ(range.firstRow, 0);
    EXPECT_EQ(range.lastRow, 12);  // 200 / 16 = 12.5: row 12 is cut off and still counts
    EXPECT_EQ(range.firstCol, 0);
    EXPECT_EQ(range.lastCol, 4);   // column 4 starts at 256, inside 300
    EXPECT_EQ(g.ScreenRows(), 13);

    g.ViewState().SetScrollOffsets(70, 40);    // 40 pixels down: rows 0 and 1 are gone, row 2 half shown
    range = GridLayout(g.Parts()).Visible();
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
    g.ViewState().SetScrollOffsets(0, 32);
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
    g.ViewState().SetScrollOffsets(0, 16 * 150000 + 3);
    grid::VisibleRange range = GridLayout(g.Parts()).Visible();
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

// Whatever changed, each row's top edge is the sum of the heights of the
// visible rows of its kind before it, and the fixed height and the
// scrolling height are the sums over all of them.
TEST(GridRowLayout, RowTopsAreTheSumsOfTheRowsBefore) {
    struct Case {
        const char* name;
        std::function<void(VbGrid&)> change;
        std::int32_t rows, fixedRows, fixedHeight;
    };
    const std::vector<Case> cases = {
        {"uniform rows", [](VbGrid&) {}, 40, 0, 0},
        {"a taller row", [](VbGrid& g) { g.SetRowHeight(3, 450); }, 40, 0, 0},
        {"hidden rows, one shown again",
         [](VbGrid& g) {
             for (int r : {2, 5, 6, 39}) g.SetRowVisible(r, false);
             g.SetRowVisible(6, true);
         },
         40, 0, 0},
        {"fixed rows, one taller and one hidden",
         [](VbGrid& g) {
             g.SetFixedRows(3);
             g.SetRowHeight(0, 300);
             g.SetRowVisible(1, false);
             g.SetRowHeight(10, 600);
         },
         40, 3, 20 + 16},
        {"a tall row inserted, then rows removed",
         [](VbGrid& g) {
             g.SetFixedRows(1);
             g.SetRowVisible(8, false);
             g.AddRow(4, "", true, 450);
             g.RemoveRow(2);
             g.RemoveRow(9);
         },
         39, 1, 16},
        {"the only fixed row removed",
         [](VbGrid& g) {
             g.SetFixedRows(1);
             g.RemoveRow(0);
         },
         39, 0, 0},
        {"every row fixed", [](VbGrid& g) { g.SetFixedRows(40); }, 40, 40, 40 * 16},
        {"a new default height over rows of their own",
         [](VbGrid& g) {
             g.SetRowHeight(3, 450);
             g.SetRowVisible(5, false);
             g.SetDefaultRowHeight(300);
         },
         40, 0, 0},
        {"rows added with heights and hidden",
         [](VbGrid& g) {
             g.AddRow(-1, "", true, 450);
             g.AddRow(-1, "", false, 600);
             g.AddRow(-1, "k");
             g.SetRowTag(7, 3);
         },
         43, 0, 0},
        {"rows grown while loading with another default",
         [](VbGrid& g) {
             g.SetLoading(true);
             g.SetDefaultRowHeight(300);
             g.SetRows(45);
             g.SetLoading(false);
         },
         45, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VbGrid g;
        Fill(g, 2, 40);
        c.change(g);
        ASSERT_EQ(g.Rows(), c.rows);
        std::int32_t sums[2] = {0, 0};  // scrolling, fixed
        for (std::int32_t r = 0; r < g.Rows(); ++r) {
            const grid::GridRow row = g.RowAt(r);
            EXPECT_EQ(row.fixed, r < c.fixedRows) << r;
            EXPECT_EQ(row.height, g.RowHeight(r) / 15) << r;
            EXPECT_EQ(row.visible, g.RowVisible(r)) << r;
            EXPECT_EQ(row.top, sums[row.fixed]) << r;
            if (row.visible) sums[row.fixed] += row.height;
        }
        EXPECT_EQ(g.FixedHeight(), c.fixedHeight);
        EXPECT_EQ(g.FixedHeight(), sums[1]);
        EXPECT_EQ(g.ScrollableHeight(), g.RowAt(g.Rows() - 1).fixed ? 0 : sums[0]);
    }
}

// A change of a row's height or visibility marks the rows whose top edge
// moved for repainting, and no others.
TEST(GridRowLayout, RowsThatMoveAreMarkedForRepainting) {
    struct Case {
        const char* name;
        std::function<void(VbGrid&)> change;
        std::vector<std::int32_t> dirty;  // among rows 0..7
    };
    const std::vector<Case> cases = {
        {"a scrolling row taller", [](VbGrid& g) { g.SetRowHeight(4, 450); }, {4, 5, 6, 7}},
        {"a fixed row taller", [](VbGrid& g) { g.SetRowHeight(0, 450); }, {0, 1}},
        {"a scrolling row hidden", [](VbGrid& g) { g.SetRowVisible(6, false); }, {6, 7}},
        {"a hidden row taller", [](VbGrid& g) {
             g.SetRowVisible(5, false);
             for (std::int32_t r = 0; r < 8; ++r) g.Painted().ClearRowDirty(r);
             g.SetRowHeight(5, 450);
         }, {5}},
        {"the same height again", [](VbGrid& g) { g.SetRowHeight(3, 240); }, {3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VbGrid g;
        Fill(g, 2, 8);
        g.SetFixedRows(2);
        for (std::int32_t r = 0; r < 8; ++r) g.Painted().ClearRowDirty(r);
        c.change(g);
        std::vector<std::int32_t> dirty;
        for (std::int32_t r = 0; r < 8; ++r)
            if (g.RowAt(r).dirty) dirty.push_back(r);
        EXPECT_EQ(dirty, c.dirty);
    }
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
