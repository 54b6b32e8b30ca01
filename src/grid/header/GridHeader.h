#pragma once

#include <cstdint>

namespace grid {

// The header control the grid drives; the header wrapper implements it.
class GridHeader {
public:
    virtual ~GridHeader() = default;
    virtual void RecreateItems() = 0;
    // Gives the item of the column at the position, when it has one, the
    // column's width; the grid's own write raises no width events.
    virtual void ShowColumnWidth(std::int32_t position) = 0;
    virtual void SetImageList(std::intptr_t imageList) = 0;
    // Places the header across the top of the client area, moved left by
    // the horizontal scroll offset.
    virtual void Layout() = 0;
    // Takes over the grid's header settings: shown, style, height, font,
    // column resizing.
    virtual void ApplySettings() = 0;
};

}  // namespace grid
