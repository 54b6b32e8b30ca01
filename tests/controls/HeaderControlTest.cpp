#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/cHeaderControl.h"
#include "os/commoncontrols/CommonControls.h"
#include "os/windows/Messaging.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"
#include "os/testing/WindowInput.h"

namespace {

using controls::EHeaderAlignment;

struct HeaderLog : controls::IHeaderControlEvents {
    void ColumnWidthChanged(std::int32_t c, std::int32_t w) override {
        Add("Changed", c, w);
        if (onChanged) onChanged(c, w);
    }
    void ColumnWidthChanging(std::int32_t c, std::int32_t w, bool& cancel) override {
        Add("Changing", c, w);
        cancel = cancelChanging;
    }
    void StartColumnWidthChange(std::int32_t c, std::int32_t w, bool& cancel) override {
        Add("Start", c, w);
        cancel = cancelStart;
    }
    void DividerDblClick(std::int32_t c) override { Add("DividerDblClick", c); }
    void ColumnClick(std::int32_t c) override { Add("Click", c); }
    void ColumnDblClick(std::int32_t c) override { Add("DblClick", c); }
    void ColumnBeginDrag(std::int32_t c) override { Add("BeginDrag", c); }
    void ColumnEndDrag(std::int32_t c, std::int32_t order) override { Add("EndDrag", c, order); }
    void RightClick(float x, float y) override { Add("RightClick", static_cast<int>(x), static_cast<int>(y)); }
    void RecreateControl() override { events.push_back("Recreate"); }

    void Add(const std::string& name, int a, int b = -999) {
        events.push_back(name + " " + std::to_string(a) + (b == -999 ? "" : " " + std::to_string(b)));
    }
    std::vector<std::string> events;
    bool cancelStart = false;
    bool cancelChanging = false;
    std::function<void(int, int)> onChanged;
};

class HeaderControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent = os::CreateWidgetWindow("Grid", 0, {0, 0, 400, 300});
        os::ShowWindow(parent, os::SW_SHOW);
        header.Init(parent, true);
        for (const char* title : {"No", "A", "D"}) header.Insert(title, 100);
    }
    void TearDown() override {
        header.Destroy();
        os::DestroyWindow(parent);
    }

    // Drags the divider at the right of the first item from x 100 to x.
    void DragDivider(int x) {
        os::testing::MousePress(header.hWnd(), {100, 10});
        os::testing::MouseMoveTo(header.hWnd(), {(100 + x) / 2, 10}, true);
        os::testing::MouseMoveTo(header.hWnd(), {x, 10}, true);
        os::testing::MouseRelease(header.hWnd(), {x, 10});
    }

    os::HWND parent = 0;
    HeaderLog log;
    controls::cHeaderControl header{&log};
};

TEST_F(HeaderControlTest, StartsAsAButtonsHeaderTwentyPixelsHighAcrossTheParent) {
    EXPECT_EQ(os::GetClassName(header.hWnd()), "SysHeader32");
    EXPECT_TRUE(header.Buttons());
    EXPECT_TRUE(header.HotTrack());
    EXPECT_TRUE(header.Visible());
    EXPECT_EQ(header.Height(), 20);
    EXPECT_EQ(header.Width(), 400);
    EXPECT_TRUE(os::IsWindowVisible(header.hWnd()));
}

TEST_F(HeaderControlTest, ItemsKeepTheirFields) {
    EXPECT_EQ(header.Count(), 3);
    header.SetAlignment(1, EHeaderAlignment::Centre);
    header.SetData(1, 7);
    header.SetText(2, "Dee");
    header.SetOrder(2, 0);
    EXPECT_EQ(header.Text(0), "No");
    EXPECT_EQ(header.Text(2), "Dee");
    EXPECT_EQ(header.Alignment(1), EHeaderAlignment::Centre);
    EXPECT_EQ(header.Data(1), 7);
    EXPECT_EQ(header.Order(2), 0);
    EXPECT_EQ(header.Order(0), 1);
    EXPECT_TRUE(header.Delete(0));
    EXPECT_EQ(header.Count(), 2);
    EXPECT_EQ(header.Text(0), "A");
    EXPECT_EQ(header.ColumnWidth(-1), -1);
    EXPECT_EQ(header.ColumnWidth(5), 0);
    EXPECT_EQ(header.Text(5), "");
}

TEST_F(HeaderControlTest, WidthLetRaisesChangedAfterTheWrite) {
    header.SetColumnWidth(1, 55);
    header.SetColumnWidth(9, 55);
    EXPECT_EQ(header.ColumnWidth(1), 55);
    EXPECT_EQ(log.events, std::vector<std::string>{"Changed 1 55"});
}

TEST_F(HeaderControlTest, DraggingADividerResizesWithItsEvents) {
    DragDivider(140);
    ASSERT_GE(log.events.size(), 3u);
    EXPECT_EQ(log.events.front(), "Start 0 100");
    EXPECT_EQ(log.events[log.events.size() - 2], "Changing 0 140");
    EXPECT_EQ(log.events.back(), "Changed 0 140");
    EXPECT_EQ(header.ColumnWidth(0), 140);
}

struct RefusedCase {
    const char* name;
    bool allowResize, cancelStart, cancelChanging;
    std::vector<std::string> events;
};

TEST_F(HeaderControlTest, RefusedResizingKeepsTheWidth) {
    const RefusedCase cases[] = {
        {"resizing not allowed", false, false, false, {}},
        {"start cancelled", true, true, false, {"Start 0 100"}},
        {"changing cancelled", true, false, true, {"Start 0 100", "Changing 0 120"}},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.name);
        header.SetAllowResize(c.allowResize);
        log.cancelStart = c.cancelStart;
        log.cancelChanging = c.cancelChanging;
        log.events.clear();
        DragDivider(140);
        EXPECT_EQ(log.events, c.events);
        EXPECT_EQ(header.ColumnWidth(0), 100);
    }
}

TEST_F(HeaderControlTest, AWidthPutBackWhileReportingTheChangeStays) {
    // As the grid does: the width written back raises Changed again, and
    // is ignored while the grid is writing it.
    bool writing = false;
    log.onChanged = [&](int column, int) {
        if (writing) return;
        EXPECT_EQ(header.ReportedItem(), column);
        writing = true;
        header.SetColumnWidth(column, 100);
        writing = false;
    };
    DragDivider(160);
    EXPECT_EQ(header.ColumnWidth(0), 100);
    EXPECT_EQ(header.ReportedItem(), -1);
}

TEST_F(HeaderControlTest, ClicksAndDoubleClicks) {
    os::testing::MousePress(header.hWnd(), {150, 10});
    os::testing::MouseRelease(header.hWnd(), {150, 10});
    os::testing::MouseDoubleClick(header.hWnd(), {250, 10});
    log.events.clear();
    os::testing::MouseDoubleClick(header.hWnd(), {200, 10});
    EXPECT_EQ(log.events.back(), "DividerDblClick 1");
    log.events.clear();
    os::testing::MousePress(header.hWnd(), {50, 10});
    os::testing::MouseRelease(header.hWnd(), {50, 10});
    EXPECT_EQ(log.events, std::vector<std::string>{"Click 0"});
}

TEST_F(HeaderControlTest, ItemDoubleClickAndRightClick) {
    os::testing::MouseDoubleClick(header.hWnd(), {250, 10});
    EXPECT_EQ(log.events.back(), "DblClick 2");
    log.events.clear();
    os::testing::RightClick(header.hWnd(), {30, 4});
    EXPECT_EQ(log.events, std::vector<std::string>{"RightClick 450 60"});
}

TEST_F(HeaderControlTest, DraggingAnItemReordersIt) {
    header.SetDragReOrderColumns(true);
    os::testing::MousePress(header.hWnd(), {50, 10});
    os::testing::MouseMoveTo(header.hWnd(), {150, 10}, true);
    os::testing::MouseMoveTo(header.hWnd(), {250, 10}, true);
    os::testing::MouseRelease(header.hWnd(), {250, 10});
    EXPECT_EQ(log.events, (std::vector<std::string>{"BeginDrag 0", "EndDrag 0 2"}));
    EXPECT_EQ(header.Order(0), 2);
    EXPECT_EQ(header.Order(1), 0);
}

TEST_F(HeaderControlTest, WithoutDragStyleAnItemStaysPut) {
    os::testing::MousePress(header.hWnd(), {50, 10});
    os::testing::MouseMoveTo(header.hWnd(), {250, 10}, true);
    os::testing::MouseRelease(header.hWnd(), {250, 10});
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(header.Order(0), 0);
}

TEST_F(HeaderControlTest, LayoutIsAnsweredWithTheParentsClientArea) {
    os::RECT area{0, 0, 10, 10};
    os::WINDOWPOS position;
    os::HDLAYOUT layout{&area, &position};
    EXPECT_EQ(os::SendMessage(header.hWnd(), os::HDM_LAYOUT, 0, reinterpret_cast<os::LPARAM>(&layout)), 1);
    EXPECT_EQ(position.x, 0);
    EXPECT_EQ(position.cx, 400);
    EXPECT_EQ(position.cy, 300);
}

TEST_F(HeaderControlTest, RecreateGivesANewEmptyHeaderAndTellsTheHost) {
    const os::HWND before = header.hWnd();
    header.Recreate();
    EXPECT_NE(header.hWnd(), before);
    EXPECT_FALSE(os::IsWindow(before));
    EXPECT_EQ(header.Count(), 0);
    EXPECT_EQ(log.events, std::vector<std::string>{"Recreate"});
}

TEST_F(HeaderControlTest, AMissingClassIsRegisteredAndCreationRetried) {
    header.Destroy();
    os::UnregisterClass("SysHeader32");
    EXPECT_EQ(header.Create(), os::ERROR_CANNOT_FIND_WND_CLASS);
    EXPECT_EQ(header.hWnd(), 0);
    header.Init(parent, true);
    EXPECT_TRUE(os::IsWindow(header.hWnd()));
}

TEST_F(HeaderControlTest, DisablingSwitchesButtonsOff) {
    header.SetEnabled(false);
    EXPECT_FALSE(os::IsWindowEnabled(header.hWnd()));
    EXPECT_EQ(os::GetWindowLong(header.hWnd(), os::GWL_STYLE) & os::HDS_BUTTONS, 0);
    header.SetEnabled(true);
    EXPECT_NE(os::GetWindowLong(header.hWnd(), os::GWL_STYLE) & os::HDS_BUTTONS, 0);
}

}  // namespace
