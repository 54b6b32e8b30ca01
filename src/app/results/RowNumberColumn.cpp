#include "app/results/RowNumberColumn.h"

#include <cstdint>

#include "calc/texts/ResultColumns.h"
#include "grid/core/VbGrid.h"

namespace app {

void FitRowNumberColumn(grid::VbGrid& grid) {
    constexpr auto kColumn = static_cast<std::int32_t>(calc::ColumnOf(calc::ResultField::RowNumber));
    if (grid.Rows() == 0 || grid.Cols() <= kColumn) return;
    // The last row holds the largest number, and more digits never measure narrower.
    const std::int32_t needed = grid.CellFittingWidth(grid.Rows() - 1, kColumn);
    const runtime::Variant column(kColumn);
    if (needed > grid.ToPixelsX(grid.ColWidth(column))) grid.SetColWidth(column, grid.ToTwipsX(needed));
}

}  // namespace app
