// Scrolling the results grid through 400,000 rows, offscreen: what one
// press of a scroll-bar part costs once the table is filled.
#include <benchmark/benchmark.h>

#include "BigGrid.h"

#include <memory>
#include <string>

#include "calc/texts/ResultTexts.h"
#include "grid/control/GridControl.h"
#include "os/desktop/EventLoop.h"
#include "os/windows/Messages.h"
#include "os/windows/Messaging.h"
#include "os/commoncontrols/ScrollBars.h"
#include "os/windows/Window.h"
#include "os/testing/OffscreenApplication.h"

namespace {

constexpr std::int32_t kRows = bench::BigGrid::kRows;

void Request(const bench::BigGrid& f, os::UINT message, int request) {
    os::SendMessage(f.control->Window(), message, static_cast<os::WPARAM>(request), 0);
}

bench::BigGrid& TheGrid() { return bench::BigGrid::Shared(); }

// Page down, and back up when the end is near, so every press moves.
void BM_OnePageAt400000Rows(benchmark::State& state) {
    bench::BigGrid& f = TheGrid();
    grid::VbGrid& g = f.control->Grid();
    Request(f, os::WM_VSCROLL, os::SB_TOP);
    for (auto _ : state) {
        const bool nearEnd = g.TopRow() > kRows - 100;
        Request(f, os::WM_VSCROLL, nearEnd ? os::SB_TOP : os::SB_PAGEDOWN);
    }
    state.counters["top_row"] = g.TopRow();
}

void BM_OneLineAt400000Rows(benchmark::State& state) {
    bench::BigGrid& f = TheGrid();
    Request(f, os::WM_VSCROLL, os::SB_TOP);
    int i = 0;
    for (auto _ : state) Request(f, os::WM_VSCROLL, ++i % 2 ? os::SB_LINEDOWN : os::SB_LINEUP);
}

void BM_EndAndBackAt400000Rows(benchmark::State& state) {
    bench::BigGrid& f = TheGrid();
    for (auto _ : state) {
        Request(f, os::WM_VSCROLL, os::SB_BOTTOM);
        Request(f, os::WM_VSCROLL, os::SB_TOP);
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
    bench::BigGrid::Release();
    return 0;
}
