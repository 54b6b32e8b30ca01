#include "app/ChartFill.h"

#include "app/ResultsGridSetup.h"
#include "calc/ResultColumns.h"
#include "grid/VbGrid.h"
#include "runtime/NumberSeparators.h"

namespace app {

namespace {

constexpr std::int32_t kThreadColumnWidth = 1500;  // twips
constexpr std::int32_t kAlignLeft = 1;
constexpr std::int32_t kGearColumnWidth = 420;  // twips: room for three digits, such as a 127

double ToleranceFor(const calc::ThreadEntry& thread, const ChartTolerances& tolerances) {
    return thread.kind == calc::ThreadKind::Tpi ? tolerances.tpi : tolerances.mm;
}

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

void ShowChart(grid::VbGrid& grid, const std::vector<calc::ChartRow>& rows, const calc::GearSet& gears,
               const ChartTolerances& tolerances) {
    grid.SetDelayedRedraw(true);
    grid.SetRows(0);
    const runtime::NumberSeparators& separators = runtime::UserSeparators();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto row = static_cast<std::int32_t>(i);
        grid.AddRow();
        const calc::ChartTexts texts = calc::ChartRowTexts(rows[i], gears, separators);
        const bool within = rows[i].Within(ToleranceFor(*rows[i].thread, tolerances));
        for (std::size_t c = 0; c < texts.size(); ++c) {
            const auto column = static_cast<std::int32_t>(c);
            grid.SetTextMatrix(row, column, texts[c]);
            if (!within) grid.SetCellForeColor(row, column, kOutsideToleranceColour);
        }
    }
    grid.SetDelayedRedraw(false);
}

}  // namespace app
