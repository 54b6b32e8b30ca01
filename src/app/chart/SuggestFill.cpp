#include "app/chart/SuggestFill.h"

#include <cstdint>
#include <utility>

#include "app/chart/ChartTable.h"
#include "app/files/LanguageFile.h"
#include "app/results/ResultsGridSetup.h"
#include "calc/suggest/SuggestionTexts.h"
#include "grid/core/VbGrid.h"
#include "runtime/NumberSeparators.h"

namespace app {

namespace {

constexpr std::int32_t kColumns = 4;  // the fields of a suggestion but its threads
constexpr std::int32_t kColumnWidths[kColumns] = {1200, 1300, 1100, 1400};
constexpr const char* kHeaderKeys[kColumns] = {"suggestgears", "suggestgained", "suggestexact", "suggesterrors"};
constexpr std::int32_t kAlignLeft = 1;

// A handful of rows whose threads live no longer than this call: the grid
// keeps their texts and colours in its own cells.
void FillCells(grid::VbGrid& grid, const grid::GridTable& table) {
    grid.SetDelayedRedraw(true);
    grid.SetRows(0);
    for (std::int32_t row = 0; row < table.RowCount(); ++row) {
        grid.AddRow();
        for (std::int32_t column = 0; column < grid.Cols(); ++column) {
            grid.SetTextMatrix(row, column, table.Text(row, column));
            const std::int32_t colour = table.ForeColour(row, column);
            if (colour != -1) grid.SetCellForeColor(row, column, colour);
        }
    }
    grid.SetDelayedRedraw(false);
}

}  // namespace

void SetUpSuggestGrid(grid::VbGrid& grid) {
    SetUpResultsGrid(grid);
    grid.SetCols(kColumns);
    for (std::int32_t c = 0; c < kColumns; ++c) {
        const std::string title = calc::SuggestionHeaders()[static_cast<std::size_t>(c)];
        grid.SetColumnHeader(runtime::Variant(c), ReadLangText(kHeaderKeys[c], "frmSuggest", title));
        grid.SetColWidth(runtime::Variant(c), kColumnWidths[c]);
        grid.SetColAlignment(runtime::Variant(c), kAlignLeft);
        grid.SetColAutoResize(runtime::Variant(c), false);
        grid.SetColToolTip(runtime::Variant(c), "");
    }
    grid.SetDelayedRedraw(false);
}

void ShowSuggestionList(grid::VbGrid& grid, const std::vector<calc::GearSuggestion>& list,
                        const std::vector<calc::WantedThread>& threads) {
    grid.SetDelayedRedraw(true);
    grid.SetRows(0);
    const runtime::NumberSeparators& separators = runtime::UserSeparators();
    for (std::size_t i = 0; i < list.size(); ++i) {
        grid.AddRow();
        const calc::SuggestionFields fields = calc::SuggestionRowFields(list[i], threads, separators);
        for (std::int32_t c = 0; c < kColumns; ++c)
            grid.SetTextMatrix(static_cast<std::int32_t>(i), c, fields[static_cast<std::size_t>(c)]);
    }
    grid.SetDelayedRedraw(false);
}

void ShowGains(grid::VbGrid& grid, const calc::GearSuggestion* suggestion, const std::vector<calc::WantedThread>& threads,
               const ChartTolerances& tolerances) {
    std::vector<calc::ThreadEntry> entries;
    std::vector<calc::ChartRow> rows;
    if (suggestion) {
        entries.reserve(suggestion->gains.size());
        for (const calc::ThreadGain& gain : suggestion->gains) {
            const calc::WantedThread& thread = threads[gain.thread];
            entries.push_back({thread.name, thread.tpi ? calc::ThreadKind::Tpi : calc::ThreadKind::Mm, thread.value});
            rows.push_back({&entries.back(), gain.train});
        }
    }
    FillCells(grid, ChartTable(std::move(rows), suggestion ? suggestion->gears : calc::GearSet(), tolerances));
}

}  // namespace app
