// A monkey at the grid: thousands of random keys, clicks, drags, wheel turns
// and resizes on a grid of 400 rows. After every event the current cell lies
// inside the grid; now and then the picture must equal a full repaint. Any
// handler that fails reaches the report hook, which fails the test.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "grid/control/GridControl.h"
#include "grid/model/GridSettings.h"
#include "os/drawing/DeviceContext.h"
#include "os/drawing/Drawing.h"
#include "os/testing/SimulatedInput.h"
#include "os/testing/WindowInput.h"
#include "os/desktop/EventLoop.h"
#include "os/windows/VirtualKeys.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"

namespace {

class GridMonkey : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = os::CreateWidgetWindow("form", 0, {0, 0, 520, 420});
        control_ = std::make_unique<grid::GridControl>(parent_, os::RECT{0, 0, 480, 360});
        os::ShowWindow(parent_, os::SW_SHOW);
        grid::VbGrid& g = control_->Grid();
        g.SetRedraw(false);
        for (int c = 0; c < 7; ++c) g.AddColumn("", "col " + std::to_string(c));
        for (int r = 0; r < 400; ++r) {
            g.AddRow();
            for (int c = 0; c < 7; ++c) g.SetTextMatrix(r, c, std::to_string(r * 7 + c) + (c == 6 ? " a longer text" : ""));
        }
        g.SetFixedCols(1);
        g.SetColEditable(runtime::Variant(3), true);
        g.SetKeySearchColumn(2);
        g.SetAllowBigSelection(true);
        g.SetRedraw(true);
        Settle();
    }
    void TearDown() override {
        control_.reset();
        os::DestroyWindow(parent_);
    }
    void Settle() { os::ProcessEventsUntil([] { return false; }, 30); }
    std::vector<os::COLORREF> Picture() {
        os::RECT client;
        os::GetClientRect(control_->Window(), client);
        std::vector<os::COLORREF> pixels;
        const os::HDC dc = os::GetDC(control_->Window());
        for (int y = 0; y < client.bottom; y += 2)
            for (int x = 0; x < client.right; x += 2) pixels.push_back(os::GetPixel(dc, x, y));
        os::ReleaseDC(control_->Window(), dc);
        return pixels;
    }

    os::HWND parent_ = 0;
    std::unique_ptr<grid::GridControl> control_;
};

TEST_F(GridMonkey, TenThousandRandomEventsLeaveAConsistentGrid) {
    constexpr int kEvents = 10000;
    static const int keys[] = {os::VK_LEFT, os::VK_RIGHT, os::VK_UP,     os::VK_DOWN, os::VK_PRIOR, os::VK_NEXT,
                               os::VK_HOME, os::VK_END,   os::VK_TAB,    os::VK_RETURN, os::VK_ESCAPE,
                               os::VK_SPACE, 'A',         '1',           'Z',         os::VK_DELETE, os::VK_BACK};
    std::mt19937 random(12081967);
    const auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    grid::VbGrid& g = control_->Grid();
    const os::HWND window = control_->Window();
    for (int n = 0; n < kEvents; ++n) {
        const std::int16_t shift = static_cast<std::int16_t>(pick(4) == 0 ? pick(4) : 0);
        const os::POINT at{pick(500) - 10, pick(380) - 10};
        switch (pick(8)) {
        case 0: case 1: case 2:
            os::testing::KeyClick(window, keys[pick(static_cast<int>(std::size(keys)))], shift);
            break;
        case 3:
            os::testing::MouseClick(window, os::LeftButton, at, shift);
            break;
        case 4:
            os::testing::MousePress(window, at);
            os::testing::MouseMoveTo(window, {at.x + pick(200) - 100, at.y + pick(200) - 100}, true);
            os::testing::MouseRelease(window, {at.x + pick(40), at.y + pick(40)});
            break;
        case 5:
            os::testing::WheelNotches(window, at, pick(7) - 3);
            break;
        case 6:
            os::testing::MouseDoubleClick(window, at);
            break;
        default:
            os::MoveWindow(window, 0, 0, 120 + pick(380), 60 + pick(300));
            break;
        }
        os::ProcessPendingEvents();
        ASSERT_GE(g.row(), 0) << "event " << n;
        ASSERT_LT(g.row(), g.Rows()) << "event " << n;
        ASSERT_GE(g.col(), 0) << "event " << n;
        ASSERT_LT(g.col(), g.Cols()) << "event " << n;
        if (n % 250 == 249) {
            Settle();
            const std::vector<os::COLORREF> shown = Picture();
            g.Refresh();
            ASSERT_EQ(shown, Picture()) << "event " << n;
        }
    }
}

}  // namespace
