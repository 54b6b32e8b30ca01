#pragma once

#include <cstdint>

namespace grid {

// The scroll bars the grid drives; the scroll-bar wrapper implements it.
// Their values are the grid's scroll offsets in pixels.
class GridScroller {
public:
    virtual ~GridScroller() = default;
    // Shows, hides and sizes the bars for the table and the window, and
    // brings their thumbs to the grid's offsets; true when a bar came or went.
    virtual bool UpdateRanges() = 0;
    // Scrolls to pixel offsets, as far as the bars allow.
    virtual void ScrollTo(std::int32_t x, std::int32_t y) = 0;
    // The bar's small change (an arrow) or large change (a page), in pixels.
    virtual std::int32_t Step(bool vertical, bool page) const = 0;
};

}  // namespace grid
