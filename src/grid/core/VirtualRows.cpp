// Virtual mode: the host hands out rows as the draw pass reaches them.
#include <algorithm>
#include <utility>

#include "grid/core/GridLayout.h"
#include "grid/core/VbGrid.h"

namespace grid {

// Each row is described by the host (RequestRow), appended, and filled by
// the host (RequestRowData), one after another until the rows reach the
// bottom of the data area or the host has no more. Painting is held back
// meanwhile: the draw pass that asked paints the new rows whole.
bool VbGrid::RequestVirtualRows() {
    if (!virtualRows_) return false;
    const GridLayout layout(*this);
    // Where the rows there are end on screen (the view may start below them).
    std::int32_t filled = layout.DataTop() + ScrollableHeight() - view_.VerticalOffset();
    const std::int32_t bottom = layout.DataBottom();
    // Hidden rows take no room; a host that hands out only those still ends.
    const std::int32_t most = std::max(0, bottom - filled) + 1;
    bool added = false;
    for (std::int32_t n = 0; filled < bottom && n < most; ++n) {
        const std::int32_t r = Rows();
        std::string key;
        bool visible = true, groupRow = false, noMoreRows = false;
        std::int32_t height = DefaultRowHeight();
        Events().RequestRow(r, key, visible, height, groupRow, noMoreRows);
        if (noMoreRows) {
            virtualRows_ = false;
            break;
        }
        const bool redraw = std::exchange(redraw_, false);
        try {
            AddRow(-1, key, visible, height, groupRow);
            Events().RequestRowData(r);
        } catch (...) {
            redraw_ = redraw;
            throw;
        }
        redraw_ = redraw;
        added = true;
        filled = layout.DataTop() + ScrollableHeight() - view_.VerticalOffset();
    }
    return added;
}

}  // namespace grid
