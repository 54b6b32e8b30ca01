#include "grid/input/GridNavigation.h"

#include "grid/view/GridSelection.h"

namespace grid {

bool GridNavigation::Stoppable(std::int32_t position) const {
    if (parts_.columns.At(position).visible) return true;
    return position == parts_.host.RowTextStartColumn() && parts_.settings.selectionMode != SelectionMode::ByRow;
}

void GridNavigation::MoveCurrent(std::int32_t dx, std::int32_t dy) {
    if (parts_.Rows() == 0 || parts_.Cols() == 0) return;
    if (dx != 0) MoveHorizontally(dx);
    else if (dy != 0) MoveVertically(dy);
}

void GridNavigation::MoveHorizontally(std::int32_t dx) {
    const std::int32_t cols = parts_.Cols();
    std::int32_t p = parts_.columns.PositionOf(parts_.view.Col()) + dx;
    while (p >= 0 && p < cols && !Stoppable(p)) p += dx;
    if (p >= 0 && p < cols) {
        parts_.view.PlaceFocus(parts_.view.Row(), parts_.columns.At(p).dataIndex);
        return;
    }
    // Past either end: the next visible row in that direction, at its first
    // (last) stoppable column. Row 0 is never reached backwards.
    std::int32_t first = dx > 0 ? 0 : cols - 1;
    while (first >= 0 && first < cols && !Stoppable(first)) first -= dx < 0 ? 1 : -1;
    if (first < 0 || first >= cols) return;
    std::int32_t r = parts_.view.Row() + (dx > 0 ? 1 : -1);
    const std::int32_t lowest = dx > 0 ? 0 : 1;
    while (r >= lowest && r < parts_.Rows() && !RowVisible(r)) r += dx > 0 ? 1 : -1;
    if (r < lowest || r >= parts_.Rows()) return;
    parts_.view.PlaceFocus(r, parts_.columns.At(first).dataIndex);
}

void GridNavigation::MoveVertically(std::int32_t dy) {
    const std::int32_t rows = parts_.Rows();
    std::int32_t r = parts_.view.Row() + dy;
    for (std::int32_t n = 0; r >= 0 && r < rows && !RowVisible(r); ++n) {
        if (n >= rows) {
            parts_.view.PlaceFocus(-1, -1);
            return;
        }
        r += dy;
    }
    if (r >= rows) {
        parts_.view.PlaceFocus(rows - 1, parts_.view.Col());
        return;
    }
    if (r < 0) {
        parts_.view.PlaceFocus(0, parts_.view.Col());
        return;
    }
    std::int32_t col = parts_.view.Col();
    if (parts_.host.RowTextStartColumn() >= 0 && parts_.columns.PositionOf(col) == parts_.host.RowTextStartColumn()) {
        for (std::int32_t p = 0; p < parts_.Cols(); ++p)
            if (parts_.columns.At(p).visible) {
                col = parts_.columns.At(p).dataIndex;
                break;
            }
    }
    parts_.view.PlaceFocus(r, col);
}

std::int32_t GridNavigation::FirstVisibleRow() const {
    for (std::int32_t r = 0; r < parts_.Rows(); ++r)
        if (RowVisible(r)) return r;
    return 0;
}

std::int32_t GridNavigation::LastVisibleRow() const {
    for (std::int32_t r = parts_.Rows() - 1; r >= 0; --r)
        if (RowVisible(r)) return r;
    return -1;
}

std::int32_t GridNavigation::VisibleHeight() const {
    return parts_.host.ScrollingRowsHeight();
}

std::int32_t GridNavigation::PageUpRow() const {
    const GridRow& current = parts_.RowAt(parts_.view.Row());
    const std::int32_t target = current.top + current.height - VisibleHeight();
    for (std::int32_t r = parts_.view.Row(); r >= 0; --r)
        if (RowVisible(r) && parts_.RowAt(r).top < target) return r;
    return FirstVisibleRow();
}

std::int32_t GridNavigation::PageDownRow() const {
    const GridRow& current = parts_.RowAt(parts_.view.Row());
    const std::int32_t target = current.top + VisibleHeight() - current.height;
    for (std::int32_t r = parts_.view.Row(); r < parts_.Rows(); ++r)
        if (RowVisible(r) && parts_.RowAt(r).top > target) return r;
    return LastVisibleRow();
}

void GridNavigation::FinishStep() {
    GridSelection(parts_).TouchFocus();
    if (parts_.host.EnsureVisible(parts_.view.Row(), parts_.view.Col(), false)) {
        parts_.view.NoteFocusDrawn();
        return;
    }
    parts_.host.RequestRepaint(false);
}

}  // namespace grid
