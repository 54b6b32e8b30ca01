#pragma once

#include <cstdint>

#include "grid/view/GridInputParts.h"

namespace grid {

// What a selection step takes as its unit: by SelectionMode, or one cell.
enum class SelectionUnit { Cell, Row, Column };

// Selecting cells, rows and columns. Every operation marks only the cells
// whose selected flag changed as dirty; painting is left to the step's one
// redraw request. Columns are data indices.
class GridSelection {
public:
    explicit GridSelection(const GridInputParts& parts) : parts_(parts) {}

    // toggle: invert the flag; else set it to value. True when it changed.
    bool SelectCell(std::int32_t col, std::int32_t row, bool toggle, bool value = false);
    bool SelectRow(std::int32_t row, bool toggle, bool value = false);
    bool SelectColumn(std::int32_t col, bool toggle, bool value = false);
    // Every cell: selected exactly when it is in that row (column).
    void SelectOnlyRow(std::int32_t row);
    void SelectOnlyColumn(std::int32_t col);
    void SetAllSelected(bool value);
    // Every cell: selected exactly when it lies in the block of rows and
    // display positions given (both ends included, in any order).
    void SelectBlock(std::int32_t row1, std::int32_t row2, std::int32_t position1, std::int32_t position2);

    // The unit of the grid's SelectionMode (1 rows, 2 columns, else cells).
    SelectionUnit ModeUnit() const;
    void ToggleUnit(SelectionUnit unit, std::int32_t row, std::int32_t col);
    // Selects the unit and nothing else.
    void SelectOnlyUnit(SelectionUnit unit, std::int32_t row, std::int32_t col);
    // Marks the focus cell for repainting, so that its focus rectangle moves.
    void TouchFocus();

    // Single selection (MultiSelect off): the previous unit loses its
    // selection, the current one gets it when select is true. A negative
    // previous cell means the focus cell at the latest redraw.
    void MoveSingleSelection(bool select, std::int32_t previousCol, std::int32_t previousRow);

    // The data index of the first editable column in display order, -1 when none.
    std::int32_t FirstEditableColumn() const;

private:
    bool Set(std::int32_t row, std::int32_t dataIndex, bool toggle, bool value);

    GridInputParts parts_;
};

}  // namespace grid
