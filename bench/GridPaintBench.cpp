// A calculation filled into the results grid and painted, offscreen: the
// path from the calculate command to the rows on screen.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <memory>

#include "app/ResultsFill.h"
#include "calc/ResultColumns.h"
#include "calc/SortedTrains.h"
#include "grid/GridControl.h"
#include "os/desktop/EventLoop.h"
#include "os/windows/Window.h"
#include "os/testing/OffscreenApplication.h"

namespace {

struct Screen {
    Screen() {
        parent = os::CreateWidgetWindow("form", 0, {0, 0, 520, 560});
        control = std::make_unique<grid::GridControl>(parent, os::RECT{0, 0, 500, 30 * 16});
        os::ShowWindow(parent, os::SW_SHOW);
        for (int c = 0; c < static_cast<int>(calc::kResultColumnCount); ++c) control->Grid().AddColumn();
        os::ProcessEventsUntil([] { return false; }, 50);
    }
    ~Screen() {
        control.reset();
        os::DestroyWindow(parent);
    }
    os::HWND parent = 0;
    std::unique_ptr<grid::GridControl> control;
};

// The screen lives until main ends it, while the application still exists.
std::unique_ptr<Screen>& ScreenSlot() {
    static std::unique_ptr<Screen> screen;
    return screen;
}

Screen& TheScreen() {
    if (!ScreenSlot()) ScreenSlot() = std::make_unique<Screen>();
    return *ScreenSlot();
}

calc::GearSet FiftySixGears() {
    std::vector<std::int32_t> counts;
    for (int teeth = 20; teeth <= 75; ++teeth) counts.push_back(teeth);
    return calc::GearSet(counts);
}

// Search, sort, write every row as the main window does, and paint once.
void CalculateAndPaint(grid::VbGrid& g, const calc::GearSet& gears, const calc::SearchInputs& in) {
    g.SetRows(0);
    calc::SortedTrains sorted(in, gears);
    app::ShowResults(g, sorted, gears);
    g.Refresh();
}

void Run(benchmark::State& state, const calc::GearSet& gears, double tolerance, bool both) {
    grid::VbGrid& g = TheScreen().control->Grid();
    calc::SearchInputs in;
    in.request = 1.0;
    in.tolerance = tolerance;
    in.includeLow = in.includeIntersecting = both;
    for (auto _ : state) CalculateAndPaint(g, gears, in);
    state.counters["rows"] = g.Rows();
}

void BM_FactoryCase(benchmark::State& state) { Run(state, calc::GearSet(), 0.1, false); }
void BM_FiftySixGearsOnePercent(benchmark::State& state) { Run(state, FiftySixGears(), 1, true); }
void BM_FiftySixGearsFivePercent(benchmark::State& state) { Run(state, FiftySixGears(), 5, true); }
// The largest case: 3,746,149 rows. Reports the process's peak memory.
void BM_FiftySixGearsFiftyPercent(benchmark::State& state) {
    Run(state, FiftySixGears(), 50, true);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}

void BM_FullRepaintOf30Rows(benchmark::State& state) {
    grid::VbGrid& g = TheScreen().control->Grid();
    calc::SearchInputs in;
    in.request = 1.0;
    in.tolerance = 1;
    CalculateAndPaint(g, FiftySixGears(), in);
    for (auto _ : state) g.Refresh();
    state.counters["rows_drawn_per_pass"] = 30;
}

void BM_OneChangedCell(benchmark::State& state) {
    grid::VbGrid& g = TheScreen().control->Grid();
    int i = 0;
    for (auto _ : state) {
        g.SetTextMatrix(3, 5, std::to_string(++i));
        os::ProcessEventsUntil([] { return true; }, 0);
    }
}

}  // namespace

BENCHMARK(BM_FactoryCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FiftySixGearsOnePercent)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FiftySixGearsFivePercent)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FiftySixGearsFiftyPercent)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FullRepaintOf30Rows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OneChangedCell)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    os::testing::OffscreenApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ScreenSlot().reset();
    return 0;
}
