// Walking and selecting the results grid at 400,000 rows, offscreen, with
// the main window's settings (rows selected, several at once allowed):
// what a key press costs until the focus move is painted, and what one
// select-only step costs.
#include <benchmark/benchmark.h>

#include "BigGrid.h"

#include <memory>
#include <string>

#include "calc/texts/ResultColumns.h"
#include "calc/texts/ResultTexts.h"
#include "grid/control/GridControl.h"
#include "grid/view/GridSelection.h"
#include "os/testing/OffscreenApplication.h"
#include "os/testing/SimulatedInput.h"
#include "os/desktop/EventLoop.h"
#include "os/windows/VirtualKeys.h"
#include "os/windows/Window.h"

namespace {

constexpr std::int32_t kRows = bench::BigGrid::kRows;

// The shared grid with the main window's selection settings, focused.
struct FilledGrid {
    FilledGrid() : big(bench::BigGrid::Shared()) {
        grid::VbGrid& g = big.Grid();
        g.SetSelectionMode(1);
        g.SetAllowBigSelection(true);
        g.ViewState().SetHasFocus(true);
    }
    grid::VbGrid& Grid() const { return big.Grid(); }
    void Key(int key) const { os::testing::KeyClick(big.control->Window(), key); }
    bench::BigGrid& big;
};

FilledGrid& TheGrid() {
    static FilledGrid grid;
    return grid;
}

// Holding Page Down: each press moves a page, selects the new row and
// paints the scrolled view; at the end, back to the top untimed.
void BM_PageDownAt400000Rows(benchmark::State& state) {
    FilledGrid& f = TheGrid();
    for (auto _ : state) {
        if (f.Grid().row() >= kRows - 100) {
            state.PauseTiming();
            f.Key(os::VK_HOME);
            state.ResumeTiming();
        }
        f.Key(os::VK_NEXT);
    }
    benchmark::DoNotOptimize(f.Grid().row());
}
BENCHMARK(BM_PageDownAt400000Rows)->Unit(benchmark::kMillisecond);

// One arrow key, to the focus move painted.
void BM_ArrowKeyAt400000Rows(benchmark::State& state) {
    FilledGrid& f = TheGrid();
    bool down = true;
    for (auto _ : state) {
        f.Key(down ? os::VK_DOWN : os::VK_UP);
        down = !down;
    }
}
BENCHMARK(BM_ArrowKeyAt400000Rows)->Unit(benchmark::kMillisecond);

// One select-only step that looks at every cell of the grid (the rows that
// may hold a selection are forgotten first), and one as the keys meet it.
void BM_SelectOnlyRowEveryCell(benchmark::State& state) {
    FilledGrid& f = TheGrid();
    grid::GridSelection selection(f.Grid().InputParts());
    std::int32_t row = 0;
    for (auto _ : state) {
        f.Grid().ViewState().ForgetSelectionRows();
        selection.SelectOnlyRow(row);
        row = (row + 7919) % kRows;
    }
}
BENCHMARK(BM_SelectOnlyRowEveryCell)->Unit(benchmark::kMillisecond);

void BM_SelectOnlyRowStep(benchmark::State& state) {
    FilledGrid& f = TheGrid();
    grid::GridSelection selection(f.Grid().InputParts());
    std::int32_t row = 0;
    for (auto _ : state) {
        selection.SelectOnlyRow(row);
        row = (row + 7919) % kRows;
    }
}
BENCHMARK(BM_SelectOnlyRowStep)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    os::testing::OffscreenApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    bench::BigGrid::Release();
    return 0;
}
