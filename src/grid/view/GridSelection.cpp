#include "grid/view/GridSelection.h"

#include <algorithm>
#include <climits>

namespace grid {

// A fresh row holds no selected cell: unselecting it changes nothing, and
// it stays unstored.
bool GridSelection::Set(std::int32_t row, std::int32_t dataIndex, bool toggle, bool value) {
    if (!toggle && !value && !parts_.cells.Stored(static_cast<std::size_t>(row))) return false;
    GridCell& cell = parts_.cells.Row(static_cast<std::size_t>(row))[dataIndex];
    const bool next = toggle ? !cell.selected : value;
    if (next == cell.selected) return false;
    cell.selected = next;
    cell.dirty = true;
    return true;
}

bool GridSelection::SelectCell(std::int32_t col, std::int32_t row, bool toggle, bool value) {
    if (row < 0 || row >= parts_.Rows() || col < 0 || col >= parts_.Cols()) return false;
    const bool changed = Set(row, col, toggle, value);
    if (changed) parts_.view.NoteSelectedRows(row, row);
    return changed;
}

bool GridSelection::SelectRow(std::int32_t row, bool toggle, bool value) {
    if (row < 0 || row >= parts_.Rows()) return false;
    bool changed = false;
    for (std::int32_t d = 0; d < parts_.Cols(); ++d) changed |= Set(row, d, toggle, value);
    if (changed) {
        parts_.view.NoteSelectedRows(row, row);
        parts_.rows.SetDirty(row, true);
    }
    return changed;
}

bool GridSelection::SelectColumn(std::int32_t col, bool toggle, bool value) {
    if (col < 0 || col >= parts_.Cols()) return false;
    bool changed = false;
    for (std::int32_t r = 0; r < parts_.Rows(); ++r) changed |= Set(r, col, toggle, value);
    if (changed) parts_.view.NoteSelectedRows(0, parts_.Rows() - 1);
    return changed;
}

// Only the rows that may hold selected cells need a look, and the one row
// that is to be selected.
void GridSelection::SelectOnlyRow(std::int32_t row) {
    const std::int32_t cols = parts_.Cols();
    auto walk = [&](std::int32_t r) {
        for (std::int32_t d = 0; d < cols; ++d) Set(r, d, false, r == row);
    };
    for (std::int32_t r = parts_.view.SelectionFirstRow(); r <= parts_.view.SelectionLastRow(parts_.Rows()); ++r) walk(r);
    const bool inside = row >= 0 && row < parts_.Rows();
    if (inside && (row < parts_.view.SelectionFirstRow() || row > parts_.view.SelectionLastRow(parts_.Rows()))) walk(row);
    if (inside) parts_.view.SetSelectionRows(row, row);
    else parts_.view.SetSelectionRows(INT32_MAX, -1);
}

void GridSelection::SelectOnlyColumn(std::int32_t col) {
    const std::int32_t cols = parts_.Cols();
    for (std::int32_t r = 0; r < parts_.Rows(); ++r) {
        for (std::int32_t d = 0; d < cols; ++d) Set(r, d, false, d == col);
    }
    if (col >= 0 && col < cols) parts_.view.SetSelectionRows(0, parts_.Rows() - 1);
    else parts_.view.SetSelectionRows(INT32_MAX, -1);
}

void GridSelection::SetAllSelected(bool value) {
    const std::int32_t cols = parts_.Cols();
    const std::int32_t first = value ? 0 : parts_.view.SelectionFirstRow();
    const std::int32_t last = value ? parts_.Rows() - 1 : parts_.view.SelectionLastRow(parts_.Rows());
    for (std::int32_t r = first; r <= last; ++r) {
        for (std::int32_t d = 0; d < cols; ++d) Set(r, d, false, value);
    }
    if (value && cols > 0) parts_.view.SetSelectionRows(0, parts_.Rows() - 1);
    else parts_.view.SetSelectionRows(INT32_MAX, -1);
}

void GridSelection::SelectBlock(std::int32_t row1, std::int32_t row2, std::int32_t position1, std::int32_t position2) {
    const auto [top, bottom] = std::minmax(row1, row2);
    const auto [left, right] = std::minmax(position1, position2);
    for (std::int32_t p = 0; p < parts_.Cols(); ++p) {
        const std::int32_t d = parts_.columns.At(p).dataIndex;
        const bool inColumns = p >= left && p <= right;
        for (std::int32_t r = 0; r < parts_.Rows(); ++r)
            Set(r, d, false, inColumns && r >= top && r <= bottom);
    }
    parts_.view.SetSelectionRows(std::max(0, top), std::min(parts_.Rows() - 1, bottom));
}

SelectionUnit GridSelection::ModeUnit() const {
    switch (parts_.settings.selectionMode) {
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
    if (!parts_.FocusInside()) return;
    parts_.SetCellDirty(parts_.view.Row(), parts_.view.Col());
}

void GridSelection::MoveSingleSelection(bool select, std::int32_t previousCol, std::int32_t previousRow) {
    if (parts_.Rows() == 0 || parts_.Cols() == 0) return;
    if (parts_.view.Row() < 0 || parts_.view.Col() < 0) parts_.view.PlaceFocus(std::max(0, parts_.view.Row()), std::max(0, parts_.view.Col()));
    if (previousCol < 0) previousCol = parts_.view.LastDrawnCol();
    if (previousRow < 0) previousRow = parts_.view.LastDrawnRow();
    previousRow = std::clamp(previousRow, 0, parts_.Rows() - 1);
    previousCol = std::clamp(previousCol, 0, parts_.Cols() - 1);
    switch (ModeUnit()) {
    case SelectionUnit::Row: {
        SelectRow(previousRow, false, false);
        if (select) SelectRow(parts_.view.Row(), false, true);
        const std::int32_t editable = FirstEditableColumn();
        if (editable >= 0) parts_.view.PlaceFocus(parts_.view.Row(), editable);
        break;
    }
    case SelectionUnit::Column:
        SelectColumn(previousCol, false, false);
        if (select) SelectColumn(parts_.view.Col(), false, true);
        break;
    case SelectionUnit::Cell:
        SelectCell(previousCol, previousRow, false, false);
        if (select) SelectCell(parts_.view.Col(), parts_.view.Row(), false, true);
        break;
    }
}

std::int32_t GridSelection::FirstEditableColumn() const {
    for (const GridColumn& column : parts_.columns.Table())
        if (column.editable) return column.dataIndex;
    return -1;
}

}  // namespace grid
