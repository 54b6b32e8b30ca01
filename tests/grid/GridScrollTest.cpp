// The grid's scroll bars on a real (offscreen) window.
#include <gtest/gtest.h>

#include <vector>

#include "grid/control/GridControl.h"
#include "os/drawing/DeviceContext.h"
#include "os/drawing/Drawing.h"
#include "os/desktop/EventLoop.h"
#include "os/windows/Messages.h"
#include "os/windows/Messaging.h"
#include "os/commoncontrols/ScrollBars.h"
#include "os/painting/SystemMetrics.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"
#include "os/testing/OffscreenApplication.h"
#include "os/testing/WindowInput.h"

using controls::EScrollBar;
using grid::GridControl;
using grid::VbGrid;

namespace {

// A 300 x 200 grid window, 4 columns of 64 pixels and rows of 16 whose
// back colour tells them apart.
class ScrolledGrid : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = os::CreateWidgetWindow("form", 0, {0, 0, 320, 240});
        control_ = std::make_unique<GridControl>(parent_, os::RECT{0, 0, 300, 200});
        os::ShowWindow(parent_, os::SW_SHOW);
        for (int c = 0; c < 4; ++c) Grid().AddColumn();
        Settle();
    }
    void TearDown() override {
        control_.reset();
        os::DestroyWindow(parent_);
    }

    VbGrid& Grid() { return control_->Grid(); }
    controls::cScrollBars& Bars() { return control_->Scrolling().Bars(); }
    os::HWND Window() { return control_->Window(); }
    void Settle() { os::ProcessEventsUntil([] { return false; }, 40); }

    void AddRows(int count) {
        VbGrid& g = Grid();
        g.SetRedraw(false);
        for (int i = 0; i < count; ++i) {
            const int r = g.Rows();
            g.AddRow();
            g.SetTextMatrix(r, 0, std::to_string(r));
            g.SetCellBackColor(r, 1, static_cast<std::int32_t>(os::RGB(r % 7 * 30, r % 5 * 50, r % 3 * 100)));
        }
        g.SetRedraw(true);
        Settle();
    }
    void Request(os::UINT message, int request) {
        os::SendMessage(Window(), message, static_cast<os::WPARAM>(request), 0);
    }
    os::RECT Client() {
        os::RECT client;
        os::GetClientRect(Window(), client);
        return client;
    }
    // Every third pixel of the client area, row by row.
    std::vector<os::COLORREF> Picture() {
        const os::RECT client = Client();
        std::vector<os::COLORREF> pixels;
        const os::HDC dc = os::GetDC(Window());
        for (int y = 0; y < client.bottom; y += 3)
            for (int x = 0; x < client.right; x += 3) pixels.push_back(os::GetPixel(dc, x, y));
        os::ReleaseDC(Window(), dc);
        return pixels;
    }
    std::int32_t RowAt(int y) {
        std::int32_t row = -1, col = -1;
        Grid().CellFromPoint(5, y, row, col);
        return row;
    }

    os::HWND parent_ = 0;
    std::unique_ptr<GridControl> control_;
};

int BarWidth() { return os::GetSystemMetrics(os::SM_CXVSCROLL); }

}  // namespace

TEST_F(ScrolledGrid, TheVerticalBarAppearsWhenTheRowsDoNotFit) {
    AddRows(5);
    EXPECT_FALSE(Bars().Visible(EScrollBar::Vertical));
    EXPECT_EQ(Client().right, 300);

    AddRows(45);  // 50 rows of 16 pixels in 200
    EXPECT_TRUE(Bars().Visible(EScrollBar::Vertical));
    EXPECT_FALSE(Bars().Visible(EScrollBar::Horizontal));
    EXPECT_EQ(Bars().Max(EScrollBar::Vertical), 799);
    EXPECT_EQ(Bars().LargeChange(EScrollBar::Vertical), 200);
    EXPECT_EQ(Bars().SmallChange(EScrollBar::Vertical), 16);
    EXPECT_EQ(Client().right, 300 - BarWidth());

    Grid().SetRows(5);
    Settle();
    EXPECT_FALSE(Bars().Visible(EScrollBar::Vertical));
}

TEST_F(ScrolledGrid, EachRequestMovesTheView) {
    AddRows(50);
    struct Case {
        int request;
        std::int32_t start, offset, topRow;
    };
    // The last offset is 800 - 200 = 600.
    const Case cases[] = {
        {os::SB_LINEDOWN, 0, 16, 1},   {os::SB_LINEUP, 16, 0, 0},   {os::SB_LINEUP, 0, 0, 0},
        {os::SB_PAGEDOWN, 0, 200, 12}, {os::SB_PAGEUP, 300, 100, 6}, {os::SB_PAGEDOWN, 500, 600, 37},
        {os::SB_BOTTOM, 0, 600, 37},   {os::SB_TOP, 600, 0, 0},      {os::SB_ENDSCROLL, 48, 48, 3},
        {os::SB_THUMBPOSITION, 48, 48, 3},
    };
    for (const Case& c : cases) {
        Bars().SetValue(EScrollBar::Vertical, c.start);
        Request(os::WM_VSCROLL, c.request);
        Settle();
        EXPECT_EQ(Bars().Value(EScrollBar::Vertical), c.offset) << c.request;
        EXPECT_EQ(Grid().VerticalOffset(), c.offset) << c.request;
        EXPECT_EQ(Grid().TopRow(), c.topRow) << c.request;
    }
}

TEST_F(ScrolledGrid, ScrollingMovesThePixelsAndDrawsOnlyTheNewRows) {
    AddRows(50);
    for (int request : {os::SB_LINEDOWN, os::SB_LINEDOWN, os::SB_PAGEDOWN, os::SB_LINEUP, os::SB_PAGEUP}) {
        const int before = control_->Renderer().RowsDrawn();
        Request(os::WM_VSCROLL, request);
        Settle();
        const int drawn = control_->Renderer().RowsDrawn() - before;
        if (request == os::SB_LINEDOWN || request == os::SB_LINEUP) {
            EXPECT_LE(drawn, 2) << request;
        }
        const std::vector<os::COLORREF> scrolled = Picture();
        Grid().Refresh();
        EXPECT_EQ(scrolled, Picture()) << "after request " << request;
    }
}

TEST_F(ScrolledGrid, TheWheelScrollsThreeRowsANotch) {
    AddRows(50);
    os::testing::WheelNotches(Window(), {50, 50}, -1);
    Settle();
    EXPECT_EQ(Grid().VerticalOffset(), 48);
    EXPECT_EQ(Grid().TopRow(), 3);
    os::testing::WheelNotches(Window(), {50, 50}, 2);
    Settle();
    EXPECT_EQ(Grid().VerticalOffset(), 0);

    Grid().Scroll(-240);  // the same through the grid's own member
    Settle();
    EXPECT_EQ(Grid().VerticalOffset(), 96);
    EXPECT_EQ(Bars().Value(EScrollBar::Vertical), 96);
}

TEST_F(ScrolledGrid, DraggingTheThumbScrollsWhileItMoves) {
    AddRows(200);
    os::testing::DragScrollThumb(Window(), os::SB_VERT, 60);
    Settle();
    EXPECT_GT(Grid().VerticalOffset(), 0);
    EXPECT_EQ(Grid().VerticalOffset(), Bars().Value(EScrollBar::Vertical));
    EXPECT_EQ(Grid().TopRow(), Grid().VerticalOffset() / 16);
    EXPECT_EQ(RowAt(1), Grid().TopRow());
}

TEST_F(ScrolledGrid, TopRowAndEnsureVisibleMoveTheBars) {
    AddRows(50);
    VbGrid& g = Grid();
    g.SetTopRow(20);
    Settle();
    EXPECT_EQ(Bars().Value(EScrollBar::Vertical), 320);
    EXPECT_EQ(g.TopRow(), 20);
    g.SetTopRow(49);  // as far as the bar goes: the last page
    Settle();
    EXPECT_EQ(g.VerticalOffset(), 600);
    EXPECT_EQ(g.TopRow(), 37);

    g.SetTopRow(0);
    EXPECT_TRUE(g.EnsureVisible(45, 0));  // below the view: it becomes the bottom row
    EXPECT_EQ(g.VerticalOffset(), 46 * 16 - 200);
    EXPECT_FALSE(g.EnsureVisible(40, 0));  // already in view
    EXPECT_TRUE(g.EnsureVisible(3, 0));    // above the view: the top row
    EXPECT_EQ(g.VerticalOffset(), 48);
    EXPECT_TRUE(g.EnsureVisible(5, 0, true));
    EXPECT_EQ(g.VerticalOffset(), 80);
    EXPECT_FALSE(g.EnsureVisible(5000, 0));
    Settle();
    EXPECT_EQ(RowAt(1), 5);
}

TEST_F(ScrolledGrid, WithoutBarsTheViewStillScrollsByProgram) {
    Grid().SetScrollBars(0);
    AddRows(50);
    EXPECT_FALSE(Bars().Visible(EScrollBar::Vertical));
    EXPECT_EQ(Client().right, 300);
    Grid().SetTopRow(10);
    Settle();
    EXPECT_EQ(Grid().VerticalOffset(), 160);
    EXPECT_EQ(RowAt(1), 10);
}

TEST_F(ScrolledGrid, ScrollBarStyleMakesTheBarsFlat) {
    AddRows(50);
    os::LONG_PTR mode = -1;
    Grid().SetScrollBarStyle(1);
    Settle();
    ASSERT_TRUE(os::FlatSB_GetScrollProp(Window(), os::WSB_PROP_VSTYLE, mode));
    EXPECT_EQ(mode, os::FSB_FLAT_MODE);
    Grid().SetScrollBarStyle(0);
    Settle();
    ASSERT_TRUE(os::FlatSB_GetScrollProp(Window(), os::WSB_PROP_VSTYLE, mode));
    EXPECT_EQ(mode, os::FSB_REGULAR_MODE);
    EXPECT_TRUE(Bars().Visible(EScrollBar::Vertical));
}

TEST_F(ScrolledGrid, WideColumnsGetTheHorizontalBar) {
    VbGrid& g = Grid();
    for (int c = 0; c < 4; ++c) g.SetColWidth(runtime::Variant(c), 100 * 15);
    AddRows(5);
    EXPECT_TRUE(Bars().Visible(EScrollBar::Horizontal));
    EXPECT_FALSE(Bars().Visible(EScrollBar::Vertical));
    EXPECT_EQ(Bars().Max(EScrollBar::Horizontal), 399);
    EXPECT_EQ(Bars().LargeChange(EScrollBar::Horizontal), 300);

    for (int request : {os::SB_LINEDOWN, os::SB_LINEDOWN, os::SB_LINEUP, os::SB_PAGEDOWN}) {
        const int before = control_->Renderer().CellsDrawn();
        Request(os::WM_HSCROLL, request);
        Settle();
        if (request != os::SB_PAGEDOWN) {
            EXPECT_LE(control_->Renderer().CellsDrawn() - before, 5 * 2) << request;  // a column or two of 5 rows
        }
        const std::vector<os::COLORREF> moved = Picture();
        g.Refresh();
        EXPECT_EQ(moved, Picture()) << "after request " << request;
    }
    g.SetFixedCols(1);  // the fixed column stays where it is
    Request(os::WM_HSCROLL, os::SB_TOP);
    Settle();
    Request(os::WM_HSCROLL, os::SB_LINEDOWN);
    Settle();
    const std::vector<os::COLORREF> fixedAndMoved = Picture();
    g.Refresh();
    EXPECT_EQ(fixedAndMoved, Picture());
    EXPECT_EQ(g.ColPos(0), 0);
    g.SetFixedCols(0);
    Request(os::WM_HSCROLL, os::SB_BOTTOM);
    Settle();
    EXPECT_EQ(g.HorizontalOffset(), 100);
    EXPECT_EQ(g.ColPos(0), -100);
    g.SetHeader(true);  // the header moves with the columns and still reaches the right edge
    Settle();
    const controls::cHeaderControl& header = control_->Header().Control();
    EXPECT_EQ(header.Left(), -100);
    EXPECT_EQ(header.Left() + header.Width(), Client().right);
    const std::vector<os::COLORREF> scrolled = Picture();
    g.Refresh();
    EXPECT_EQ(scrolled, Picture());
    g.SetLeftCol(0);
    Settle();
    EXPECT_EQ(Bars().Value(EScrollBar::Horizontal), 0);
    g.SetLeftCol(3);  // as far as the bar goes
    Settle();
    EXPECT_EQ(g.HorizontalOffset(), 100);

    // A horizontal bar takes rows' room: 12 rows of 16 fit in 200, not in 200 less the bar.
    AddRows(7);
    EXPECT_TRUE(Bars().Visible(EScrollBar::Vertical));
    EXPECT_EQ(Bars().LargeChange(EScrollBar::Vertical), 200 - os::GetSystemMetrics(os::SM_CYHSCROLL));
}

TEST_F(ScrolledGrid, AFullRepaintAfterSidewaysScrollingCoversTheWholeWidth) {
    VbGrid& g = Grid();
    for (int c = 0; c < 4; ++c) g.SetColWidth(runtime::Variant(c), 200 * 15);
    AddRows(5);
    struct Case { int request; std::int32_t offset, leftCol; };
    // 800 pixels of columns in 300: the last offset is 500, where column 2 is the first one seen.
    const Case cases[] = {{os::SB_BOTTOM, 500, 2}, {os::SB_PAGEUP, 200, 1}, {os::SB_LINEUP, 184, 0},
                          {os::SB_PAGEDOWN, 484, 2}, {os::SB_TOP, 0, 0}};
    const os::COLORREF colours[] = {os::RGB(0, 200, 0), os::RGB(200, 200, 0), os::RGB(0, 200, 200),
                                    os::RGB(200, 0, 200), os::RGB(90, 90, 90)};
    for (int i = 0; i < 5; ++i) {
        const Case& c = cases[i];
        Request(os::WM_HSCROLL, c.request);
        Settle();
        EXPECT_EQ(g.HorizontalOffset(), c.offset) << c.request;
        EXPECT_EQ(g.LeftCol(), c.leftCol) << c.request;
        g.SetRedraw(false);
        g.SetBackColor(static_cast<std::int32_t>(colours[i]));
        g.SetRedraw(true);  // repaints everything
        // Row 0 carries no colours of its own in columns 0, 2 and 3: wherever
        // they are on screen, they show the new one.
        const os::HDC dc = os::GetDC(Window());
        for (int p : {0, 2, 3})
            for (int dx : {10, 190}) {
                const std::int32_t x = g.ColumnAt(p).left - c.offset + dx;
                if (x >= 0 && x < 300) {
                    EXPECT_EQ(os::GetPixel(dc, x, 8), colours[i]) << c.request << " x " << x;
                }
            }
        os::ReleaseDC(Window(), dc);
        const std::vector<os::COLORREF> repainted = Picture();
        g.Refresh();
        Settle();
        EXPECT_EQ(repainted, Picture()) << c.request;
    }
}

TEST_F(ScrolledGrid, AVerticalBarNarrowsTheSelfResizingColumns) {
    VbGrid& g = Grid();
    g.SetColAutoResize(runtime::Variant(3), true);
    AddRows(5);
    auto total = [&] {
        std::int32_t sum = 0;
        for (int p = 0; p < g.Cols(); ++p) sum += g.ColumnAt(p).width;
        return sum;
    };
    EXPECT_EQ(total(), 300);
    AddRows(45);
    EXPECT_EQ(total(), 300 - BarWidth());
    EXPECT_FALSE(Bars().Visible(EScrollBar::Horizontal));
}

TEST_F(ScrolledGrid, ShrinkingOrClearingBringsTheViewBack) {
    AddRows(50);
    Request(os::WM_VSCROLL, os::SB_BOTTOM);
    Settle();
    Grid().SetRows(20);  // 320 pixels: the last offset is now 120
    Settle();
    EXPECT_EQ(Grid().VerticalOffset(), 120);
    EXPECT_EQ(Bars().Value(EScrollBar::Vertical), 120);
    Grid().Clear();
    AddRows(50);
    EXPECT_EQ(Grid().VerticalOffset(), 0);
    EXPECT_EQ(Bars().Value(EScrollBar::Vertical), 0);
}

TEST_F(ScrolledGrid, OddTablesScrollQuietly) {
    VbGrid& g = Grid();
    for (int request = os::SB_LINEUP; request <= os::SB_ENDSCROLL; ++request) Request(os::WM_VSCROLL, request);
    g.Scroll(-2147483647 - 1);  // no rows: nothing to scroll
    EXPECT_EQ(g.VerticalOffset(), 0);

    AddRows(50);
    g.SetFixedRows(3);  // fixed rows stay: the bar ranges over the other 47
    Settle();
    EXPECT_EQ(Bars().Max(EScrollBar::Vertical), 47 * 16 - 1);
    EXPECT_EQ(Bars().LargeChange(EScrollBar::Vertical), 200 - 3 * 16);
    g.Scroll(-2147483647 - 1);  // the furthest wheel turn ends at the last page
    Settle();
    EXPECT_EQ(g.VerticalOffset(), 47 * 16 - (200 - 3 * 16));
    EXPECT_EQ(RowAt(1), 0);  // a fixed row
    g.Scroll(2147483647);
    Settle();
    EXPECT_EQ(g.VerticalOffset(), 0);

    for (int r = 3; r < 50; ++r) g.SetRowVisible(r, false);
    Settle();
    EXPECT_FALSE(Bars().Visible(EScrollBar::Vertical));
    EXPECT_FALSE(g.EnsureVisible(40, 0));
    EXPECT_FALSE(g.EnsureVisible(-1, -1));
}

TEST_F(ScrolledGrid, FourHundredThousandRowsToTheEndAndBack) {
    VbGrid& g = Grid();
    g.SetRedraw(false);
    for (int r = 0; r < 400000; ++r) {
        g.AddRow();
        g.SetTextMatrix(r, 0, std::to_string(r + 1));
    }
    g.SetRedraw(true);
    Settle();
    EXPECT_EQ(Bars().Max(EScrollBar::Vertical), 400000 * 16 - 1);
    Request(os::WM_VSCROLL, os::SB_BOTTOM);
    Settle();
    EXPECT_EQ(g.VerticalOffset(), 400000 * 16 - 200);
    EXPECT_EQ(g.TopRow(), 399987);  // 12.5 rows show: the first of them half cut off
    EXPECT_EQ(RowAt(199), 399999);
    EXPECT_EQ(g.TextMatrix(RowAt(199), 0), "400000");
    Request(os::WM_VSCROLL, os::SB_PAGEUP);
    Settle();
    EXPECT_EQ(RowAt(1), 399975);
    Request(os::WM_VSCROLL, os::SB_TOP);
    Settle();
    EXPECT_EQ(g.TopRow(), 0);
    EXPECT_EQ(RowAt(1), 0);
}
