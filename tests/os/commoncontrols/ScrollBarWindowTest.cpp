#include <gtest/gtest.h>

#include <vector>

#include "os/windows/Messages.h"
#include "os/commoncontrols/ScrollBars.h"
#include "os/painting/SystemMetrics.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"
#include "os/windows/WindowProcedures.h"
#include "os/testing/WindowInput.h"

namespace {

struct Request {
    os::UINT message;
    int code;
    int position;
    friend bool operator==(const Request&, const Request&) = default;
};

class ScrollBarWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = os::CreateWidgetWindow("Scrolled", 0, {0, 0, 300, 200});
        os::ShowWindow(window, os::SW_SHOW);
        procedure = os::RegisterWindowProcedure([this](os::HWND hwnd, os::UINT message, os::WPARAM wParam, os::LPARAM lParam) {
            if (message == os::WM_HSCROLL || message == os::WM_VSCROLL) {
                requests.push_back({message, os::LOWORD(wParam), os::HIWORD(wParam)});
            }
            return os::DefWindowProc(hwnd, message, wParam, lParam);
        });
        os::SetWindowLong(window, os::GWL_WNDPROC, procedure);
    }
    void TearDown() override {
        os::DestroyWindow(window);
        os::UnregisterWindowProcedure(procedure);
    }

    os::SCROLLINFO Info(int bar) {
        os::SCROLLINFO info;
        info.fMask = os::SIF_ALL;
        os::GetScrollInfo(window, bar, info);
        return info;
    }

    os::HWND window = 0;
    os::LONG_PTR procedure = 0;
    std::vector<Request> requests;
};

TEST_F(ScrollBarWindowTest, ShownBarsTakeTheirPlaceOutsideTheClientArea) {
    const int extent = os::GetSystemMetrics(os::SM_CXVSCROLL);
    struct Case {
        bool horizontal, vertical;
        os::RECT client;
    };
    const Case cases[] = {
        {false, false, {0, 0, 300, 200}},
        {false, true, {0, 0, 300 - extent, 200}},
        {true, false, {0, 0, 300, 200 - extent}},
        {true, true, {0, 0, 300 - extent, 200 - extent}},
    };
    for (const Case& c : cases) {
        os::ShowScrollBar(window, os::SB_HORZ, c.horizontal);
        os::ShowScrollBar(window, os::SB_VERT, c.vertical);
        os::RECT client;
        ASSERT_TRUE(os::GetClientRect(window, client));
        EXPECT_EQ(client, c.client) << c.horizontal << c.vertical;
    }
}

TEST_F(ScrollBarWindowTest, ScrollInfoKeepsThePositionWithinRangeAndPage) {
    struct Case {
        int min, max;
        os::UINT page;
        int pos;
        int expectedPos;
        os::UINT expectedPage;
    };
    const Case cases[] = {
        {0, 100, 10, 50, 50, 10},  {0, 100, 10, 95, 91, 10}, {0, 100, 10, -5, 0, 10},
        {0, 9, 50, 3, 0, 10},      {10, 20, 0, 25, 20, 0},   {0, 100, 1, 100, 100, 1},
    };
    for (const Case& c : cases) {
        os::SCROLLINFO info;
        info.fMask = os::SIF_RANGE | os::SIF_PAGE | os::SIF_POS;
        info.nMin = c.min;
        info.nMax = c.max;
        info.nPage = c.page;
        info.nPos = c.pos;
        EXPECT_EQ(os::SetScrollInfo(window, os::SB_VERT, info, true), c.expectedPos);
        const os::SCROLLINFO read = Info(os::SB_VERT);
        EXPECT_EQ(read.nPos, c.expectedPos);
        EXPECT_EQ(read.nTrackPos, c.expectedPos);
        EXPECT_EQ(read.nPage, c.expectedPage);
    }
}

TEST_F(ScrollBarWindowTest, ArrowClicksAreRequestsThatLeaveTheBarAlone) {
    os::ShowScrollBar(window, os::SB_HORZ, true);
    os::testing::ClickScrollBar(window, os::SB_HORZ, {4, 5});
    const int length = os::testing::ScrollBarLength(window, os::SB_HORZ);
    os::testing::ClickScrollBar(window, os::SB_HORZ, {length - 4, 5});
    const std::vector<Request> expected = {{os::WM_HSCROLL, os::SB_LINEUP, 0},
                                           {os::WM_HSCROLL, os::SB_ENDSCROLL, 0},
                                           {os::WM_HSCROLL, os::SB_LINEDOWN, 0},
                                           {os::WM_HSCROLL, os::SB_ENDSCROLL, 0}};
    EXPECT_EQ(requests, expected);
    EXPECT_EQ(Info(os::SB_HORZ).nPos, 0);
}

TEST_F(ScrollBarWindowTest, ThumbDragTracksThenDropsThenEnds) {
    os::ShowScrollBar(window, os::SB_VERT, true);
    os::testing::DragScrollThumb(window, os::SB_VERT, 60);
    ASSERT_GE(requests.size(), 3u);
    EXPECT_EQ(requests.front().code, os::SB_THUMBTRACK);
    EXPECT_GT(requests.front().position, 0);
    const Request& drop = requests[requests.size() - 2];
    EXPECT_EQ(drop.code, os::SB_THUMBPOSITION);
    EXPECT_GT(drop.position, requests.front().position);
    EXPECT_EQ(requests.back().code, os::SB_ENDSCROLL);
    EXPECT_EQ(Info(os::SB_VERT).nPos, 0);  // nobody moved it
}

TEST_F(ScrollBarWindowTest, WheelNeedsAShownVerticalBar) {
    os::testing::WheelNotches(window, {10, 10}, -1);
    EXPECT_TRUE(requests.empty());
    os::ShowScrollBar(window, os::SB_VERT, true);
    os::testing::WheelNotches(window, {10, 10}, -1);
    const std::vector<Request> expected = {{os::WM_VSCROLL, os::SB_LINEDOWN, 0},
                                           {os::WM_VSCROLL, os::SB_LINEDOWN, 0},
                                           {os::WM_VSCROLL, os::SB_LINEDOWN, 0},
                                           {os::WM_VSCROLL, os::SB_ENDSCROLL, 0}};
    EXPECT_EQ(requests, expected);
}

}  // namespace
