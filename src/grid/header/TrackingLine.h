#pragma once

#include <cstdint>
#include <optional>

#include "controls/cHeaderControl.h"
#include "grid/view/GridParts.h"
#include "os/types/Types.h"

namespace grid {

// The bar that follows a column's right edge while the user drags a header
// divider. It is drawn by inverting the pixels of the grid's window, so
// drawing it again at the same place removes it; each move erases the bar
// last drawn before drawing the new one. The header lies over the grid's
// window, so the bar's part across it is inverted on the header itself and
// erased by letting the header paint itself again.
class TrackingLine {
public:
    void SetWindow(os::HWND window) { window_ = window; }
    void SetHeader(const controls::cHeaderControl* header) { header_ = header; }
    void MoveTo(const os::RECT& rect);
    void Erase();
    // The bar on the window now, if any.
    const std::optional<os::RECT>& Shown() const { return shown_; }

private:
    void Invert(const os::RECT& rect) const;
    // The bar's part across the header, in the header's own pixels; empty
    // when the header is not shown.
    os::RECT HeaderPart(const os::RECT& rect) const;

    os::HWND window_ = 0;
    const controls::cHeaderControl* header_ = nullptr;
    std::optional<os::RECT> shown_;
};

// Where the bar stands for the column at a display position with a
// proposed width: two pixels at the column's right edge, from the top of
// the header to the bottom of the grid; a scrolling column's bar never
// lies left of the fixed columns.
os::RECT TrackingLineRect(const GridParts& parts, std::int32_t position, std::int32_t width);

}  // namespace grid
