#include "grid/core/GridLayout.h"

#include <algorithm>

#include "grid/core/VbGrid.h"

namespace grid {

GridLayout::GridLayout(const VbGrid& grid) : grid_(grid), client_(grid.Canvas().ClientRect()) {}

std::int32_t GridLayout::DataWidth() const { return client_.right - client_.left; }

std::int32_t GridLayout::DataTop() const { return grid_.HeaderHeightPixels() + grid_.FixedHeight(); }

std::int32_t GridLayout::DataBottom() const { return client_.bottom; }

std::int32_t GridLayout::ColumnX(std::int32_t position) const {
    const GridColumn& column = grid_.ColumnAt(position);
    return column.left - (column.fixed ? 0 : grid_.HorizontalOffset());
}

std::int32_t GridLayout::RowY(std::int32_t row) const {
    const GridRow& r = grid_.RowAt(row);
    return r.fixed ? grid_.HeaderHeightPixels() + r.top : DataTop() + r.top - grid_.VerticalOffset();
}

os::RECT GridLayout::CellRect(std::int32_t row, std::int32_t position) const {
    const std::int32_t x = ColumnX(position), y = RowY(row);
    return {x, y, x + grid_.ColumnAt(position).width, y + grid_.RowAt(row).height};
}

bool GridLayout::ColumnCounts(std::int32_t position) const {
    const GridColumn& column = grid_.ColumnAt(position);
    return column.visible && !column.fixed && position != grid_.RowTextStartColumn();
}

// The first scrolling row whose bottom edge lies below y (row tops grow with
// the row number, so this is a binary search even over a million rows).
std::int32_t GridLayout::FirstScrollingRowBelow(std::int32_t y) const {
    std::int32_t lo = std::min(grid_.FixedRows(), grid_.Rows()), hi = grid_.Rows();
    while (lo < hi) {
        const std::int32_t mid = lo + (hi - lo) / 2;
        const GridRow& r = grid_.RowAt(mid);
        if (r.top + (r.visible ? r.height : 0) > y) hi = mid;
        else lo = mid + 1;
    }
    while (lo < grid_.Rows() && !grid_.RowAt(lo).visible) ++lo;
    return lo;
}

VisibleRange GridLayout::Visible() const {
    VisibleRange range;
    const std::int32_t hOffset = grid_.HorizontalOffset(), vOffset = grid_.VerticalOffset();
    for (std::int32_t p = 0; p < grid_.Cols(); ++p) {
        if (!ColumnCounts(p)) continue;
        const GridColumn& c = grid_.ColumnAt(p);
        if (range.firstCol < 0) {
            if (c.left + c.width <= grid_.FixedWidth() + hOffset) continue;
            range.firstCol = p;
            range.firstColOffset = c.left - hOffset;
        }
        if (c.left > DataWidth() + hOffset) break;
        range.lastCol = p;
        range.lastColRight = c.left - hOffset + c.width;
    }
    const std::int32_t dataHeight = DataBottom() - DataTop();
    const std::int32_t first = FirstScrollingRowBelow(vOffset);
    if (first < grid_.Rows()) {
        range.firstRow = first;
        range.firstRowOffset = grid_.RowAt(first).top - vOffset;
        for (std::int32_t r = first; r < grid_.Rows(); ++r) {
            const GridRow& row = grid_.RowAt(r);
            if (!row.visible) continue;
            range.lastRow = r;
            range.lastRowBottom = DataTop() + row.top + row.height - vOffset;
            if (row.top + row.height - vOffset > dataHeight) break;
        }
    }
    return range;
}

bool GridLayout::CellAt(std::int32_t x, std::int32_t y, std::int32_t& row, std::int32_t& position) const {
    row = position = -1;
    for (std::int32_t p = 0; p < grid_.Cols() && position < 0; ++p) {
        const GridColumn& c = grid_.ColumnAt(p);
        if (!c.visible) continue;
        const std::int32_t left = ColumnX(p);
        if (!c.fixed && left + c.width <= grid_.FixedWidth()) continue;  // scrolled under the fixed columns
        if (x >= left && x < left + c.width) position = p;
    }
    if (y < grid_.HeaderHeightPixels()) return false;
    if (y < DataTop()) {
        for (std::int32_t r = 0; r < std::min(grid_.FixedRows(), grid_.Rows()); ++r) {
            const GridRow& fixedRow = grid_.RowAt(r);
            const std::int32_t top = RowY(r);
            if (fixedRow.visible && y >= top && y < top + fixedRow.height) row = r;
        }
    } else {
        const std::int32_t r = FirstScrollingRowBelow(y - DataTop() + grid_.VerticalOffset());
        if (r < grid_.Rows() && y >= RowY(r)) row = r;
    }
    return row >= 0 && position >= 0;
}

}  // namespace grid
