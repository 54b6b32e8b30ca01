// A virtual grid whose host serves 1,000,000 rows: what one page of rows
// costs when the view moves past the rows there are (asked for, appended,
// filled and drawn).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "grid/control/GridControl.h"
#include "os/commoncontrols/ScrollBars.h"
#include "os/desktop/EventLoop.h"
#include "os/windows/Messages.h"
#include "os/windows/Messaging.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"
#include "os/testing/OffscreenApplication.h"

namespace {

constexpr std::int32_t kHostRows = 1000000;
constexpr int kColumns = 9;

class MillionRows : public grid::GridEvents {
public:
    explicit MillionRows(grid::VbGrid& grid) : grid_(grid) {}
    void RequestRow(std::int32_t lRow, std::string& sKey, bool&, std::int32_t&, bool&, bool& bNoMoreRows) override {
        if (lRow >= kHostRows) bNoMoreRows = true;
        else sKey = std::to_string(lRow);
    }
    void RequestRowData(std::int32_t lRow) override {
        grid_.SetTextMatrix(lRow, 0, std::to_string(20 + lRow % 56));
        grid_.SetTextMatrix(lRow, 1, std::to_string(20 + lRow / 56 % 56));
        grid_.SetTextMatrix(lRow, 4, "0.0" + std::to_string(lRow % 1000));
        grid_.SetTextMatrix(lRow, 6, "25.4");
    }

private:
    grid::VbGrid& grid_;
};

// The main window's grid size: 30 rows of 16 pixels on screen.
struct VirtualGrid {
    VirtualGrid() {
        parent = os::CreateWidgetWindow("form", 0, {0, 0, 520, 560});
        control = std::make_unique<grid::GridControl>(parent, os::RECT{0, 0, 500, 30 * 16});
        os::ShowWindow(parent, os::SW_SHOW);
        grid::VbGrid& g = control->Grid();
        host = std::make_unique<MillionRows>(g);
        g.SetEvents(host.get());
        for (int c = 0; c < kColumns; ++c) g.AddColumn();
        g.SetVirtual(true);
        g.Refresh();
        os::ProcessEventsUntil([] { return false; }, 50);
    }
    ~VirtualGrid() {
        control.reset();
        os::DestroyWindow(parent);
    }
    os::HWND parent = 0;
    std::unique_ptr<grid::GridControl> control;
    std::unique_ptr<MillionRows> host;
};

// Each press of the bar's end shows the next page, which the host serves.
void BM_OneVirtualPage(benchmark::State& state) {
    VirtualGrid f;
    grid::VbGrid& g = f.control->Grid();
    for (auto _ : state) {
        os::SendMessage(f.control->Window(), os::WM_VSCROLL, static_cast<os::WPARAM>(os::SB_BOTTOM), 0);
        if (!g.ServingVirtualRows()) state.SkipWithError("the host ran out of rows");
    }
    state.counters["rows"] = g.Rows();
    state.counters["rows_per_page"] =
        benchmark::Counter(static_cast<double>(g.Rows()) / static_cast<double>(state.iterations() + 1));
}
BENCHMARK(BM_OneVirtualPage)->Iterations(2000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    os::testing::OffscreenApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
