// The results grid's column header and scroll bars in the main window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "forms/testing/UserInput.h"
#include "os/commoncontrols/Header.h"
#include "os/windows/Messages.h"
#include "os/windows/Messaging.h"
#include "os/commoncontrols/ScrollBars.h"
#include "os/windows/Window.h"
#include "os/testing/WindowInput.h"

namespace {

using controls::EScrollBar;

class ResultsGridTest : public MainWindowTest {
protected:
    grid::VbGrid& Calculate() {
        app::frmMain& main = Open();
        forms::testing::TypeText(Inputs().request, "1.0");
        forms::testing::ClickWith(Controls().calculate, 1);
        os::ProcessEventsUntil([] { return false; }, 150);
        return main.Grid();
    }
    controls::cHeaderControl& Header() { return window->GridView().Header().Control(); }
    controls::cScrollBars& Bars() { return window->GridView().Scrolling().Bars(); }
    void Settle() { os::ProcessEventsUntil([] { return false; }, 60); }
    std::vector<std::string> Titles() {
        std::vector<std::string> titles;
        for (int order = 0; order < Header().Count(); ++order) {
            const auto item = static_cast<int>(os::SendMessage(Header().hWnd(), os::HDM_ORDERTOINDEX, order, 0));
            titles.push_back(Header().Text(item));
        }
        return titles;
    }
    void Drag(int from, int to) {
        const os::HWND header = Header().hWnd();
        os::testing::MousePress(header, {from, 8});
        os::testing::MouseMoveTo(header, {(from + to) / 2, 8}, true);
        os::testing::MouseMoveTo(header, {to, 8}, true);
        os::testing::MouseRelease(header, {to, 8});
        Settle();
    }
};

}  // namespace

TEST_F(ResultsGridTest, TheHeaderShowsTheNineTitlesAndTheBarRangesOverTheRows) {
    grid::VbGrid& g = Calculate();
    ASSERT_EQ(g.Rows(), 26);
    EXPECT_EQ(Titles(), (std::vector<std::string>{" ", "A", "B", "C", "D", "+/- %", "pitch, mm", "tpi", "comm"}));
    EXPECT_TRUE(os::IsWindowVisible(Header().hWnd()));
    EXPECT_EQ(Header().Height(), g.HeaderHeightPixels());

    os::RECT client;
    os::GetClientRect(g.hWnd(), client);
    EXPECT_EQ(Header().Width(), client.right);
    ASSERT_TRUE(Bars().Visible(EScrollBar::Vertical));
    EXPECT_FALSE(Bars().Visible(EScrollBar::Horizontal));  // the comment column takes what is left
    EXPECT_EQ(Bars().Max(EScrollBar::Vertical), 26 * 16 - 1);
    EXPECT_EQ(Bars().LargeChange(EScrollBar::Vertical), client.bottom - g.HeaderHeightPixels());
    std::int32_t widths = 0;
    for (int p = 0; p < g.Cols(); ++p) widths += g.ColumnAt(p).width;
    EXPECT_EQ(widths, client.right);
}

TEST_F(ResultsGridTest, TheWheelAndTheBarScrollTheRows) {
    grid::VbGrid& g = Calculate();
    os::testing::WheelNotches(g.hWnd(), {100, 100}, -1);
    Settle();
    EXPECT_EQ(g.TopRow(), 3);
    os::SendMessage(g.hWnd(), os::WM_VSCROLL, os::SB_BOTTOM, 0);
    Settle();
    std::int32_t row = -1, col = -1;
    os::RECT client;
    os::GetClientRect(g.hWnd(), client);
    g.CellFromPoint(10, client.bottom - 1, row, col);
    EXPECT_EQ(row, 25);
}

TEST_F(ResultsGridTest, ColumnsAreResizedAndReorderedByMouse) {
    grid::VbGrid& g = Calculate();
    const std::int32_t comment = g.ColumnAt(8).width;
    Drag(40, 60);  // the divider right of column A
    EXPECT_EQ(g.ColumnAt(1).width, 40);
    EXPECT_EQ(g.ColumnAt(8).width, comment - 20);  // the comment column gives up the room

    Drag(50, 90);  // column A onto C's place
    EXPECT_EQ(g.ColumnAt(1).headerText, "B");
    EXPECT_EQ(Titles()[1], "B");
    EXPECT_EQ(g.ColumnHeader(runtime::Variant(1)), "A");  // the column keeps its data index
}
