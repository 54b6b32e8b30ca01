// Filling the results grid: rows of short texts, one per results column, through AddRow and
// TextMatrix, as the calculation fills it.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>

#include "calc/texts/ResultTexts.h"
#include "grid/core/VbGrid.h"

namespace {

std::size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;  // small blocks and mapped large ones
}

void FillResults(grid::VbGrid& g, int rows) {
    static const calc::ResultRow texts = {"", "80", "60", "40", "45", "-0.0123", "1.0312", "24.6301", ""};
    g.SetDelayedRedraw(true);
    g.ReserveRows(rows);  // as a host that writes a long list cell by cell does
    for (int r = 0; r < rows; ++r) {
        g.AddRow();
        g.SetTextMatrix(r, 0, std::to_string(r + 1));
        g.SetCellForeColor(r, 0, 30 << 16);  // the row numbers' colour, as the main window sets it
        for (std::size_t c = 1; c < texts.size(); ++c) g.SetTextMatrix(r, static_cast<int>(c), texts[c]);
    }
    g.SetDelayedRedraw(false);
}

void BM_FillGrid(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    double bytesPerRow = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto g = std::make_unique<grid::VbGrid>();
        for (std::size_t c = 0; c < calc::kResultColumnCount; ++c) g->AddColumn();
        const std::size_t before = HeapInUse();
        state.ResumeTiming();
        FillResults(*g, rows);
        state.PauseTiming();
        bytesPerRow = static_cast<double>(HeapInUse() - before) / rows;
        g.reset();
        state.ResumeTiming();
    }
    state.counters["bytes_per_row"] = bytesPerRow;
}

}  // namespace

BENCHMARK(BM_FillGrid)->Arg(400000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
