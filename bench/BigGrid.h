#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "calc/texts/ResultColumns.h"
#include "grid/control/GridControl.h"
#include "os/desktop/EventLoop.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"

namespace bench {

// A results grid of 400,000 rows at the main window's size (30 rows of 16
// pixels on screen), shared by the benchmarks of one program. It lives until
// main ends it with Release, while the application still exists.
struct BigGrid {
    static constexpr std::int32_t kRows = 400000;

    BigGrid() {
        parent = os::CreateWidgetWindow("form", 0, {0, 0, 520, 560});
        control = std::make_unique<grid::GridControl>(parent, os::RECT{0, 0, 500, 30 * 16});
        os::ShowWindow(parent, os::SW_SHOW);
        grid::VbGrid& g = control->Grid();
        for (std::size_t c = 0; c < calc::kResultColumnCount; ++c) g.AddColumn();
        g.SetRedraw(false);
        for (std::int32_t r = 0; r < kRows; ++r) {
            g.AddRow();
            g.SetTextMatrix(r, 0, std::to_string(20 + r % 56));
            g.SetTextMatrix(r, 1, std::to_string(20 + r / 56 % 56));
            g.SetTextMatrix(r, 4, "0.0" + std::to_string(r % 1000));
            g.SetTextMatrix(r, 6, "25.4");
        }
        g.SetRedraw(true);
        os::ProcessEventsUntil([] { return false; }, 50);
    }
    ~BigGrid() {
        control.reset();
        os::DestroyWindow(parent);
    }
    BigGrid(const BigGrid&) = delete;
    BigGrid& operator=(const BigGrid&) = delete;

    grid::VbGrid& Grid() const { return control->Grid(); }

    static BigGrid& Shared() {
        if (!Slot()) Slot() = std::make_unique<BigGrid>();
        return *Slot();
    }
    static void Release() { Slot().reset(); }

    os::HWND parent = 0;
    std::unique_ptr<grid::GridControl> control;

private:
    static std::unique_ptr<BigGrid>& Slot() {
        static std::unique_ptr<BigGrid> grid;
        return grid;
    }
};

}  // namespace bench
