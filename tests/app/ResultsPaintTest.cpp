// The results as the main window shows them after a calculation.
#include <gtest/gtest.h>

#include <cstdlib>

#include "MainWindowFixture.h"
#include "forms/testing/UserInput.h"
#include "os/drawing/DeviceContext.h"
#include "os/drawing/Drawing.h"

namespace {

// True when some pixel of the rectangle differs from the cell background.
bool HasInk(os::HWND window, const os::RECT& rect, os::COLORREF background) {
    const os::HDC dc = os::GetDC(window);
    bool ink = false;
    for (int y = rect.top; y < rect.bottom && !ink; ++y)
        for (int x = rect.left; x < rect.right && !ink; ++x) ink = os::GetPixel(dc, x, y) != background;
    os::ReleaseDC(window, dc);
    return ink;
}

os::COLORREF PixelAt(os::HWND window, int x, int y) {
    const os::HDC dc = os::GetDC(window);
    const os::COLORREF colour = os::GetPixel(dc, x, y);
    os::ReleaseDC(window, dc);
    return colour;
}

}  // namespace

TEST_F(MainWindowTest, TheFactoryCalculationIsPaintedInTheGrid) {
    app::frmMain& main = Open();
    forms::testing::TypeText(Inputs().request, "1.0");
    forms::testing::ClickWith(Controls().calculate, 1);
    os::ProcessEventsUntil([] { return false; }, 200);
    grid::VbGrid& g = main.Grid();
    ASSERT_EQ(g.Rows(), 26);
    const os::HWND window = g.hWnd();
    const os::COLORREF background = PixelAt(window, 2, 2);  // no cell reaches the corner pixel
    // The first visible rows carry their number and their gears; a row far
    // below the window is not drawn.
    for (std::int32_t row : {0, 1, 2}) {
        for (std::int32_t col : {0, 1, 4, 6}) {
            std::int32_t left, top, width, height;
            g.CellBoundary(row, col, left, top, width, height, false);
            const os::COLORREF cellBackground = PixelAt(window, left + width / 2, top + 1);
            EXPECT_TRUE(HasInk(window, {left + 1, top + 1, left + width - 1, top + height - 1}, cellBackground))
                << "row " << row << " column " << col;
        }
    }
    (void)background;
    if (const char* path = std::getenv("KESTRANY_SCREENSHOT")) forms::testing::SaveScreenshot(main.Window(), path);
}

TEST_F(MainWindowTest, RefillingRepaintsEveryRow) {
    app::frmMain& main = Open();
    forms::testing::TypeText(Inputs().request, "1.0");
    forms::testing::ClickWith(Controls().calculate, 1);
    os::ProcessEventsUntil([] { return false; }, 150);
    grid::VbGrid& g = main.Grid();
    std::int32_t left, top, width, height;
    g.CellBoundary(0, 1, left, top, width, height, false);
    const os::COLORREF background = PixelAt(g.hWnd(), left + width - 3, top + 1);
    ASSERT_TRUE(HasInk(g.hWnd(), {left + 1, top + 1, left + width - 1, top + height - 1}, background));
    // A request that finds nothing empties the grid: the rows' place shows the background strip.
    forms::testing::ClearByTyping(Inputs().request);
    forms::testing::TypeText(Inputs().request, "1000");
    forms::testing::ClickWith(Controls().calculate, 1);
    os::ProcessEventsUntil([] { return false; }, 150);
    EXPECT_EQ(g.Rows(), 0);
    const os::COLORREF strip = PixelAt(g.hWnd(), left + 5, top + height + 20);
    EXPECT_FALSE(HasInk(g.hWnd(), {left + 1, top + 1, left + width - 1, top + height - 1}, strip));
}
