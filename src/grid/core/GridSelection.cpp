#include "grid/core/GridSelection.h"

#include <algorithm>
#include <climits>

namespace grid {

// A fresh row holds no selected cell: unselecting it changes nothing, and
// it stays unstored.
bool GridSelection::Set(std::int32_t row, std::int32_t dataIndex, bool toggle, bool value) {
    if (!toggle && !value && !grid_.CellsStored(row)) return false;
    GridCell& cell = grid_.CellRow(row)[dataIndex];
    const bool next = toggle ? !cell.selected : value;
    if (next == cell.selected) return false;
    cell.selected = next;
    cell.dirty = true;
    return true;
}

bool GridSelection::SelectCell(std::int32_t col, std::int32_t row, bool toggle, bool value) {
    if (row < 0 || row >= grid_.Rows() || col < 0 || col >= grid_.Cols()) return false;
    const bool changed = Set(row, col, toggle, value);
    if (changed) grid_.NoteSelectedRows(row, row);
    return changed;
}

bool GridSelection::SelectRow(std::int32_t row, bool toggle, bool value) {
    if (row < 0 || row >= grid_.Rows()) return false;
    bool changed = false;
    for (std::int32_t d = 0; d < grid_.Cols(); ++d) changed |= Set(row, d, toggle, value);
    if (changed) {
        grid_.NoteSelectedRows(row, row);
        grid_.SetRowDirty(row);
    }
    return changed;
}

bool GridSelection::SelectColumn(std::int32_t col, bool toggle, bool value) {
    if (col < 0 || col >= grid_.Cols()) return false;
    bool changed = false;
    for (std::int32_t r = 0; r < grid_.Rows(); ++r) changed |= Set(r, col, toggle, value);
    if (changed) grid_.NoteSelectedRows(0, grid_.Rows() - 1);
    return changed;
}

// Only the rows that may hold selected cells need a look, and the one row
// that is to be selected.
void GridSelection::SelectOnlyRow(std::int32_t row) {
    const std::int32_t cols = grid_.Cols();
    auto walk = [&](std::int32_t r) {
        for (std::int32_t d = 0; d < cols; ++d) Set(r, d, false, r == row);
    };
    for (std::int32_t r = grid_.SelectionFirstRow(); r <= grid_.SelectionLastRow(); ++r) walk(r);
    const bool inside = row >= 0 && row < grid_.Rows();
    if (inside && (row < grid_.SelectionFirstRow() || row > grid_.SelectionLastRow())) walk(row);
    if (inside) grid_.SetSelectionRows(row, row);
    else grid_.SetSelectionRows(INT32_MAX, -1);
}

void GridSelection::SelectOnlyColumn(std::int32_t col) {
    const std::int32_t cols = grid_.Cols();
    for (std::int32_t r = 0; r < grid_.Rows(); ++r) {
        for (std::int32_t d = 0; d < cols; ++d) Set(r, d, false, d == col);
    }
    if (col >= 0 && col < cols) grid_.SetSelectionRows(0, grid_.Rows() - 1);
    else grid_.SetSelectionRows(INT32_MAX, -1);
}

void GridSelection::SetAllSelected(bool value) {
    const std::int32_t cols = grid_.Cols();
    const std::int32_t first = value ? 0 : grid_.SelectionFirstRow();
    const std::int32_t last = value ? grid_.Rows() - 1 : grid_.SelectionLastRow();
    for (std::int32_t r = first; r <= last; ++r) {
        for (std::int32_t d = 0; d < cols; ++d) Set(r, d, false, value);
    }
    if (value && cols > 0) grid_.SetSelectionRows(0, grid_.Rows() - 1);
    else grid_.SetSelectionRows(INT32_MAX, -1);
}

void GridSelection::SelectBlock(std::int32_t row1, std::int32_t row2, std::int32_t position1, std::int32_t position2) {
    const auto [top, bottom] = std::minmax(row1, row2);
    const auto [left, right] = std::minmax(position1, position2);
    for (std::int32_t p = 0; p < grid_.Cols(); ++p) {
        const std::int32_t d = grid_.ColumnAt(p).dataIndex;
        const bool inColumns = p >= left && p <= right;
        for (std::int32_t r = 0; r < grid_.Rows(); ++r)
            Set(r, d, false, inColumns && r >= top && r <= bottom);
    }
    grid_.SetSelectionRows(std::max(0, top), std::min(grid_.Rows() - 1, bottom));
}

SelectionUnit GridSelection::ModeUnit() const {
    switch (grid_.Settings().selectionMode) {
    case SelectionMode::ByRow: return SelectionUnit::Row;
    case SelectionMode::ByColumn: return SelectionUnit::Column;
    default: return SelectionUnit::Cell;
    }
}

void GridSelection::ToggleUnit(SelectionUnit unit, std::int32_t row, std::int32_t col) {
    switch (unit) {
    case SelectionUnit::Row: SelectRow(row, true); break;
    case SelectionUnit::Column: SelectColumn(col, true); break;
    case SelectionUnit::Cell: SelectCell(col, row, true); break;
    }
}

void GridSelection::SelectOnlyUnit(SelectionUnit unit, std::int32_t row, std::int32_t col) {
    switch (unit) {
    case SelectionUnit::Row: SelectOnlyRow(row); break;
    case SelectionUnit::Column: SelectOnlyColumn(col); break;
    case SelectionUnit::Cell:
        SetAllSelected(false);
        SelectCell(col, row, false, true);
        break;
    }
}

void GridSelection::TouchFocus() {
    if (!grid_.FocusInside()) return;
    grid_.SetCellDirty(grid_.row(), grid_.col());
}

void GridSelection::MoveSingleSelection(bool select, std::int32_t previousCol, std::int32_t previousRow) {
    if (grid_.Rows() == 0 || grid_.Cols() == 0) return;
    if (grid_.row() < 0 || grid_.col() < 0) grid_.PlaceFocus(std::max(0, grid_.row()), std::max(0, grid_.col()));
    if (previousCol < 0) previousCol = grid_.LastDrawnCol();
    if (previousRow < 0) previousRow = grid_.LastDrawnRow();
    previousRow = std::clamp(previousRow, 0, grid_.Rows() - 1);
    previousCol = std::clamp(previousCol, 0, grid_.Cols() - 1);
    switch (ModeUnit()) {
    case SelectionUnit::Row: {
        SelectRow(previousRow, false, false);
        if (select) SelectRow(grid_.row(), false, true);
        const std::int32_t editable = FirstEditableColumn();
        if (editable >= 0) grid_.PlaceFocus(grid_.row(), editable);
        break;
    }
    case SelectionUnit::Column:
        SelectColumn(previousCol, false, false);
        if (select) SelectColumn(grid_.col(), false, true);
        break;
    case SelectionUnit::Cell:
        SelectCell(previousCol, previousRow, false, false);
        if (select) SelectCell(grid_.col(), grid_.row(), false, true);
        break;
    }
}

std::int32_t GridSelection::FirstEditableColumn() const {
    for (const GridColumn& column : grid_.ColumnTable())
        if (column.editable) return column.dataIndex;
    return -1;
}

}  // namespace grid
