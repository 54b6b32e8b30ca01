// The grid's column header on a real (offscreen) window: its items, its
// settings and the grid's reactions to messages and mouse input.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "grid/control/GridControl.h"
#include "os/drawing/Colors.h"
#include "os/commoncontrols/CommonControls.h"
#include "os/drawing/DeviceContext.h"
#include "os/drawing/Drawing.h"
#include "os/desktop/EventLoop.h"
#include "os/drawing/GdiObjects.h"
#include "os/commoncontrols/ImageLists.h"
#include "os/windows/Messages.h"
#include "os/windows/Messaging.h"
#include "os/painting/Painting.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"
#include "os/testing/OffscreenApplication.h"
#include "os/testing/WindowInput.h"

using controls::EHeaderAlignment;
using runtime::Variant;

namespace {

// Notes the grid's header events; cancels the one named.
struct HeaderEvents : grid::GridEvents {
    void ColumnClick(std::int32_t c) override { Note("Click", c); }
    void ColumnWidthStartChange(std::int32_t c, std::int32_t w, bool& x) override { Note("Start", c, w, x); }
    void ColumnWidthChanging(std::int32_t c, std::int32_t w, bool& x) override { Note("Changing", c, w, x); }
    void ColumnWidthChanged(std::int32_t c, std::int32_t w, bool& x) override { Note("Changed", c, w, x); }
    void ColumnWidthChangeDone(std::int32_t c) override { Note("Done", c); }
    void ColumnAutoWidth(std::int32_t c, bool& x) override { Note("AutoWidth", c, INT_MIN, x); }
    void HeaderRightClick(float x, float y) override { Note("RightClick", int(x), int(y)); }
    void ColumnOrderChanged() override { log.push_back("OrderChanged"); }

    void Note(const std::string& name, int c, int w = INT_MIN) {
        log.push_back(name + " " + std::to_string(c) + (w == INT_MIN ? "" : " " + std::to_string(w)));
    }
    void Note(const std::string& name, int c, int w, bool& cancel) {
        Note(name, c, w);
        cancel = name == refuse;
    }
    std::vector<std::string> log;
    std::string refuse;
};

// A 300 x 200 grid with a 20-pixel header over 4 columns of 64 pixels
// titled A to D and 3 rows; cell (r, c) holds "r,c".
class GridHeaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = os::CreateWidgetWindow("form", 0, {0, 0, 320, 240});
        control_ = std::make_unique<grid::GridControl>(parent_, os::RECT{0, 0, 300, 200});
        os::ShowWindow(parent_, os::SW_SHOW);
        grid::VbGrid& g = Grid();
        g.SetEvents(&events_);
        g.SetHeaderHeight(300);
        g.SetHeaderDragReOrderColumns(true);
        g.SetHeader(true);
        g.SetAllowUserResizing(1);
        for (const char* title : {"A", "B", "C", "D"}) g.AddColumn("", title);
        for (int r = 0; r < 3; ++r) {
            g.AddRow();
            for (int c = 0; c < 4; ++c) g.SetTextMatrix(r, c, std::to_string(r) + "," + std::to_string(c));
        }
        Settle();
        events_.log.clear();
    }
    void TearDown() override {
        control_.reset();
        os::DestroyWindow(parent_);
    }

    grid::VbGrid& Grid() { return control_->Grid(); }
    controls::cHeaderControl& Header() { return control_->Header().Control(); }
    os::HWND HeaderWindow() { return Header().hWnd(); }
    void Settle() { os::ProcessEventsUntil([] { return false; }, 30); }

    // Left-button drag across the header from x to x.
    void Drag(int from, int to) {
        os::testing::MousePress(HeaderWindow(), {from, 10});
        os::testing::MouseMoveTo(HeaderWindow(), {(from + to) / 2, 10}, true);
        os::testing::MouseMoveTo(HeaderWindow(), {to, 10}, true);
        os::testing::MouseRelease(HeaderWindow(), {to, 10});
    }
    std::vector<std::string> Titles() {
        std::vector<std::string> titles;
        for (int order = 0; order < Header().Count(); ++order) {
            const auto item = static_cast<int>(os::SendMessage(HeaderWindow(), os::HDM_ORDERTOINDEX, order, 0));
            titles.push_back(Header().Text(item));
        }
        return titles;
    }
    std::vector<int> Widths() {
        std::vector<int> widths;
        for (int p = 0; p < Grid().Cols(); ++p) widths.push_back(Grid().ColumnAt(p).width);
        return widths;
    }
    os::COLORREF Pixel(int x, int y) {
        const os::HDC dc = os::GetDC(control_->Window());
        const os::COLORREF colour = os::GetPixel(dc, x, y);
        os::ReleaseDC(control_->Window(), dc);
        return colour;
    }

    os::HWND parent_ = 0;
    std::unique_ptr<grid::GridControl> control_;
    HeaderEvents events_;
};

}  // namespace

TEST_F(GridHeaderTest, ItemsStandForTheShownColumnsInDisplayOrder) {
    grid::VbGrid& g = Grid();
    g.SetFixedAlignment(Variant(1), 1);
    g.SetFixedAlignment(Variant(3), 2);
    g.SetColWidth(Variant(3), 1500);
    g.SetColumnVisible(Variant(2), false);
    ASSERT_EQ(Header().Count(), 3);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"A", "B", "D"}));
    const EHeaderAlignment alignments[] = {EHeaderAlignment::Left, EHeaderAlignment::Right, EHeaderAlignment::Centre};
    const int positions[] = {0, 1, 3};
    for (int item = 0; item < 3; ++item) {
        SCOPED_TRACE(item);
        EXPECT_EQ(Header().Data(item), positions[item]);
        EXPECT_EQ(Header().Alignment(item), alignments[item]);
        EXPECT_EQ(Header().ColumnWidth(item), g.ColumnAt(positions[item]).width);
        EXPECT_EQ(control_->Header().ItemOf(positions[item]), item);
    }
    EXPECT_EQ(Header().ColumnWidth(2), 100);
    EXPECT_EQ(control_->Header().ItemOf(2), -1);
    EXPECT_TRUE(events_.log.empty());  // the grid's own width writes raise nothing
}

TEST_F(GridHeaderTest, DividerDragsResizeOnlyWhenColumnsMayBeResized) {
    struct Case { std::int32_t allow; int width; std::vector<std::string> log; };
    const Case cases[] = {
        {0, 64, {}},
        {2, 64, {}},
        {1, 90, {"Start 0 64", "Changing 0 77", "Changing 0 90", "Changed 0 90", "Done 0"}},
        {3, 116, {"Start 0 90", "Changing 0 103", "Changing 0 116", "Changed 0 116", "Done 0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.allow);
        Grid().SetAllowUserResizing(c.allow);
        events_.log.clear();
        const int edge = Grid().ColumnAt(0).width;
        Drag(edge, edge + 26);
        EXPECT_EQ(events_.log, c.log);
        EXPECT_EQ(Grid().ColumnAt(0).width, c.width);
        EXPECT_EQ(Header().ColumnWidth(0), c.width);
    }
}

TEST_F(GridHeaderTest, WidthEventsCarryTheHeadersValues) {
    // With A hidden, header item 0 is column B (data index 1).
    Grid().SetColumnVisible(Variant(0), false);
    Drag(64, 90);
    EXPECT_EQ(events_.log,
              (std::vector<std::string>{"Start 0 64", "Changing 1 77", "Changing 1 90", "Changed 1 90", "Done 1"}));
    EXPECT_EQ(Grid().ColumnAt(1).width, 90);
}

TEST_F(GridHeaderTest, ADividerDoubleClickFitsTheColumnUnlessCancelled) {
    Grid().SetTextMatrix(1, 1, "a cell text far wider than its column");
    const int fitted = Grid().FittingWidth(1);
    ASSERT_GT(fitted, 64);
    const std::string fit = "Changing 1 " + std::to_string(fitted);
    struct Case { const char* refuse; std::vector<std::string> tail; int width; };
    const Case cases[] = {
        {"AutoWidth", {"AutoWidth 1"}, 64},
        {"Changing", {"AutoWidth 1", fit}, 64},
        {"", {"AutoWidth 1", fit, "Changed 1 " + std::to_string(fitted), "Done 1"}, fitted},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refuse);
        events_.refuse = c.refuse;
        events_.log.clear();
        os::testing::MouseDoubleClick(HeaderWindow(), {128, 10});
        // The first click of the two tracks the divider without moving it.
        const auto from = std::find(events_.log.begin(), events_.log.end(), "AutoWidth 1");
        EXPECT_EQ(std::vector<std::string>(from, events_.log.end()), c.tail);
        EXPECT_EQ(Grid().ColumnAt(1).width, c.width);
        EXPECT_EQ(Header().ColumnWidth(1), c.width);
    }
}

TEST_F(GridHeaderTest, AutoResizeColumnsShareAResizeAndTheOnlyOneSnapsBack) {
    grid::VbGrid& g = Grid();
    g.SetColAutoResize(Variant(2), true);
    g.SetColAutoResize(Variant(3), true);
    Settle();
    const std::vector<int> before = Widths();
    Drag(64, 59);  // 5 pixels narrower: 3 to the first automatic column, 2 to the other
    EXPECT_EQ(Widths(), (std::vector<int>{59, 64, before[2] + 3, before[3] + 2}));
    for (int p = 0; p < 4; ++p) EXPECT_EQ(Header().ColumnWidth(p), g.ColumnAt(p).width) << p;

    g.SetColAutoResize(Variant(2), false);
    events_.log.clear();
    const int right = g.ColumnAt(3).left + g.ColumnAt(3).width - 1;
    Drag(right, right - 20);
    EXPECT_EQ(events_.log, std::vector<std::string>{"Start 3 " + std::to_string(before[3] + 2)});
    // An end of tracking reported anyway, after the header took the width:
    // the item is put back.
    os::HDITEM proposed;
    proposed.mask = os::HDI_WIDTH;
    proposed.cxy = 30;
    os::SendMessage(HeaderWindow(), os::HDM_SETITEM, 3, reinterpret_cast<os::LPARAM>(&proposed));
    os::NMHEADER end;
    end.hdr = {HeaderWindow(), 0, os::HDN_ENDTRACK};
    end.iItem = 3;
    end.pitem = &proposed;
    os::SendMessage(control_->Window(), os::WM_NOTIFY, 0, reinterpret_cast<os::LPARAM>(&end));
    EXPECT_EQ(g.ColumnAt(3).width, before[3] + 2);
    EXPECT_EQ(Header().ColumnWidth(3), before[3] + 2);
}

TEST_F(GridHeaderTest, DroppingAColumnMovesItWithItsCells) {
    grid::VbGrid& g = Grid();
    g.SetCellBackColor(0, 0, static_cast<std::int32_t>(os::RGB(0, 200, 0)));
    Drag(80, 100);  // dropped onto its own place
    EXPECT_EQ(events_.log, std::vector<std::string>{"OrderChanged"});
    EXPECT_EQ(Titles(), (std::vector<std::string>{"A", "B", "C", "D"}));

    events_.log.clear();
    Drag(20, 150);  // column A onto C's place
    EXPECT_EQ(events_.log, std::vector<std::string>{"OrderChanged"});
    EXPECT_EQ(Titles(), (std::vector<std::string>{"B", "C", "A", "D"}));
    EXPECT_EQ(g.ColumnAt(2).dataIndex, 0);
    EXPECT_EQ(g.ColumnAt(0).left, 0);
    EXPECT_EQ(g.ColumnOrder(Variant(0)), 2);
    EXPECT_EQ(Header().Data(2), 2);
    EXPECT_EQ(g.TextMatrix(1, 0), "1,0");
    Settle();
    EXPECT_EQ(Pixel(128 + 30, 20 + 8), os::RGB(0, 200, 0));

    g.SetColumnVisible(Variant(1), false);  // B hidden: the header shows C A D
    Drag(20, 150);                          // C onto D's place
    EXPECT_EQ(Titles(), (std::vector<std::string>{"A", "D", "C"}));
    EXPECT_EQ(g.ColumnOrder(Variant(2)), 3);
}

TEST_F(GridHeaderTest, ADragAndColumnOrderMoveAColumnWithOneAndTheSameEvent) {
    struct MoveLog : grid::ColumnMoveListener {
        void ColumnMoved(std::int32_t from, std::int32_t to) override { moves.emplace_back(from, to); }
        std::vector<std::pair<int, int>> moves;
    };
    struct Case {
        const char* how;
        int hidden;  // data index, -1 for none
        std::function<void()> move;
        std::vector<std::pair<int, int>> moves;
        std::vector<std::string> titles;
    };
    const Case cases[] = {
        {"drag", -1, [&] { Drag(20, 150); }, {{0, 2}}, {"B", "C", "A", "D"}},
        {"ColumnOrder", -1, [&] { Grid().SetColumnOrder(Variant(0), 2); }, {{0, 2}}, {"B", "C", "A", "D"}},
        {"drag past a hidden column", 1, [&] { Drag(150, 20); }, {{3, 0}}, {"D", "A", "C"}},
        {"ColumnOrder past a hidden column", 1, [&] { Grid().SetColumnOrder(Variant(3), 0); }, {{3, 0}},
         {"D", "A", "C"}},
        {"drop onto its own place", -1, [&] { Drag(80, 100); }, {}, {"A", "B", "C", "D"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        if (c.hidden >= 0) Grid().SetColumnVisible(Variant(c.hidden), false);
        MoveLog log;
        Grid().ColumnModel().AddListener(&log);
        c.move();
        Grid().ColumnModel().RemoveListener(&log);
        EXPECT_EQ(log.moves, c.moves);
        EXPECT_EQ(Titles(), c.titles);
        for (int item = 0; item < Header().Count(); ++item) {
            EXPECT_EQ(Header().Order(item), item);
            EXPECT_EQ(Grid().ColumnAt(static_cast<int>(Header().Data(item))).headerText, Header().Text(item));
        }
        for (int d = 0; d < 4; ++d) Grid().SetColumnOrder(Variant(d), d);
        if (c.hidden >= 0) Grid().SetColumnVisible(Variant(c.hidden), true);
    }
}

TEST_F(GridHeaderTest, TheTrackingLineInvertsAndIsRestored) {
    const os::COLORREF cell = Pixel(63, 50), strip = Pixel(64, 199);
    const os::COLORREF header = os::testing::ShownPixel(control_->Window(), {89, 10});
    os::testing::MousePress(HeaderWindow(), {64, 10});
    EXPECT_EQ(Pixel(63, 50), ~cell & 0xFFFFFF);
    EXPECT_EQ(Pixel(64, 199), ~strip & 0xFFFFFF);
    EXPECT_EQ(control_->Header().Tracking().Shown()->top, 0);  // from the header's top
    os::testing::MouseMoveTo(HeaderWindow(), {90, 10}, true);
    EXPECT_EQ(Pixel(63, 50), cell);
    EXPECT_EQ(Pixel(89, 50), ~Pixel(91, 50) & 0xFFFFFF);
    // The line crosses the header too, and moving on leaves it as it was.
    EXPECT_NE(os::testing::ShownPixel(control_->Window(), {89, 50}),
              os::testing::ShownPixel(control_->Window(), {91, 50}));
    EXPECT_EQ(os::testing::ShownPixel(control_->Window(), {89, 10}), ~header & 0xFFFFFF);
    os::testing::MouseMoveTo(HeaderWindow(), {110, 10}, true);
    EXPECT_EQ(os::testing::ShownPixel(control_->Window(), {89, 10}), header);
    os::testing::MouseRelease(HeaderWindow(), {110, 10});
    EXPECT_FALSE(control_->Header().Tracking().Shown());
}

TEST_F(GridHeaderTest, SettingsReachTheHeader) {
    grid::VbGrid& g = Grid();
    g.SetHeaderButtons(true);
    g.SetHeaderHotTrack(false);
    g.SetHeaderHeight(450);
    const auto style = static_cast<os::DWORD>(os::GetWindowLong(HeaderWindow(), os::GWL_STYLE));
    EXPECT_NE(style & os::HDS_BUTTONS, 0u);
    EXPECT_EQ(style & os::HDS_HOTTRACK, 0u);
    EXPECT_NE(style & os::HDS_DRAGDROP, 0u);
    EXPECT_EQ(Header().Height(), 30);
    EXPECT_EQ(g.CellRect(0, 0).top, 30);

    g.ViewState().SetScrollOffsets(40, 0);
    control_->Header().Layout();
    EXPECT_EQ(Header().Left(), -40);
    EXPECT_EQ(Header().Width(), 340);

    g.SetHeader(false);
    EXPECT_FALSE(os::IsWindowVisible(HeaderWindow()));
    EXPECT_EQ(g.CellRect(0, 0).top, 0);
}

TEST_F(GridHeaderTest, FlatHeaderKeepsThePressedItemsLighterEdge) {
    Grid().SetHeaderButtons(true);
    Grid().SetHeaderFlat(true);
    EXPECT_EQ(control_->Header().FlatPainter().Header(), HeaderWindow());
    os::testing::MousePress(HeaderWindow(), {30, 10});
    os::UpdateWindow(HeaderWindow());
    const os::HDC dc = os::GetDC(HeaderWindow());
    EXPECT_EQ(os::GetPixel(dc, 63, 5), os::GetSysColor(os::COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(os::GetPixel(dc, 127, 5), os::GetSysColor(os::COLOR_BTNSHADOW));
    os::ReleaseDC(HeaderWindow(), dc);
    os::testing::MouseRelease(HeaderWindow(), {30, 10});
    Grid().SetHeaderFlat(false);
    EXPECT_EQ(control_->Header().FlatPainter().Header(), 0);
}

TEST_F(GridHeaderTest, ARecreatedHeaderGetsFontImagesAndItemsAgain) {
    const os::HIMAGELIST images = os::ImageList_Create(16, 16, os::ILC_COLOR32, 1, 1);
    const os::HDC dc = os::GetDC(control_->Window());
    const os::HBITMAP strip = os::CreateCompatibleBitmap(dc, 32, 16);
    os::ReleaseDC(control_->Window(), dc);
    os::ImageList_Add(images, strip, 0);
    os::DeleteObject(strip);
    Grid().SetImageList(Variant(static_cast<std::int32_t>(images)));
    Grid().SetColumnImage(Variant(1), 1);
    grid::GridFont font;
    font.name = "Liberation Serif";
    Grid().SetFont(font);

    Header().Recreate();
    EXPECT_EQ(os::SendMessage(HeaderWindow(), os::HDM_GETIMAGELIST, 0, 0), images);
    os::LOGFONT shown;
    ASSERT_TRUE(os::GetObject(static_cast<os::HGDIOBJ>(os::SendMessage(HeaderWindow(), os::WM_GETFONT, 0, 0)), shown));
    EXPECT_EQ(shown.lfFaceName, "Liberation Serif");
    EXPECT_EQ(Titles(), (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(Header().Image(1), 1);
    os::ImageList_Destroy(images);
}

TEST_F(GridHeaderTest, ClicksReachTheGridByDataIndex) {
    Grid().SetHeaderButtons(true);
    Grid().SetColumnOrder(Variant(3), 0);  // D first
    os::testing::MousePress(HeaderWindow(), {30, 10});
    os::testing::MouseRelease(HeaderWindow(), {30, 10});
    os::testing::RightClick(HeaderWindow(), {100, 4});
    EXPECT_EQ(events_.log, (std::vector<std::string>{"Click 3", "RightClick 1500 60"}));
}
