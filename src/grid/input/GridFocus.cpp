#include "grid/input/GridFocus.h"

#include "grid/view/GridSelection.h"

namespace grid {

namespace {

void MarkSelectedCells(VbGrid& grid) {
    for (std::int32_t r = grid.SelectionFirstRow(); r <= grid.SelectionLastRow(); ++r) {
        if (!grid.CellsStored(r)) continue;  // a fresh row has no selected cell
        GridCell* cells = grid.CellRow(r);
        for (std::int32_t d = 0; d < grid.Cols(); ++d)
            if (cells[d].selected) cells[d].dirty = true;
    }
}

}  // namespace

void FocusChanged(VbGrid& grid, bool hasFocus) {
    grid.SetHasFocus(hasFocus);
    if (!grid.FocusInside()) {
        grid.RequestRepaint();
        return;
    }
    GridSelection selection(grid.Parts());
    if (grid.MultiSelect()) {
        MarkSelectedCells(grid);
    } else if (grid.Settings().selectionMode == SelectionMode::ByColumn) {
        for (std::int32_t r = 0; r < grid.Rows(); ++r) grid.SetCellDirty(r, grid.col());
    } else if (grid.Settings().selectionMode == SelectionMode::ByRow) {
        grid.SetRowDirty(grid.row());
        const std::int32_t editable = selection.FirstEditableColumn();
        if (editable >= 0) grid.PlaceFocus(grid.row(), editable);
    }
    selection.TouchFocus();
    grid.RequestRepaint();
}

}  // namespace grid
