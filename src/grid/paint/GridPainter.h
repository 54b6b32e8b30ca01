#pragma once

#include <cstdint>
#include <string>

#include "os/types/GdiTypes.h"

namespace grid {

// The painting half of the grid; the grid's renderer implements it. Without
// one the grid keeps its dirty bookkeeping and draws nothing.
class GridPainter {
public:
    virtual ~GridPainter() = default;
    virtual void Draw() = 0;                         // one draw pass
    virtual void Resize() = 0;                       // the resize handling
    virtual void StartDelayedDraw(bool resize) = 0;  // (re)start the one-shot draw timer
    virtual void RebuildBuffer(std::int32_t rowHeight) = 0;
    // The size text needs when drawn with the flags (calculating only) in
    // the font of the grid's font table, starting from the given width.
    virtual os::SIZE MeasureText(const std::string& text, std::int32_t fontIndex, std::int32_t width,
                                 std::int32_t flags) = 0;
    virtual os::SIZE IconSize() = 0;  // of the image list's icons
    // The offsets moved by (dx, dy) pixels: bring the window up to date.
    virtual void Scrolled(std::int32_t dx, std::int32_t dy) = 0;
};

}  // namespace grid
