// The print preview of a long calculation, offscreen: laying the table out
// on the preview, painting its first page and its last. Reports the rows,
// the memory the process holds with the results shown, and what the
// preview adds to it (resident set, from /proc/self/statm).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QAbstractScrollArea>
#include <fstream>
#include <memory>

#include "app/preview/PreviewTable.h"
#include "app/results/ResultsFill.h"
#include "app/results/ResultsTable.h"
#include "app/preview/frmPrint.h"
#include "calc/texts/ResultColumns.h"
#include "grid/control/GridControl.h"
#include "os/desktop/EventLoop.h"
#include "os/testing/OffscreenApplication.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"

namespace {

double ResidentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

calc::GearSet FiftySixGears() {
    std::vector<std::int32_t> counts;
    for (int teeth = 20; teeth <= 75; ++teeth) counts.push_back(teeth);
    return calc::GearSet(counts);
}

// 56 gears 20..75, both include options, 1 mm, at the tolerance given in percent.
void BM_PreviewOfFiftySixGears(benchmark::State& state) {
    const os::HWND parent = os::CreateWidgetWindow("form", 0, {0, 0, 520, 560});
    auto control = std::make_unique<grid::GridControl>(parent, os::RECT{0, 0, 500, 30 * 16});
    grid::VbGrid& grid = control->Grid();
    for (int c = 0; c < static_cast<int>(calc::kResultColumnCount); ++c) grid.AddColumn();
    calc::SearchInputs in;
    in.request = 1.0;
    in.tolerance = static_cast<double>(state.range(0));
    in.includeLow = in.includeIntersecting = true;
    auto results = std::make_unique<app::ResultsTable>(in, FiftySixGears());
    app::ShowResults(grid, *results);
    const double shown = ResidentMegabytes();
    auto preview = std::make_unique<app::frmPrint>();
    preview->Show();
    for (auto _ : state) {
        forms::PreviewSurface& surface = preview->Surface();
        surface.Clear();
        surface.SetContent(std::make_unique<app::PreviewTable>(grid, surface));
        preview->Window().Widget()->findChild<QAbstractScrollArea*>()->viewport()->repaint();
        surface.SetScrollTop(surface.ScrollMax());
        preview->Window().Widget()->findChild<QAbstractScrollArea*>()->viewport()->repaint();
    }
    state.counters["rows"] = grid.Rows();
    state.counters["shown_MB"] = shown;
    state.counters["preview_adds_MB"] = ResidentMegabytes() - shown;
    preview.reset();
    control.reset();
    os::DestroyWindow(parent);
}

}  // namespace

BENCHMARK(BM_PreviewOfFiftySixGears)->Arg(50)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    os::testing::OffscreenApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
