// The grid painting itself on a real (offscreen) window.
#include <gtest/gtest.h>

#include "GridTestSupport.h"

#include <functional>
#include <string>
#include <vector>

#include "grid/paint/DrawPass.h"
#include "grid/control/GridControl.h"
#include "grid/model/GridTable.h"
#include "grid/input/GridToolTip.h"
#include "os/drawing/DeviceContext.h"
#include "os/drawing/Drawing.h"
#include "os/desktop/EventLoop.h"
#include "os/drawing/GdiObjects.h"
#include "os/painting/Painting.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"
#include "os/testing/OffscreenApplication.h"

using grid::GridControl;
using grid::VbGrid;

namespace {

constexpr os::COLORREF kRed = os::RGB(255, 0, 0);
constexpr os::COLORREF kWhite = os::RGB(255, 255, 255);
constexpr os::COLORREF kBlue = os::RGB(0, 0, 255);

// A 300 x 200 grid window on a top-level window, 4 columns of 64 and
// 5 rows of 16 pixels, white cells, no lines.
class RenderedGrid : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = os::CreateWidgetWindow("form", 0, {0, 0, 320, 240});
        control_ = std::make_unique<GridControl>(parent_, os::RECT{0, 0, 300, 200});
        os::ShowWindow(parent_, os::SW_SHOW);
        VbGrid& g = Grid();
        g.SetBackColor(static_cast<std::int32_t>(kWhite));
        g.SetBackColorBkg(static_cast<std::int32_t>(kBlue));
        g.SetGridColor(static_cast<std::int32_t>(kRed));
        for (int c = 0; c < 4; ++c) g.AddColumn();
        for (int r = 0; r < 5; ++r) {
            g.AddRow();
            for (int c = 0; c < 4; ++c) g.SetTextMatrix(r, c, "");
        }
        Settle();
    }
    void TearDown() override {
        control_.reset();
        os::DestroyWindow(parent_);
    }

    VbGrid& Grid() { return control_->Grid(); }
    grid::GridRenderer& Renderer() { return control_->Renderer(); }
    void Settle() { os::ProcessEventsUntil([] { return false; }, 60); }
    os::COLORREF Pixel(int x, int y) {
        const os::HDC dc = os::GetDC(control_->Window());
        const os::COLORREF colour = os::GetPixel(dc, x, y);
        os::ReleaseDC(control_->Window(), dc);
        return colour;
    }

    // Some pixel of the dotted frame's left side at x (the dots leave gaps).
    bool Marked(int x) {
        for (int y = 18; y < 24; ++y)
            if (Pixel(x, y) != kWhite) return true;
        return false;
    }

    os::HWND parent_ = 0;
    std::unique_ptr<GridControl> control_;
};

}  // namespace

TEST_F(RenderedGrid, BelowTheLastRowIsTheBackgroundStrip) {
    EXPECT_EQ(Pixel(10, 5 * 16 + 10), kBlue);
    EXPECT_EQ(Pixel(10, 5), kWhite);
    EXPECT_EQ(Pixel(290, 5), kWhite);  // right of the last column: the grid's background
    EXPECT_EQ(Grid().TopRow(), 0);
}

TEST_F(RenderedGrid, GridLinesByStyle) {
    struct Case { std::int32_t lines; bool vertical, horizontal; };
    for (Case c : {Case{0, false, false}, Case{1, true, false}, Case{2, false, true}, Case{3, true, true}}) {
        Grid().SetGridLines(c.lines);
        Grid().Refresh();
        // Cell (1, 1) spans x 64..127, y 16..31: its lines lie at x 126 and y 30.
        EXPECT_EQ(Pixel(126, 22) == kRed, c.vertical) << c.lines;
        EXPECT_EQ(Pixel(90, 30) == kRed, c.horizontal) << c.lines;
    }
}

TEST_F(RenderedGrid, FocusRectangleSingleDoubleOrNone) {
    VbGrid& g = Grid();
    g.SetGridLines(0);
    g.ViewState().SetHasFocus(true);
    g.SetRow(1);
    g.SetCol(1);
    // The text rectangle of cell (1, 1) is 65..126 x 17..30; the focus frame
    // lies one pixel outside it, a second one a pixel further out.
    struct Case { std::int32_t focus; bool inner, outer; };
    for (Case c : {Case{0, false, false}, Case{1, true, false}, Case{2, true, true}}) {
        g.SetFocusRect(c.focus);
        g.Refresh();
        EXPECT_EQ(Marked(64), c.inner) << c.focus;
        EXPECT_EQ(Marked(63), c.outer) << c.focus;
    }
}

TEST_F(RenderedGrid, CellBackColourAndText) {
    VbGrid& g = Grid();
    g.SetCellBackColor(2, 2, static_cast<std::int32_t>(os::RGB(0, 255, 0)));
    g.SetTextMatrix(0, 0, "WWWW");
    Settle();
    EXPECT_EQ(Pixel(128 + 30, 32 + 8), os::RGB(0, 255, 0));
    bool ink = false;
    for (int x = 1; x < 60 && !ink; ++x)
        for (int y = 1; y < 15 && !ink; ++y) ink = Pixel(x, y) != kWhite;
    EXPECT_TRUE(ink);
}

TEST_F(RenderedGrid, ADisabledGridKeepsTheCellsOwnColours) {
    VbGrid& g = Grid();
    g.SetCellBackColor(2, 2, static_cast<std::int32_t>(os::RGB(0, 255, 0)));
    g.SetCellForeColor(0, 0, static_cast<std::int32_t>(kRed));
    g.SetTextMatrix(0, 0, "WWWW");
    g.SetTextMatrix(1, 0, "WWWW");
    g.SetEnabled(false);
    Settle();
    EXPECT_EQ(Pixel(128 + 30, 32 + 8), os::RGB(0, 255, 0));
    auto reddish = [&](int top) {
        for (int x = 1; x < 60; ++x)
            for (int y = top + 1; y < top + 15; ++y) {
                const os::COLORREF p = Pixel(x, y);
                if (os::GetRValue(p) > 150 && os::GetGValue(p) < 100 && os::GetBValue(p) < 100) return true;
            }
        return false;
    };
    EXPECT_TRUE(reddish(0));    // the cell's own text colour
    EXPECT_FALSE(reddish(16));  // a cell without one is drawn in the disabled grid's grey
}

TEST_F(RenderedGrid, FixedCellsDrawWithTheCellsElseTheColumnsTextFlags) {
    VbGrid& g = Grid();
    g.SetFixedRows(1);
    g.SetGridLines(0);
    g.SetColAlignment(runtime::Variant(std::int32_t{0}), grid::text_flags::Right);
    g.SetFixedAlignment(runtime::Variant(std::int32_t{0}), grid::text_flags::Left);  // the header's
    g.SetTextMatrix(0, 0, "W");
    Settle();
    const os::COLORREF face = Pixel(30, 1);
    auto inkBetween = [&](int from, int to) {
        for (int x = from; x < to; ++x)
            for (int y = 2; y < 13; ++y)
                if (Pixel(x, y) != face) return true;
        return false;
    };
    EXPECT_TRUE(inkBetween(40, 61));
    EXPECT_FALSE(inkBetween(2, 24));
    g.SetCellAlignment(0, 0, grid::text_flags::Left);
    Settle();
    EXPECT_TRUE(inkBetween(2, 24));
    EXPECT_FALSE(inkBetween(40, 61));
}

TEST_F(RenderedGrid, AChangedTextLeavesNoTraceOfTheOldOne) {
    VbGrid& g = Grid();
    for (bool delayed : {false, true}) {
        g.SetDelayedRedraw(delayed);
        g.SetTextMatrix(2, 1, "WWWWWWW");
        Settle();
        g.SetTextMatrix(2, 1, "");
        Settle();
        for (int x = 65; x < 127; ++x)
            for (int y = 33; y < 47; ++y) ASSERT_EQ(Pixel(x, y), kWhite) << delayed << " at " << x << ", " << y;
    }
}

TEST_F(RenderedGrid, DelayedRedrawCoalescesIntoOnePass) {
    VbGrid& g = Grid();
    const int before = Renderer().DrawPasses();
    g.SetDelayedRedraw(true);
    for (int i = 0; i < 100; ++i) g.SetTextMatrix(i % 5, i % 4, std::to_string(i));
    g.SetDelayedRedraw(false);
    EXPECT_EQ(Renderer().DrawPasses(), before);
    EXPECT_TRUE(Renderer().TimerRunning());
    os::ProcessEventsUntil([&] { return Renderer().DrawPasses() > before; }, 2000);
    Settle();
    EXPECT_EQ(Renderer().DrawPasses(), before + 1);
}

TEST_F(RenderedGrid, RedrawOffHoldsEverythingBack) {
    VbGrid& g = Grid();
    g.SetRedraw(false);
    const int before = Renderer().DrawPasses();
    g.SetBackColor(static_cast<std::int32_t>(kRed));
    g.SetTextMatrix(0, 0, "x");
    Settle();
    EXPECT_EQ(Renderer().DrawPasses(), before);
    EXPECT_EQ(Pixel(10, 40), kWhite);
    g.SetRedraw(true);
    Settle();
    EXPECT_EQ(Pixel(10, 40), kRed);
}

TEST_F(RenderedGrid, AWindowRepaintOfOneCellRedrawsOnlyThatCell) {
    // The focus cell is drawn on every pass (its focus frame must come off
    // again), so make it the cell under the repaint.
    Grid().SetRow(1);
    Grid().SetCol(1);
    Settle();
    const int cells = Renderer().CellsDrawn();
    const os::RECT small{70, 20, 80, 26};  // inside cell (1, 1)
    os::InvalidateRect(control_->Window(), &small, false);
    os::UpdateWindow(control_->Window());
    Settle();
    EXPECT_EQ(Renderer().CellsDrawn() - cells, 1);
}

TEST_F(RenderedGrid, DirectPaintingWithoutABuffer) {
    Renderer().RefuseBuffer();
    EXPECT_FALSE(Renderer().HasBuffer());
    Grid().SetCellBackColor(0, 0, static_cast<std::int32_t>(kRed));
    Grid().Refresh();
    EXPECT_EQ(Pixel(30, 8), kRed);
    EXPECT_EQ(Pixel(10, 5 * 16 + 10), kBlue);
}

TEST_F(RenderedGrid, AutoSizes) {
    VbGrid& g = Grid();
    g.AutoWidthColumn(runtime::Variant(std::int32_t{3}));  // empty cells
    EXPECT_EQ(g.ColumnAt(3).width, 26);
    g.SetTextMatrix(0, 2, "a rather long text in a cell");
    g.AutoWidthColumn(runtime::Variant(std::int32_t{2}));
    EXPECT_EQ(g.ColumnAt(2).width, g.EvaluateTextWidth(0, 2) + 4);
    EXPECT_GT(g.ColumnAt(2).width, 64);

    g.SetDefaultRowHeight(60);  // 4 pixels
    g.AutoHeightRow(1, 5);      // below 9 both: at least 8, plus 2
    EXPECT_EQ(g.RowAt(1).height, 10);
    g.SetWordWrap(-1, 1, true);
    g.SetColWidth(runtime::Variant(std::int32_t{0}), 40 * 15);
    g.SetTextMatrix(2, 1, "many words that wrap over several lines");
    g.SetCellTextFlags(2, 1, grid::text_flags::WordBreak);
    EXPECT_GT(g.EvaluateTextHeight(2, 1), g.EvaluateTextHeight(0, 2));
}

TEST_F(RenderedGrid, AutoResizeColumnsFillTheWidth) {
    VbGrid& g = Grid();
    g.SetColAutoResize(runtime::Variant(std::int32_t{1}), true);
    g.SetColAutoResize(runtime::Variant(std::int32_t{3}), true);
    EXPECT_EQ(g.ColumnAt(3).left + g.ColumnAt(3).width, 300);  // the 44 spare pixels are taken
    const std::int32_t first = g.ColumnAt(1).width, last = g.ColumnAt(3).width;
    os::MoveWindow(control_->Window(), 0, 0, 321, 200);  // 21 more: 10 each, the odd one to the first
    Settle();
    EXPECT_EQ(g.ColumnAt(1).width, first + 11);
    EXPECT_EQ(g.ColumnAt(3).width, last + 10);
    EXPECT_EQ(g.ColumnAt(3).left + g.ColumnAt(3).width, 321);
}

namespace {

// Three rows held by the host: "WWWW" in red at (1, 0), right-aligned texts
// in column 3, numbers elsewhere.
class HostTable : public grid::GridTable {
public:
    std::int32_t RowCount() const override { return 3; }
    std::string Text(std::int32_t row, std::int32_t col) const override {
        return row == 1 && col == 0 ? "WWWW" : std::to_string(row * 10 + col);
    }
    std::int32_t ForeColour(std::int32_t row, std::int32_t col) const override {
        return row == 1 && col == 0 ? static_cast<std::int32_t>(kRed) : -1;
    }
    std::int32_t TextFlags(std::int32_t, std::int32_t col) const override {
        return col == 3 ? grid::text_flags::Right | grid::text_flags::SingleLine : -1;
    }
};

}  // namespace

// A host's table is what the grid shows, measures, searches and tells in
// tooltips; writing a cell does not change it, a row added beyond it is
// empty, and clearing the rows goes back to the grid's own cells.
TEST_F(RenderedGrid, AHostsTableIsWhatTheGridShows) {
    VbGrid& g = Grid();
    const HostTable table;
    g.ShowTable(&table);
    Settle();
    ASSERT_EQ(g.Rows(), 3);
    EXPECT_EQ(g.TextMatrix(1, 0), "WWWW");
    EXPECT_EQ(g.TextMatrix(2, 3), "23");
    EXPECT_EQ(g.CellFormattedText(2, 3), "23");
    EXPECT_EQ(g.CellForeColor(1, 0), static_cast<std::int32_t>(kRed));
    EXPECT_EQ(g.CellForeColor(0, 0), -1);
    EXPECT_EQ(g.CellAlignment(0, 3), grid::text_flags::Right);
    bool red = false;
    for (int x = 1; x < 60 && !red; ++x)
        for (int y = 17; y < 31 && !red; ++y) red = Pixel(x, y) == kRed;
    EXPECT_TRUE(red);  // the table's text in the table's colour

    g.AutoWidthColumn(runtime::Variant(std::int32_t{0}));
    EXPECT_EQ(g.ColumnAt(0).width, g.EvaluateTextWidth(1, 0) + 4);
    g.SetColWidth(runtime::Variant(std::int32_t{0}), 10 * 15);
    EXPECT_EQ(grid::CellTipText(g.InputParts(), 1, 0), "WWWW");  // cut off: the tip shows it
    EXPECT_TRUE(g.Search(0, "ww"));
    EXPECT_EQ(g.row(), 1);

    g.SetTextMatrix(1, 0, "own");
    EXPECT_EQ(g.TextMatrix(1, 0), "WWWW");
    g.AddRow();  // beyond the table: empty
    EXPECT_EQ(g.TextMatrix(3, 0), "");
    EXPECT_EQ(g.CellForeColor(3, 0), -1);
    g.Clear(false);
    EXPECT_FALSE(&g.Table() == &table);
    g.AddRow();
    g.SetTextMatrix(0, 0, "own");
    EXPECT_EQ(g.TextMatrix(0, 0), "own");
    EXPECT_EQ(g.Table().Text(0, 0), "own");
}

// Over a long host's table the grid makes cells only for the rows it drew
// or selected, whatever walks over every row.
TEST_F(RenderedGrid, ALongHostTableGetsCellsOnlyWhereTouched) {
    struct Case {
        const char* name;
        std::function<void(VbGrid&)> change;
        std::int32_t touchedRow;  // besides the rows on screen
    };
    const std::vector<Case> cases = {
        {"painted", [](VbGrid&) {}, 0},
        {"repainted whole", [](VbGrid& g) { g.Refresh(); }, 0},
        {"a column's format changed",
         [](VbGrid& g) { g.SetColumnFormatString(runtime::Variant(std::int32_t{1}), "0.00"); }, 0},
        {"a far cell selected, then the selection cleared",
         [](VbGrid& g) {
             g.SetCellSelected(15000, 1, true);
             g.ClearSelection();
         },
         15000},
    };
    const NumberedTable table(20000);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VbGrid& g = Grid();
        g.ShowTable(&table);
        Settle();
        c.change(g);
        Settle();
        EXPECT_TRUE(g.CellsStored(0));
        EXPECT_TRUE(g.CellsStored(c.touchedRow));
        std::int32_t stored = 0;
        for (std::int32_t r = 0; r < g.Rows(); ++r) stored += g.CellsStored(r) ? 1 : 0;
        EXPECT_LE(stored, 20);
        EXPECT_EQ(g.TextMatrix(19999, 1), "20000");
    }
}

TEST(DrawPass, ReleasesWhatItMade) {
    os::HPEN pen;
    os::HFONT font;
    {
        grid::DrawPass pass;
        pass.gridPen = pen = os::CreatePen(os::PS_SOLID, 1, 0);
        os::LOGFONT lf;
        lf.lfFaceName = "Liberation Sans";
        pass.fonts.push_back(font = os::CreateFontIndirect(lf));
        EXPECT_NE(os::GetObjectType(pen), 0);
    }
    EXPECT_EQ(os::GetObjectType(pen), 0);
    EXPECT_EQ(os::GetObjectType(font), 0);
}
