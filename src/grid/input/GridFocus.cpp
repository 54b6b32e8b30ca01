#include "grid/input/GridFocus.h"

#include "grid/view/GridSelection.h"

namespace grid {

namespace {

void MarkSelectedCells(const GridInputParts& grid) {
    for (std::int32_t r = grid.view.SelectionFirstRow(); r <= grid.view.SelectionLastRow(grid.Rows()); ++r) {
        if (!grid.cells.Stored(static_cast<std::size_t>(r))) continue;  // a fresh row has no selected cell
        GridCell* cells = grid.cells.Row(static_cast<std::size_t>(r));
        for (std::int32_t d = 0; d < grid.Cols(); ++d)
            if (cells[d].selected) cells[d].dirty = true;
    }
}

}  // namespace

void FocusChanged(const GridInputParts& grid, bool hasFocus) {
    grid.view.SetHasFocus(hasFocus);
    if (!grid.FocusInside()) {
        grid.host.RequestRepaint(false);
        return;
    }
    GridSelection selection(grid);
    if (grid.host.MultiSelect()) {
        MarkSelectedCells(grid);
    } else if (grid.settings.selectionMode == SelectionMode::ByColumn) {
        for (std::int32_t r = 0; r < grid.Rows(); ++r) grid.SetCellDirty(r, grid.view.Col());
    } else if (grid.settings.selectionMode == SelectionMode::ByRow) {
        grid.rows.SetDirty(grid.view.Row(), true);
        const std::int32_t editable = selection.FirstEditableColumn();
        if (editable >= 0) grid.view.PlaceFocus(grid.view.Row(), editable);
    }
    selection.TouchFocus();
    grid.host.RequestRepaint(false);
}

}  // namespace grid
