#include "grid/TrackingLine.h"

#include <algorithm>

#include "grid/GridLayout.h"
#include "grid/VbGrid.h"
#include "os/DeviceContext.h"
#include "os/Drawing.h"

namespace grid {

namespace {
constexpr std::int32_t kLineWidth = 2;
}  // namespace

void TrackingLine::MoveTo(const os::RECT& rect) {
    Erase();
    Invert(rect);
    shown_ = rect;
}

void TrackingLine::Erase() {
    if (!shown_) return;
    Invert(*shown_);
    shown_.reset();
}

void TrackingLine::Invert(const os::RECT& rect) const {
    if (window_ == 0) return;  // the screen's context is not ours to draw on
    const os::HDC dc = os::GetDC(window_);
    if (dc == 0) return;
    os::PatBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, os::DSTINVERT);
    os::ReleaseDC(window_, dc);
}

os::RECT TrackingLineRect(const VbGrid& grid, std::int32_t position, std::int32_t width) {
    const GridLayout layout(grid);
    std::int32_t x = layout.ColumnX(position) + width - 1;
    if (!grid.ColumnAt(position).fixed) x = std::max(x, grid.FixedWidth());
    return {x, 0, x + kLineWidth, layout.Client().bottom};
}

}  // namespace grid
