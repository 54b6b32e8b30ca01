#include "app/chart/ChartFill.h"

#include "app/results/ResultsGridSetup.h"
#include "calc/texts/ResultColumns.h"
#include "grid/core/VbGrid.h"
#include "calc/chart/ThreadChart.h"

namespace app {

namespace {

constexpr std::int32_t kThreadColumnWidth = 1500;  // twips
constexpr std::int32_t kAlignLeft = 1;
constexpr std::int32_t kGearColumnWidth = 420;  // twips: room for three digits, such as a 127

}  // namespace

void SetUpChartGrid(grid::VbGrid& grid) {
    SetUpResultsGrid(grid);
    grid.SetColumnHeader(runtime::Variant(0), calc::ChartHeaders()[0]);
    grid.SetColWidth(runtime::Variant(0), kThreadColumnWidth);
    grid.SetColAlignment(runtime::Variant(0), kAlignLeft);
    for (calc::ResultField gear :
         {calc::ResultField::GearA, calc::ResultField::GearB, calc::ResultField::GearC, calc::ResultField::GearD})
        grid.SetColWidth(runtime::Variant(static_cast<std::int32_t>(calc::ColumnOf(gear))), kGearColumnWidth);
    grid.SetDelayedRedraw(false);
}
}  // namespace app
