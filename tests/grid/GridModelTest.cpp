#include "GridTestSupport.h"

#include "os/windows/Process.h"

#include <malloc.h>

#include <algorithm>
#include <string>
#include <vector>

using grid::VbGrid;
using runtime::Variant;

TEST(GridStructure, ColumnIsCheckedBeforeRow) {
    VbGrid g;
    Fill(g, 9, 0);
    RaisedError e = ErrorOf([&] { g.TextMatrix(0, 9); });
    EXPECT_EQ(e.number, 9);
    EXPECT_EQ(e.description, "Invalid Column Index");
    EXPECT_EQ(e.source, os::ExecutableName() + ".vbGrid");
    EXPECT_EQ(ErrorOf([&] { g.TextMatrix(0, 8); }).description, "Invalid Row Index");
    EXPECT_EQ(ErrorOf([&] { g.SetTextMatrix(-1, 0, "x"); }).description, "Invalid Row Index");
}

TEST(GridStructure, RowsNeedColumns) {
    VbGrid g;
    RaisedError e = ErrorOf([&] { g.SetRows(5); });
    EXPECT_EQ(e.number, 9);
    EXPECT_EQ(e.description, "Attempt to add rows with no columns.");
    EXPECT_EQ(g.Rows(), 0);

    Fill(g, 2, 3);
    g.SetRows(0);  // the same as Clear
    EXPECT_EQ(g.Rows(), 0);
    EXPECT_EQ(g.Cols(), 2);
    g.SetRows(-4);
    EXPECT_EQ(g.Rows(), 0);
}

TEST(GridStructure, GrowingAndShrinkingRowsKeepsCells) {
    VbGrid g;
    Fill(g, 2, 3);
    g.SetCellForeColor(1, 1, 0x1E0000);
    g.SetRows(5);
    EXPECT_EQ(g.Rows(), 5);
    EXPECT_EQ(g.TextMatrix(2, 1), "2,1");
    EXPECT_EQ(g.CellForeColor(1, 1), 0x1E0000);
    EXPECT_EQ(g.TextMatrix(4, 0), "");
    EXPECT_EQ(g.CellForeColor(4, 0), -1);
    EXPECT_EQ(g.RowHeight(3), g.DefaultRowHeight());
    EXPECT_EQ(g.RowAt(4).top, g.RowAt(3).top + g.RowAt(3).height);
    g.SetRows(3);
    EXPECT_EQ(g.Rows(), 3);
    EXPECT_EQ(g.TextMatrix(2, 0), "2,0");
    EXPECT_EQ(ErrorOf([&] { g.TextMatrix(3, 0); }).description, "Invalid Row Index");
}

TEST(GridStructure, DuplicateKeysAreRefused) {
    VbGrid g;
    g.AddColumn("a");
    g.AddColumn("");
    g.AddColumn("");  // two empty keys are fine
    RaisedError e = ErrorOf([&] { g.AddColumn("a"); });
    EXPECT_EQ(e.number, 457);
    EXPECT_EQ(e.description, runtime::StandardErrorText(457));
    EXPECT_EQ(g.Cols(), 3);
}

TEST(GridStructure, AddItemSplitsAtTabs) {
    VbGrid g;
    Fill(g, 3, 1);
    g.AddItem("x\ty");
    EXPECT_EQ(g.Rows(), 2);
    EXPECT_EQ(g.TextMatrix(1, 0), "x");
    EXPECT_EQ(g.TextMatrix(1, 1), "y");
    EXPECT_TRUE(g.CellText(1, 2).IsEmpty());
    g.AddItem("a\tb\tc");
    EXPECT_EQ(g.TextMatrix(2, 2), "c");
    EXPECT_EQ(ErrorOf([&] { g.AddItem("1\t2\t3\t4"); }).number, 9);
    EXPECT_EQ(g.Rows(), 3);  // a failed member changes nothing
}

TEST(GridStructure, DefaultRowHeightSpreadsToEveryRow) {
    VbGrid g;
    Fill(g, 1, 10);
    g.SetDefaultRowHeight(300);
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(g.RowHeight(r), 300);
        EXPECT_EQ(g.RowAt(r).height, 20);
        EXPECT_EQ(g.RowAt(r).top, 20 * r);
    }
    EXPECT_EQ(g.RowHeightMin(), 300);
    g.SetLoading(true);
    g.SetRowHeightMin(450);  // while loading, existing rows keep their height
    EXPECT_EQ(g.RowHeight(0), 300);
    EXPECT_EQ(g.DefaultRowHeight(), 450);
}

TEST(GridStructure, ColWidthWithoutColumnMeansTheCurrentOne) {
    VbGrid g;
    Fill(g, 3, 2);
    g.SetCol(1);
    g.SetColWidth({}, 1500);
    EXPECT_EQ(g.ColWidth(Variant(std::int32_t{1})), 1500);
    EXPECT_EQ(g.ColumnAt(1).width, 100);
    EXPECT_EQ(g.ColWidth(), 1500);
    EXPECT_EQ(g.ColumnAt(2).left, 64 + 100);
    RaisedError e = ErrorOf([&] { g.SetColWidth(Variant("nokey"), 10); });
    EXPECT_EQ(e.description, "Invalid Column Index");
    g.SetColWidth(Variant(std::int32_t{5}), 150);  // beyond the table: columns are added
    EXPECT_EQ(g.Cols(), 6);
    EXPECT_EQ(g.ColumnAt(5).width, 10);
}

TEST(GridStructure, CellForeColorOnTheCurrentCell) {
    VbGrid g;
    Fill(g, 3, 3);
    g.SetRow(2);
    g.SetCol(1);
    g.SetCellForeColor(-1, -1, 0x1E0000);
    EXPECT_EQ(g.CellForeColor(2, 1), 0x1E0000);
    EXPECT_EQ(g.CellForeColor(), 0x1E0000);
    EXPECT_EQ(g.CellForeColor(0, 0), -1);
    g.CellDefaultForeColor(2, 1);
    EXPECT_EQ(g.CellForeColor(2, 1), -1);
    g.SetCellBackColor(0, 0, 0xFF);
    EXPECT_EQ(g.CellBackColor(0, 0), 0xFF);
}

TEST(GridStructure, RemovingAndReorderingKeepCellsWithTheirColumn) {
    VbGrid g;
    Fill(g, 4, 2);
    g.SetColumnOrder(Variant(std::int32_t{0}), 3);  // data index 0 now shown last
    EXPECT_EQ(g.ColumnOrder(Variant(std::int32_t{0})), 3);
    EXPECT_EQ(g.ColumnHeader(Variant(std::int32_t{0})), "h0");
    EXPECT_EQ(g.ColumnAt(0).headerText, "h1");
    EXPECT_EQ(g.TextMatrix(1, 0), "1,0");

    g.RemoveColumn(Variant(std::int32_t{1}));  // data index 1
    EXPECT_EQ(g.Cols(), 3);
    // Later data indices move down by one, their cells with them.
    EXPECT_EQ(g.TextMatrix(1, 0), "1,0");
    EXPECT_EQ(g.TextMatrix(1, 1), "1,2");
    EXPECT_EQ(g.TextMatrix(0, 2), "0,3");
    EXPECT_EQ(g.ColumnHeader(Variant(std::int32_t{1})), "h2");

    // Inserting before a column (data index 1, shown first) gives the new
    // column the data index of its position; the others move up with their cells.
    g.AddColumn("new", "hn", -1, -1, -1, true, false, Variant(std::int32_t{1}));
    EXPECT_EQ(g.Cols(), 4);
    EXPECT_EQ(g.TextMatrix(1, 0), "");
    EXPECT_EQ(g.TextMatrix(1, 1), "1,0");
    EXPECT_EQ(g.TextMatrix(1, 2), "1,2");
    EXPECT_EQ(g.TextMatrix(1, 3), "1,3");
    EXPECT_EQ(g.ColumnHeader(Variant(std::int32_t{1})), "h0");
    EXPECT_EQ(g.ColumnHeader(Variant("new")), "hn");
    EXPECT_EQ(g.ColumnIndex(Variant("new")).ToLong(), 0);

    while (g.Cols() > 0) g.RemoveColumn(Variant(std::int32_t{0}));
    EXPECT_EQ(g.Rows(), 0);
}

TEST(GridStructure, ColsDownByOneRemovesTheLastColumn) {
    VbGrid g;
    Fill(g, 3, 2);
    g.SetCols(2);
    EXPECT_EQ(g.Cols(), 2);
    EXPECT_EQ(g.TextMatrix(1, 1), "1,1");
    g.SetCols(4);
    EXPECT_EQ(g.Cols(), 4);
    EXPECT_EQ(g.TextMatrix(1, 3), "");
    EXPECT_EQ(g.ColumnAt(3).width, 64);
}

TEST(GridStructure, FewerColsKeepTheRows) {
    VbGrid g;
    Fill(g, 3, 4);
    g.SetCols(1);
    EXPECT_EQ(g.Rows(), 4);
    EXPECT_EQ(g.TextMatrix(3, 0), "3,0");
    g.SetCols(0);  // no columns, but the rows stay
    EXPECT_EQ(g.Cols(), 0);
    EXPECT_EQ(g.Rows(), 4);
    EXPECT_EQ(ErrorOf([&] { g.TextMatrix(0, 0); }).description, "Invalid Column Index");
    g.SetCols(2);  // columns come back with fresh cells in every row
    EXPECT_EQ(g.Rows(), 4);
    EXPECT_EQ(g.TextMatrix(3, 1), "");
    g.SetTextMatrix(3, 1, "x");
    EXPECT_EQ(g.TextMatrix(3, 1), "x");
    g.RemoveColumn(Variant(std::int32_t{0}));
    g.RemoveColumn(Variant(std::int32_t{0}));  // removing the last column by name empties the table
    EXPECT_EQ(g.Rows(), 0);
}

TEST(GridStructure, ClearKeepsOrRemovesColumns) {
    VbGrid g;
    Fill(g, 2, 4);
    g.SetFixedRows(1);
    g.SetRow(3);
    g.Clear();
    EXPECT_EQ(g.Cols(), 2);
    EXPECT_EQ(g.Rows(), 1);  // the fixed row stays
    EXPECT_EQ(g.TextMatrix(0, 1), "0,1");
    EXPECT_EQ(g.row(), 0);
    g.Clear(true);
    EXPECT_EQ(g.Cols(), 0);
    EXPECT_EQ(g.Rows(), 0);
    EXPECT_EQ(g.FixedRows(), 0);
    EXPECT_EQ(g.RowTextStartColumn(), -1);
}

TEST(GridStructure, InsertingAndRemovingRows) {
    VbGrid g;
    Fill(g, 2, 3);
    g.AddRow(1, "mid", true, 450);
    EXPECT_EQ(g.Rows(), 4);
    EXPECT_EQ(g.TextMatrix(1, 0), "");
    EXPECT_EQ(g.TextMatrix(2, 0), "1,0");
    EXPECT_EQ(g.RowHeight(1), 450);
    EXPECT_EQ(g.RowAt(2).top, 16 + 30);
    g.RemoveRow(1);
    EXPECT_EQ(g.TextMatrix(1, 0), "1,0");
    EXPECT_EQ(g.RowAt(2).top, 32);
    g.RemoveRow(2);
    EXPECT_EQ(g.Rows(), 2);
    EXPECT_EQ(ErrorOf([&] { g.RemoveRow(5); }).description, "Invalid Row Index");
    g.RemoveRow(0);
    g.RemoveRow(0);
    EXPECT_EQ(g.Rows(), 0);
}

// A row's tag and bookmark move with it when rows come or go above it; a
// row that takes the place of a removed one starts without.
TEST(GridStructure, RowTagsAndBookmarksFollowTheirRows) {
    struct Case {
        const char* name;
        std::function<void(VbGrid&)> change;
        std::vector<std::int32_t> tags;  // by row, after the change
        std::vector<std::string> bookmarks;
    };
    const std::vector<Case> cases = {
        {"nothing", [](VbGrid&) {}, {0, 11, 0, 13}, {"", "b", "", "d"}},
        {"a row inserted above", [](VbGrid& g) { g.AddRow(1); }, {0, 0, 11, 0, 13}, {"", "", "b", "", "d"}},
        {"a row removed above", [](VbGrid& g) { g.RemoveRow(0); }, {11, 0, 13}, {"b", "", "d"}},
        {"the row removed, a new one tagged",
         [](VbGrid& g) {
             g.RemoveRow(1);
             g.AddRow();
             g.SetRowTag(3, 14);
         },
         {0, 0, 13, 14},
         {"", "", "d", ""}},
        {"fewer rows, then more",
         [](VbGrid& g) {
             g.SetRows(2);
             g.SetRows(4);
         },
         {0, 11, 0, 0},
         {"", "b", "", ""}},
        {"cleared, then rows again",
         [](VbGrid& g) {
             g.Clear(false);
             g.SetRows(2);
             g.SetRowTag(1, 15);
         },
         {0, 15},
         {"", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VbGrid g;
        Fill(g, 2, 4);
        g.SetRowTag(1, 11);
        g.SetBookmark(1, "b");
        g.SetRowTag(3, 13);
        g.SetBookmark(3, "d");
        c.change(g);
        ASSERT_EQ(g.Rows(), static_cast<std::int32_t>(c.tags.size()));
        for (std::int32_t r = 0; r < g.Rows(); ++r) {
            EXPECT_EQ(g.RowTag(r), c.tags[static_cast<std::size_t>(r)]) << r;
            EXPECT_EQ(g.Bookmark(r), c.bookmarks[static_cast<std::size_t>(r)]) << r;
        }
    }
}

// Rows that move in a long grid take their cells along, across every
// boundary of the grid's storage, and rows that come anew are empty.
TEST(GridStructure, CellsFollowTheirRowsOverLongGrids) {
    using Texts = std::vector<std::string>;
    const auto insert = [](std::int32_t before) {
        return [before](VbGrid& g, Texts& texts) {
            g.AddRow(before);
            texts.insert(texts.begin() + before, "");
        };
    };
    const auto remove = [](std::int32_t row) {
        return [row](VbGrid& g, Texts& texts) {
            g.RemoveRow(row);
            texts.erase(texts.begin() + row);
        };
    };
    struct Case {
        const char* name;
        std::function<void(VbGrid&, Texts&)> change;
    };
    const std::vector<Case> cases = {
        {"inserted at the top", insert(0)},
        {"inserted before row 1023", insert(1023)},
        {"inserted before row 1024", insert(1024)},
        {"inserted before the last row", insert(4999)},
        {"removed at the top", remove(0)},
        {"removed row 1023", remove(1023)},
        {"removed row 1024", remove(1024)},
        {"removed the last row", remove(4999)},
        {"fewer rows, then more",
         [](VbGrid& g, Texts& texts) {
             g.SetRows(1500);
             g.SetRows(5000);
             std::fill(texts.begin() + 1500, texts.end(), "");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VbGrid g;
        g.AddColumn();
        g.AddColumn();
        g.SetRows(5000);
        Texts texts(5000);
        for (std::int32_t r : {0, 1, 1022, 1023, 1024, 1025, 2047, 2048, 3071, 4096, 4999}) {
            texts[static_cast<std::size_t>(r)] = "r" + std::to_string(r);
            g.SetTextMatrix(r, 1, texts[static_cast<std::size_t>(r)]);
        }
        c.change(g, texts);
        ASSERT_EQ(g.Rows(), static_cast<std::int32_t>(texts.size()));
        for (std::int32_t r = 0; r < g.Rows(); ++r) ASSERT_EQ(g.TextMatrix(r, 1), texts[static_cast<std::size_t>(r)]) << r;
    }
}

namespace {

std::int64_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<std::int64_t>(info.uordblks + info.hblkhd);
}

}  // namespace

// A grid over a host's table keeps nothing per row while its rows are
// alike, and only the rows that differ when some do.
TEST(GridStructure, AHostTableCostsNoMemoryPerRow) {
    struct Case {
        const char* name;
        std::function<void(VbGrid&)> change;
        std::int32_t scrollingHeight;
    };
    constexpr std::int32_t kRows = 2000000;
    const std::vector<Case> cases = {
        {"as shown", [](VbGrid&) {}, kRows * 16},
        {"rows hidden, taller, tagged and selected",
         [](VbGrid& g) {
             g.SetRowVisible(10, false);
             g.SetRowVisible(kRows - 1, false);
             g.SetRowHeight(20, 450);
             g.SetRowTag(30, 5);
             g.SetBookmark(kRows - 2, "far");
             g.SetCellSelected(kRows / 2, 1, true);
         },
         kRows * 16 - 32 + 14},
        {"fixed rows", [](VbGrid& g) { g.SetFixedRows(2); }, kRows * 16 - 32},
        {"rows inserted and removed",
         [](VbGrid& g) {
             g.AddRow(5, "new", true, 450);
             g.RemoveRow(100);
             g.RemoveRow(g.Rows() - 1);
         },
         kRows * 16 + 14 - 16},
    };
    const NumberedTable table(kRows);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VbGrid g;
        for (int col = 0; col < 9; ++col) g.AddColumn();
        const std::int64_t before = HeapInUse();
        g.ShowTable(&table);
        c.change(g);
        const std::int64_t grown = HeapInUse() - before;
        EXPECT_LT(static_cast<double>(grown) / kRows, 0.5);
        EXPECT_EQ(g.ScrollableHeight(), c.scrollingHeight);
        EXPECT_EQ(g.TextMatrix(kRows - 3, 1), std::to_string(kRows - 2));
    }
}

TEST(GridStructure, ColumnArguments) {
    VbGrid g;
    g.AddColumn("Key");
    g.AddColumn("key");
    EXPECT_EQ(g.ResolveColumn(Variant("key")), 1);  // keys are case-sensitive
    EXPECT_EQ(g.ResolveColumn(Variant("KEY")), -1);
    EXPECT_EQ(g.ResolveColumn(Variant(1.0)), 1);
    g.SetCol(1);
    EXPECT_EQ(g.ResolveColumn(Variant()), 1);
    EXPECT_EQ(g.ResolveColumn(Variant("")), 1);
    EXPECT_EQ(ErrorOf([&] { g.ColumnIndex(Variant("none")); }).description, runtime::StandardErrorText(9));
    EXPECT_EQ(ErrorOf([&] { g.ColumnTag(Variant("none")); }).number, 9);
    g.SetColumnHeader(Variant("none"), "ignored");
    EXPECT_EQ(g.ColumnHeader(Variant("none")), "");
    EXPECT_FALSE(g.ColumnVisible(Variant("none")));
    EXPECT_EQ(ErrorOf([&] { g.SetColumnKey(0, "key"); }).number, 457);
}

TEST(GridUnits, TwipsOutsidePixelsInside) {
    VbGrid g;
    g.AddColumn("", "", -1, -1, 1000);  // 66.67 pixels
    EXPECT_EQ(g.ColumnAt(0).width, 67);
    EXPECT_EQ(g.ColWidth(Variant(std::int32_t{0})), 1005);
    g.AddRow(-1, "", true, 247);  // 16.47 pixels
    EXPECT_EQ(g.RowAt(0).height, 16);
    g.SetHeaderHeight(300);
    EXPECT_EQ(g.HeaderHeightPixels(), 0);  // a hidden header takes no room
    g.SetHeader(true);
    EXPECT_EQ(g.HeaderHeightPixels(), 20);
    EXPECT_EQ(g.HeaderHeight(), 300);
}

TEST(GridAppearance, ColoursAreKeptAsSetAndTranslated) {
    VbGrid g;
    EXPECT_EQ(g.GridColor(), static_cast<std::int32_t>(0x8000000F));
    EXPECT_EQ(g.BackColorSel(), static_cast<std::int32_t>(0x8000000D));
    EXPECT_EQ(g.GridColorFixed(), 0);
    g.SetBackColor(0x00FF00);
    EXPECT_EQ(g.BackColor(), 0x00FF00);
    EXPECT_EQ(g.Look().back.rgb, 0x00FF00);
    g.SetBackColorBkg(static_cast<std::int32_t>(0x80000005));
    EXPECT_EQ(g.Look().backBkg.rgb, 0xFFFFFF);
    g.SetForeColor(static_cast<std::int32_t>(0x40000000));
    EXPECT_EQ(g.Look().fore.rgb, -1);
}

TEST(GridAppearance, ImageListTakesAHandleOrAnObject) {
    VbGrid g;
    g.SetImageList(Variant(std::int32_t{1234}));
    EXPECT_EQ(g.ImageListHandle(), 1234);
    // Only an object or a 32-bit handle will do; a smaller integer is refused too.
    const Variant wrongs[] = {Variant("list"), Variant(std::int16_t{5}), Variant(std::uint8_t{5}),
                              Variant(5.0),    Variant(true),            Variant()};
    for (const Variant& wrong : wrongs) {
        SCOPED_TRACE(static_cast<int>(wrong.GetType()));
        RaisedError e = ErrorOf([&] { g.SetImageList(wrong); });
        EXPECT_EQ(e.number, -2147220455);
        EXPECT_EQ(e.description, "ImageList property expects ImageList object or long hImageList handle.");
        EXPECT_EQ(g.ImageListHandle(), 1234);
    }
    struct ImageListObject : runtime::VariantObject {
        Variant Value() const override { return Variant(std::int32_t{99}); }
    };
    g.SetImageList(Variant(runtime::ObjectRef(std::make_shared<ImageListObject>())));
    EXPECT_EQ(g.ImageListHandle(), 99);
    g.SetImageList(Variant(runtime::ObjectRef()));  // handle 0: nothing changes
    EXPECT_EQ(g.ImageListHandle(), 99);
}
