// A virtual grid: its rows are asked of the host as the view reaches them.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/control/GridControl.h"
#include "os/commoncontrols/ScrollBars.h"
#include "os/desktop/EventLoop.h"
#include "os/windows/Messages.h"
#include "os/windows/Messaging.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"
#include "os/testing/OffscreenApplication.h"

using grid::VbGrid;

namespace {

// Hands out `total` rows: row n has key "kn" and shows n in column 0.
// Rows listed as hidden are hidden, rows listed as tall are 480 twips high.
class RowHost : public grid::GridEvents {
public:
    RowHost(VbGrid& grid, std::int32_t total) : grid_(grid), total_(total) {}

    void RequestRow(std::int32_t lRow, std::string& sKey, bool& bVisible, std::int32_t& lHeight, bool&,
                    bool& bNoMoreRows) override {
        asked.push_back(lRow);
        if (lRow >= total_) {
            bNoMoreRows = true;
            return;
        }
        sKey = "k" + std::to_string(lRow);
        for (std::int32_t r : hidden) bVisible = bVisible && r != lRow;
        for (std::int32_t r : tall)
            if (r == lRow) lHeight = 480;
    }
    void RequestRowData(std::int32_t lRow) override {
        filled.push_back(lRow);
        grid_.SetTextMatrix(lRow, 0, std::to_string(lRow));
    }

    std::vector<std::int32_t> asked, filled, hidden, tall;

private:
    VbGrid& grid_;
    std::int32_t total_;
};

std::vector<std::int32_t> Count(std::int32_t from, std::int32_t to) {
    std::vector<std::int32_t> numbers;
    for (std::int32_t n = from; n < to; ++n) numbers.push_back(n);
    return numbers;
}

// A 300 x 200 grid window with two columns, rows of 16 pixels.
class VirtualGrid : public ::testing::Test {
protected:
    void Open(std::int32_t rows) {
        parent_ = os::CreateWidgetWindow("form", 0, {0, 0, 320, 240});
        control_ = std::make_unique<grid::GridControl>(parent_, os::RECT{0, 0, 300, 200});
        host_ = std::make_unique<RowHost>(Grid(), rows);
        Grid().SetEvents(host_.get());
        Grid().AddColumn();
        Grid().AddColumn();
        os::ShowWindow(parent_, os::SW_SHOW);
    }
    void TearDown() override {
        control_.reset();
        os::DestroyWindow(parent_);
    }
    VbGrid& Grid() { return control_->Grid(); }
    RowHost& Host() { return *host_; }
    void Settle() { os::ProcessEventsUntil([] { return false; }, 40); }
    void Request(int request) { os::SendMessage(control_->Window(), os::WM_VSCROLL, static_cast<os::WPARAM>(request), 0); }
    std::int32_t Page() { return control_->Scrolling().Bars().LargeChange(controls::EScrollBar::Vertical); }

    os::HWND parent_ = 0;
    std::unique_ptr<grid::GridControl> control_;
    std::unique_ptr<RowHost> host_;
};

}  // namespace

TEST_F(VirtualGrid, TheRowsOnScreenAreAskedForAndDescribedByTheHost) {
    Open(1000);
    Host().hidden = {2};
    Host().tall = {4};
    Grid().SetVirtual(true);
    Grid().Refresh();
    Settle();
    // 200 pixels: rows 0, 1, 3 and 5 to 12 of 16 pixels and row 4 of 32; row 2 takes no room.
    EXPECT_EQ(Grid().Rows(), 13);
    EXPECT_EQ(Host().asked, Count(0, 13));
    EXPECT_EQ(Host().filled, Count(0, 13));
    EXPECT_EQ(Grid().RowKey(7), "k7");
    EXPECT_FALSE(Grid().RowVisible(2));
    EXPECT_EQ(Grid().RowHeight(4), 480);
    EXPECT_EQ(Grid().TextMatrix(12, 0), "12");
    EXPECT_TRUE(Grid().ServingVirtualRows());
    EXPECT_TRUE(Grid().Redraw());
    Grid().Refresh();  // a filled window asks for nothing more
    EXPECT_EQ(Host().asked.size(), 13u);
}

TEST_F(VirtualGrid, ScrollingTowardsTheEndOfAMillionRowsAppendsOnlyTheRowsPassed) {
    Open(1000000);
    Grid().SetVirtual(true);
    Grid().Refresh();
    Settle();
    for (int step = 0; step < 300; ++step) {
        Request(step % 3 == 0 ? os::SB_PAGEDOWN : os::SB_BOTTOM);
        // The rows reach just past the view's bottom edge.
        const std::int32_t below = Grid().ScrollableHeight() - Grid().VerticalOffset() - Page();
        ASSERT_GE(below, 0) << step;
        ASSERT_LT(below, 16) << step;
    }
    EXPECT_GT(Grid().Rows(), 3000);
    EXPECT_EQ(Host().asked, Count(0, Grid().Rows()));  // each once, in order
    EXPECT_EQ(Host().filled, Host().asked);
    EXPECT_EQ(Grid().TextMatrix(Grid().Rows() - 1, 0), std::to_string(Grid().Rows() - 1));
}

TEST_F(VirtualGrid, AHostWithoutMoreRowsEndsVirtualModeUntilTheGridIsCleared) {
    Open(40);
    Grid().SetVirtual(true);
    Grid().Refresh();
    for (int step = 0; step < 6; ++step) Request(os::SB_BOTTOM);
    EXPECT_EQ(Grid().Rows(), 40);
    EXPECT_EQ(Host().asked.back(), 40);  // the row it did not have
    EXPECT_FALSE(Grid().ServingVirtualRows());
    EXPECT_TRUE(Grid().Virtual());
    Settle();
    EXPECT_EQ(Grid().VerticalOffset(), 40 * 16 - Page());  // the bar ends at the last row again
    const std::size_t asked = Host().asked.size();
    Request(os::SB_BOTTOM);
    EXPECT_EQ(Host().asked.size(), asked);

    Grid().Clear();
    EXPECT_TRUE(Grid().ServingVirtualRows());
    Host().asked.clear();
    Grid().Refresh();
    Settle();
    EXPECT_EQ(Host().asked, Count(0, 13));
}
