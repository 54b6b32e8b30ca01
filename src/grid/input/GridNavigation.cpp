#include "grid/input/GridNavigation.h"

#include "grid/core/GridLayout.h"
#include "grid/view/GridSelection.h"

namespace grid {

bool GridNavigation::Stoppable(std::int32_t position) const {
    if (grid_.ColumnAt(position).visible) return true;
    return position == grid_.RowTextStartColumn() && grid_.Settings().selectionMode != SelectionMode::ByRow;
}

void GridNavigation::MoveCurrent(std::int32_t dx, std::int32_t dy) {
    if (grid_.Rows() == 0 || grid_.Cols() == 0) return;
    if (dx != 0) MoveHorizontally(dx);
    else if (dy != 0) MoveVertically(dy);
}

void GridNavigation::MoveHorizontally(std::int32_t dx) {
    const std::int32_t cols = grid_.Cols();
    std::int32_t p = grid_.PositionOfDataIndex(grid_.col()) + dx;
    while (p >= 0 && p < cols && !Stoppable(p)) p += dx;
    if (p >= 0 && p < cols) {
        grid_.PlaceFocus(grid_.row(), grid_.ColumnAt(p).dataIndex);
        return;
    }
    // Past either end: the next visible row in that direction, at its first
    // (last) stoppable column. Row 0 is never reached backwards.
    std::int32_t first = dx > 0 ? 0 : cols - 1;
    while (first >= 0 && first < cols && !Stoppable(first)) first -= dx < 0 ? 1 : -1;
    if (first < 0 || first >= cols) return;
    std::int32_t r = grid_.row() + (dx > 0 ? 1 : -1);
    const std::int32_t lowest = dx > 0 ? 0 : 1;
    while (r >= lowest && r < grid_.Rows() && !RowVisible(r)) r += dx > 0 ? 1 : -1;
    if (r < lowest || r >= grid_.Rows()) return;
    grid_.PlaceFocus(r, grid_.ColumnAt(first).dataIndex);
}

void GridNavigation::MoveVertically(std::int32_t dy) {
    const std::int32_t rows = grid_.Rows();
    std::int32_t r = grid_.row() + dy;
    for (std::int32_t n = 0; r >= 0 && r < rows && !RowVisible(r); ++n) {
        if (n >= rows) {
            grid_.PlaceFocus(-1, -1);
            return;
        }
        r += dy;
    }
    if (r >= rows) {
        grid_.PlaceFocus(rows - 1, grid_.col());
        return;
    }
    if (r < 0) {
        grid_.PlaceFocus(0, grid_.col());
        return;
    }
    std::int32_t col = grid_.col();
    if (grid_.RowTextStartColumn() >= 0 && grid_.PositionOfDataIndex(col) == grid_.RowTextStartColumn()) {
        for (std::int32_t p = 0; p < grid_.Cols(); ++p)
            if (grid_.ColumnAt(p).visible) {
                col = grid_.ColumnAt(p).dataIndex;
                break;
            }
    }
    grid_.PlaceFocus(r, col);
}

std::int32_t GridNavigation::FirstVisibleRow() const {
    for (std::int32_t r = 0; r < grid_.Rows(); ++r)
        if (RowVisible(r)) return r;
    return 0;
}

std::int32_t GridNavigation::LastVisibleRow() const {
    for (std::int32_t r = grid_.Rows() - 1; r >= 0; --r)
        if (RowVisible(r)) return r;
    return -1;
}

std::int32_t GridNavigation::VisibleHeight() const {
    const GridLayout layout(grid_);
    return layout.DataBottom() - layout.DataTop();
}

std::int32_t GridNavigation::PageUpRow() const {
    const GridRow& current = grid_.RowAt(grid_.row());
    const std::int32_t target = current.top + current.height - VisibleHeight();
    for (std::int32_t r = grid_.row(); r >= 0; --r)
        if (RowVisible(r) && grid_.RowAt(r).top < target) return r;
    return FirstVisibleRow();
}

std::int32_t GridNavigation::PageDownRow() const {
    const GridRow& current = grid_.RowAt(grid_.row());
    const std::int32_t target = current.top + VisibleHeight() - current.height;
    for (std::int32_t r = grid_.row(); r < grid_.Rows(); ++r)
        if (RowVisible(r) && grid_.RowAt(r).top > target) return r;
    return LastVisibleRow();
}

void GridNavigation::FinishStep() {
    GridSelection(grid_.Parts()).TouchFocus();
    if (grid_.EnsureVisible(grid_.row(), grid_.col())) {
        grid_.NoteFocusDrawn();
        return;
    }
    grid_.RequestRepaint();
}

}  // namespace grid
