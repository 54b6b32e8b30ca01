// Scrolling the results grid through 400,000 rows, offscreen: what one
// press of a scroll-bar part costs once the table is filled.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "calc/ResultTexts.h"
#include "grid/GridControl.h"
#include "os/desktop/EventLoop.h"
#include "os/windows/Messages.h"
#include "os/windows/Messaging.h"
#include "os/commoncontrols/ScrollBars.h"
#include "os/windows/Window.h"
#include "os/testing/OffscreenApplication.h"

namespace {

constexpr std::int32_t kRows = 400000;

// The main window's grid size: 30 rows of 16 pixels on screen.
struct FilledGrid {
    FilledGrid() {
        parent = os::CreateWidgetWindow("form", 0, {0, 0, 520, 560});
        control = std::make_unique<grid::GridControl>(parent, os::RECT{0, 0, 500, 30 * 16});
        os::ShowWindow(parent, os::SW_SHOW);
        grid::VbGrid& g = control->Grid();
        for (int c = 0; c < static_cast<int>(calc::kResultColumnCount); ++c) g.AddColumn();
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
    ~FilledGrid() {
        control.reset();
        os::DestroyWindow(parent);
    }
    void Request(os::UINT message, int request) const {
        os::SendMessage(control->Window(), message, static_cast<os::WPARAM>(request), 0);
    }
    os::HWND parent = 0;
    std::unique_ptr<grid::GridControl> control;
};

// The grid lives until main ends it, while the application still exists.
std::unique_ptr<FilledGrid>& GridSlot() {
    static std::unique_ptr<FilledGrid> grid;
    return grid;
}

FilledGrid& TheGrid() {
    if (!GridSlot()) GridSlot() = std::make_unique<FilledGrid>();
    return *GridSlot();
}

// Page down, and back up when the end is near, so every press moves.
void BM_OnePageAt400000Rows(benchmark::State& state) {
    FilledGrid& f = TheGrid();
    grid::VbGrid& g = f.control->Grid();
    f.Request(os::WM_VSCROLL, os::SB_TOP);
    for (auto _ : state) {
        const bool nearEnd = g.TopRow() > kRows - 100;
        f.Request(os::WM_VSCROLL, nearEnd ? os::SB_TOP : os::SB_PAGEDOWN);
    }
    state.counters["top_row"] = g.TopRow();
}

void BM_OneLineAt400000Rows(benchmark::State& state) {
    FilledGrid& f = TheGrid();
    f.Request(os::WM_VSCROLL, os::SB_TOP);
    int i = 0;
    for (auto _ : state) f.Request(os::WM_VSCROLL, ++i % 2 ? os::SB_LINEDOWN : os::SB_LINEUP);
}

void BM_EndAndBackAt400000Rows(benchmark::State& state) {
    FilledGrid& f = TheGrid();
    for (auto _ : state) {
        f.Request(os::WM_VSCROLL, os::SB_BOTTOM);
        f.Request(os::WM_VSCROLL, os::SB_TOP);
    }
}

}  // namespace

BENCHMARK(BM_OnePageAt400000Rows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OneLineAt400000Rows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EndAndBackAt400000Rows)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    os::testing::OffscreenApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    GridSlot().reset();
    return 0;
}
