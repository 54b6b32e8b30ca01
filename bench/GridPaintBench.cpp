// A calculation filled into the results grid and painted, offscreen: the
// path from the calculate command to the rows on screen. Beside it, as the
// anchor, what a Qt developer would reach for: a QTableView over a
// QAbstractTableModel on the same sorted results, timed the same way.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QTableView>
#include <memory>

#include "app/results/ResultsFill.h"
#include "app/results/ResultsTable.h"
#include "calc/texts/ResultCellWriter.h"
#include "runtime/NumberSeparators.h"
#include "calc/texts/ResultColumns.h"
#include "calc/order/SortedTrains.h"
#include "grid/control/GridControl.h"
#include "os/desktop/EventLoop.h"
#include "os/qt/WidgetWindows.h"
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

// The results the grid shows, kept while it shows them.
std::unique_ptr<app::ResultsTable>& TableSlot() {
    static std::unique_ptr<app::ResultsTable> table;
    return table;
}

// The process's peak memory so far: run a case alone for its own figure.
void ReportPeakMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}

calc::GearSet FiftySixGears() {
    std::vector<std::int32_t> counts;
    for (int teeth = 20; teeth <= 75; ++teeth) counts.push_back(teeth);
    return calc::GearSet(counts);
}

// Search, sort, write every row as the main window does, and paint once.
void CalculateAndPaint(grid::VbGrid& g, const calc::GearSet& gears, const calc::SearchInputs& in) {
    g.SetRows(0);
    TableSlot().reset();
    auto results = std::make_unique<app::ResultsTable>(in, gears);
    app::ShowResults(g, *results);
    TableSlot() = std::move(results);
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

// The anchor's model: the sorted results, each cell's text written when
// the view asks for it, by the same writer.
class SortedResultsModel : public QAbstractTableModel {
public:
    SortedResultsModel(const calc::SearchInputs& inputs, const calc::GearSet& gears)
        : gears_(gears), trains_(inputs, gears_), writer_(gears_, runtime::UserSeparators()) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(std::min<std::size_t>(trains_.Size(), INT32_MAX));
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(calc::kResultColumnCount);
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole) return {};
        const auto row = static_cast<std::size_t>(index.row());
        const std::string_view text = writer_.Write(trains_.Row(row), row)[static_cast<std::size_t>(index.column())];
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
        const std::string_view title = calc::kResultColumns[static_cast<std::size_t>(section)].title;
        return QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
    }

private:
    calc::GearSet gears_;
    mutable calc::SortedTrains trains_;
    mutable calc::ResultCellWriter writer_;
};

// A table view of the grid's size, rows of the grid's height, no row header.
struct AnchorScreen {
    AnchorScreen() {
        view.resize(500, 30 * 16);
        view.verticalHeader()->setDefaultSectionSize(16);
        view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view.verticalHeader()->hide();
        view.show();
    }
    QTableView view;
    std::unique_ptr<SortedResultsModel> model;
};

std::unique_ptr<AnchorScreen>& AnchorSlot() {
    static std::unique_ptr<AnchorScreen> screen;
    return screen;
}

void RunAnchor(benchmark::State& state, const calc::GearSet& gears, double tolerance) {
    if (!AnchorSlot()) AnchorSlot() = std::make_unique<AnchorScreen>();
    AnchorScreen& screen = *AnchorSlot();
    calc::SearchInputs in;
    in.request = 1.0;
    in.tolerance = tolerance;
    in.includeLow = in.includeIntersecting = true;
    for (auto _ : state) {
        screen.view.setModel(nullptr);
        screen.model.reset();
        screen.model = std::make_unique<SortedResultsModel>(in, gears);
        screen.view.setModel(screen.model.get());
        screen.view.viewport()->repaint();  // the first page, painted now
    }
    state.counters["rows"] = screen.model->rowCount({});
    ReportPeakMemory(state);
}

void BM_AnchorFiftySixGearsFivePercent(benchmark::State& state) { RunAnchor(state, FiftySixGears(), 5); }
void BM_AnchorFiftySixGearsFiftyPercent(benchmark::State& state) { RunAnchor(state, FiftySixGears(), 50); }

void BM_FactoryCase(benchmark::State& state) { Run(state, calc::GearSet(), 0.1, false); }
void BM_FiftySixGearsOnePercent(benchmark::State& state) { Run(state, FiftySixGears(), 1, true); }
void BM_FiftySixGearsFivePercent(benchmark::State& state) {
    Run(state, FiftySixGears(), 5, true);
    ReportPeakMemory(state);
}
// The largest case: 3,746,149 rows. Reports the process's peak memory.
void BM_FiftySixGearsFiftyPercent(benchmark::State& state) {
    Run(state, FiftySixGears(), 50, true);
    ReportPeakMemory(state);
}

// Every train of the 56 gears, as a tolerance of 100000 % lists them:
// 8,818,040 rows.
void BM_FiftySixGearsEveryTrain(benchmark::State& state) {
    Run(state, FiftySixGears(), 100000, true);
    ReportPeakMemory(state);
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
BENCHMARK(BM_AnchorFiftySixGearsFivePercent)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_AnchorFiftySixGearsFiftyPercent)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FullRepaintOf30Rows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OneChangedCell)->Unit(benchmark::kMicrosecond);
// Last, so that its memory does not count in the others' peaks.
BENCHMARK(BM_FiftySixGearsEveryTrain)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    os::testing::OffscreenApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ScreenSlot().reset();
    AnchorSlot().reset();
    TableSlot().reset();
    return 0;
}
