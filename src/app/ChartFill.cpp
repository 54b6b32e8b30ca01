#include "app/ChartFill.h"

#include "app/ResultsGridSetup.h"
#include "grid/VbGrid.h"
#include "calc/ThreadChart.h"

namespace app {

namespace {

constexpr std::int32_t kThreadColumnWidth = 1500;  // twips
constexpr std::int32_t kAlignLeft = 1;

}  // namespace

void SetUpChartGrid(grid::VbGrid& grid) {
    SetUpResultsGrid(grid);
    grid.SetColumnHeader(runtime::Variant(0), calc::ChartHeaders()[0]);
    grid.SetColWidth(runtime::Variant(0), kThreadColumnWidth);
    grid.SetColAlignment(runtime::Variant(0), kAlignLeft);
    grid.SetDelayedRedraw(false);
}
}  // namespace app
