// Scrolling: what the bars range over, moving the view, and following them.
#include <algorithm>
#include <cstdint>

#include "grid/paint/GridLayout.h"
#include "grid/core/VbGrid.h"

namespace grid {

namespace {

constexpr std::int32_t kWheelDelta = 120;
constexpr std::int32_t kRowsPerNotch = 3;

}  // namespace

std::int32_t VbGrid::ScrollableHeight() const { return rows_.ScrollingHeight(); }

std::int32_t VbGrid::ScrollableWidth() const {
    std::int32_t width = 0;
    for (const GridColumn& c : columns_)
        if (c.visible && !c.fixed) width += c.width;
    return width;
}

void VbGrid::FollowLeftCol() {
    const VisibleRange range = GridLayout(parts_).Visible();
    view_.SetLeftColAfterScroll(range.firstCol);
}

void VbGrid::ScrollView(std::int32_t x, std::int32_t y) {
    if (scroller_) {
        scroller_->ScrollTo(x, y);
        return;
    }
    view_.SetScrollOffsets(x, y);
    FollowLeftCol();
    view_.SetFullRepaintPending(true);
    InvalidateAll();
}

void VbGrid::FollowScrollBars(std::int32_t horizontal, std::int32_t vertical) {
    const std::int32_t dx = horizontal - view_.HorizontalOffset(), dy = vertical - view_.VerticalOffset();
    if (dx == 0 && dy == 0) return;
    view_.SetScrollOffsets(horizontal, vertical);
    if (dx != 0) FollowLeftCol();
    if (dx != 0 && headerControl_) headerControl_->Layout();
    if (painter_) {
        painter_->Scrolled(dx, dy);
    } else {
        view_.SetFullRepaintPending(true);
        InvalidateAll();
    }
}

bool VbGrid::EnsureVisible(std::int32_t lRow, std::int32_t lCol, bool fForce) {
    const GridLayout layout(parts_);
    std::int32_t x = view_.HorizontalOffset(), y = view_.VerticalOffset();
    if (lRow >= 0 && lRow < Rows()) {
        const GridRow row = rows_.At(lRow);
        const std::int32_t height = layout.DataBottom() - layout.DataTop();
        if (!row.fixed && row.visible) {
            if (fForce || row.top < y) y = row.top;
            else if (row.top + row.height > y + height) y = std::min(row.top, row.top + row.height - height);
        }
    }
    const std::int32_t position = lCol >= 0 && lCol < Cols() ? PositionOfDataIndex(lCol) : -1;
    if (position >= 0 && position < Cols()) {
        const GridColumn& column = columns_.At(position);
        const std::int32_t left = column.left - fixedWidth_;
        const std::int32_t width = layout.DataWidth() - fixedWidth_;
        if (!column.fixed && column.visible) {
            if (left < x) x = left;
            else if (left + column.width > x + width) x = std::min(left, left + column.width - width);
        }
    }
    if (x == view_.HorizontalOffset() && y == view_.VerticalOffset()) return false;
    ScrollView(x, y);
    return true;
}

void VbGrid::ScrollByStep(bool vertical, std::int32_t direction, bool page) {
    std::int32_t step = 0;
    if (scroller_) {
        step = scroller_->Step(vertical, page);
    } else {
        const GridLayout layout(parts_);
        step = page ? (vertical ? layout.DataBottom() - layout.DataTop() : layout.DataWidth() - fixedWidth_)
                    : (vertical ? ToPixelsY(DefaultRowHeight()) : 16);
    }
    const std::int64_t moved = static_cast<std::int64_t>(direction) * std::max(1, step);
    const auto clamp = [](std::int64_t v) { return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, 0, INT32_MAX)); };
    if (vertical) ScrollView(view_.HorizontalOffset(), clamp(view_.VerticalOffset() + moved));
    else ScrollView(clamp(view_.HorizontalOffset() + moved), view_.VerticalOffset());
}

void VbGrid::Scroll(std::int32_t zd) {
    const std::int64_t rows = -(static_cast<std::int64_t>(zd) * kRowsPerNotch) / kWheelDelta;
    if (rows == 0) return;
    const std::int64_t y = view_.VerticalOffset() + rows * ToPixelsY(DefaultRowHeight());
    ScrollView(view_.HorizontalOffset(), static_cast<std::int32_t>(std::clamp<std::int64_t>(y, 0, INT32_MAX)));
}

}  // namespace grid
