#pragma once

#include <cstdint>

#include "controls/cScrollBars.h"
#include "grid/view/GridInputParts.h"
#include "grid/view/GridScroller.h"

namespace grid {

// The grid's two scroll bars: their values are the grid's scroll offsets in
// pixels. Each draw pass shows and sizes them for the table and the window;
// a user's scrolling moves the grid's view.
class GridScrolling : public GridScroller, public controls::IScrollBarsEvents {
public:
    explicit GridScrolling(const GridInputParts& parts);
    GridScrolling(const GridScrolling&) = delete;
    GridScrolling& operator=(const GridScrolling&) = delete;

    void Create(os::HWND gridWindow);
    controls::cScrollBars& Bars() { return bars_; }

    // GridScroller
    bool UpdateRanges() override;
    void ScrollTo(std::int32_t x, std::int32_t y) override;
    std::int32_t Step(bool vertical, bool page) const override;

    // IScrollBarsEvents
    void Scroll(controls::EScrollBar bar) override;
    void Change(controls::EScrollBar bar) override;

private:
    struct Extent {
        bool shown = false;
        std::int32_t content = 0;  // pixels of the table the bar ranges over
        std::int32_t page = 0;     // pixels of it on screen
        std::int32_t step = 0;     // an arrow's step
    };

    void Apply(controls::EScrollBar bar, const Extent& extent);
    std::int32_t Clamp(controls::EScrollBar bar, std::int32_t value) const;
    void SetQuietly(controls::EScrollBar bar, std::int32_t value);
    // Moves the thumbs and the view to offsets, as far as the ranges allow.
    void MoveView(std::int32_t x, std::int32_t y);
    void Follow();

    GridInputParts parts_;
    controls::cScrollBars bars_;
    Extent applied_[2];
    bool quiet_ = false;  // the bars are being moved to the grid's offsets
};

}  // namespace grid
