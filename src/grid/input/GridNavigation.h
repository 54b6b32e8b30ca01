#pragma once

#include <cstdint>

#include "grid/view/GridInputParts.h"

namespace grid {

// Moving the focus cell over the visible rows and columns, and finishing a
// step: the focus cell is scrolled into view and painted once.
class GridNavigation {
public:
    explicit GridNavigation(const GridInputParts& parts) : parts_(parts) {}

    // Moves the focus cell by dx columns (display order) or dy rows,
    // skipping hidden ones; across a row's end it wraps to the next or
    // previous visible row, never back into row 0.
    void MoveCurrent(std::int32_t dx, std::int32_t dy);
    // The lowest (highest) visible row; 0 (-1) when none is visible.
    std::int32_t FirstVisibleRow() const;
    std::int32_t LastVisibleRow() const;
    // The row a page up (down) from the focus row reaches.
    std::int32_t PageUpRow() const;
    std::int32_t PageDownRow() const;
    // Scrolls the focus cell into view; when nothing scrolled, draws what
    // the step made dirty.
    void FinishStep();

private:
    void MoveHorizontally(std::int32_t dx);
    void MoveVertically(std::int32_t dy);
    // A column the walk may stop on: visible, or the row-text column outside row mode.
    bool Stoppable(std::int32_t position) const;
    bool RowVisible(std::int32_t row) const { return parts_.RowAt(row).visible; }
    std::int32_t VisibleHeight() const;

    GridInputParts parts_;
};

}  // namespace grid
