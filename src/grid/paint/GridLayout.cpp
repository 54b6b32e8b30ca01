#include "grid/paint/GridLayout.h"

#include <algorithm>

namespace grid {

GridLayout::GridLayout(const GridParts& parts) : parts_(parts), client_(parts.canvas.ClientRect()) {}

std::int32_t GridLayout::DataWidth() const { return client_.right - client_.left; }

std::int32_t GridLayout::DataTop() const { return parts_.look.HeaderHeightPixels() + parts_.rows.FixedHeight(); }

std::int32_t GridLayout::DataBottom() const { return client_.bottom; }

std::int32_t GridLayout::ColumnX(std::int32_t position) const {
    const GridColumn& column = parts_.columns.At(position);
    return column.left - (column.fixed ? 0 : parts_.view.HorizontalOffset());
}

std::int32_t GridLayout::RowY(std::int32_t row) const {
    const GridRow& r = parts_.sheet.RowAt(row);
    return r.fixed ? parts_.look.HeaderHeightPixels() + r.top : DataTop() + r.top - parts_.view.VerticalOffset();
}

os::RECT GridLayout::CellRect(std::int32_t row, std::int32_t position) const {
    const std::int32_t x = ColumnX(position), y = RowY(row);
    return {x, y, x + parts_.columns.At(position).width, y + parts_.sheet.RowAt(row).height};
}

bool GridLayout::ColumnCounts(std::int32_t position) const {
    const GridColumn& column = parts_.columns.At(position);
    return column.visible && !column.fixed && position != parts_.sheet.RowTextStartColumn();
}

// The first scrolling row whose bottom edge lies below y (row tops grow with
// the row number, so this is a binary search even over a million rows).
std::int32_t GridLayout::FirstScrollingRowBelow(std::int32_t y) const {
    std::int32_t lo = std::min(parts_.sheet.FixedRows(), parts_.rows.Count()), hi = parts_.rows.Count();
    while (lo < hi) {
        const std::int32_t mid = lo + (hi - lo) / 2;
        const GridRow& r = parts_.sheet.RowAt(mid);
        if (r.top + (r.visible ? r.height : 0) > y) hi = mid;
        else lo = mid + 1;
    }
    while (lo < parts_.rows.Count() && !parts_.sheet.RowAt(lo).visible) ++lo;
    return lo;
}

VisibleRange GridLayout::Visible() const {
    VisibleRange range;
    const std::int32_t hOffset = parts_.view.HorizontalOffset(), vOffset = parts_.view.VerticalOffset();
    for (std::int32_t p = 0; p < parts_.columns.Count(); ++p) {
        if (!ColumnCounts(p)) continue;
        const GridColumn& c = parts_.columns.At(p);
        if (range.firstCol < 0) {
            if (c.left + c.width <= parts_.sheet.FixedWidth() + hOffset) continue;
            range.firstCol = p;
            range.firstColOffset = c.left - hOffset;
        }
        if (c.left > DataWidth() + hOffset) break;
        range.lastCol = p;
        range.lastColRight = c.left - hOffset + c.width;
    }
    const std::int32_t dataHeight = DataBottom() - DataTop();
    const std::int32_t first = FirstScrollingRowBelow(vOffset);
    if (first < parts_.rows.Count()) {
        range.firstRow = first;
        range.firstRowOffset = parts_.sheet.RowAt(first).top - vOffset;
        for (std::int32_t r = first; r < parts_.rows.Count(); ++r) {
            const GridRow& row = parts_.sheet.RowAt(r);
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
    for (std::int32_t p = 0; p < parts_.columns.Count() && position < 0; ++p) {
        const GridColumn& c = parts_.columns.At(p);
        if (!c.visible) continue;
        const std::int32_t left = ColumnX(p);
        if (!c.fixed && left + c.width <= parts_.sheet.FixedWidth()) continue;  // scrolled under the fixed columns
        if (x >= left && x < left + c.width) position = p;
    }
    if (y < parts_.look.HeaderHeightPixels()) return false;
    if (y < DataTop()) {
        for (std::int32_t r = 0; r < std::min(parts_.sheet.FixedRows(), parts_.rows.Count()); ++r) {
            const GridRow& fixedRow = parts_.sheet.RowAt(r);
            const std::int32_t top = RowY(r);
            if (fixedRow.visible && y >= top && y < top + fixedRow.height) row = r;
        }
    } else {
        const std::int32_t r = FirstScrollingRowBelow(y - DataTop() + parts_.view.VerticalOffset());
        if (r < parts_.rows.Count() && y >= RowY(r)) row = r;
    }
    return row >= 0 && position >= 0;
}

}  // namespace grid
