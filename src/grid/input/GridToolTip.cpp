#include "grid/input/GridToolTip.h"

namespace grid {

namespace {

constexpr const char* kTipSeparator = "   -   ";

}  // namespace

std::string CellTipText(const GridInputParts& grid, std::int32_t row, std::int32_t col) {
    const GridCell& cell = grid.host.CellAt(row, col);
    const GridColumn& column = grid.columns.At(grid.columns.PositionOf(col));
    std::string tip = cell.Extras().toolTip;
    const std::string text = grid.host.TextMatrix(row, col);
    if (tip.empty()) tip = column.toolTip;
    // The room the drawing leaves the text: the cell less its margins.
    const std::int32_t margins = (Drawn(grid.settings.gridLines) ? 4 : 2) + cell.Extras().indent;
    const bool cutOff = !column.check && grid.host.EvaluateTextWidth(row, col, true) > column.width - margins;
    if (!text.empty() && cutOff) tip = tip.empty() ? text : text + kTipSeparator + tip;
    if (tip.empty()) tip = grid.host.ToolTip();
    return tip;
}

}  // namespace grid
