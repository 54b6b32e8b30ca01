#include "grid/header/TrackingLine.h"

#include <algorithm>

#include "grid/paint/GridLayout.h"
#include "os/drawing/DeviceContext.h"
#include "os/drawing/Drawing.h"
#include "os/painting/Painting.h"

namespace grid {

namespace {
constexpr std::int32_t kLineWidth = 2;
}  // namespace

namespace {

void InvertOn(os::HWND window, const os::RECT& rect) {
    if (window == 0 || rect.right <= rect.left || rect.bottom <= rect.top) return;
    const os::HDC dc = os::GetDC(window);
    if (dc == 0) return;
    os::PatBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, os::DSTINVERT);
    os::ReleaseDC(window, dc);
}

}  // namespace

void TrackingLine::MoveTo(const os::RECT& rect) {
    Erase();
    Invert(rect);
    shown_ = rect;
}

// A header that painted itself meanwhile has lost its part of the bar, so
// that part is repainted rather than inverted back.
void TrackingLine::Erase() {
    if (!shown_) return;
    InvertOn(window_, *shown_);
    const os::RECT part = HeaderPart(*shown_);
    if (part.right > part.left) {
        os::InvalidateRect(header_->hWnd(), &part, false);
        os::UpdateWindow(header_->hWnd());
    }
    shown_.reset();
}

void TrackingLine::Invert(const os::RECT& rect) const {
    InvertOn(window_, rect);
    if (const os::RECT part = HeaderPart(rect); part.right > part.left) InvertOn(header_->hWnd(), part);
}

os::RECT TrackingLine::HeaderPart(const os::RECT& rect) const {
    if (header_ == nullptr || header_->hWnd() == 0 || !header_->Visible()) return {};
    return {rect.left - header_->Left(), 0, rect.right - header_->Left(), header_->Height()};
}

os::RECT TrackingLineRect(const GridParts& parts, std::int32_t position, std::int32_t width) {
    const GridLayout layout(parts);
    std::int32_t x = layout.ColumnX(position) + width - 1;
    if (!parts.columns.At(position).fixed) x = std::max(x, parts.sheet.FixedWidth());
    return {x, 0, x + kLineWidth, layout.Client().bottom};
}

}  // namespace grid
