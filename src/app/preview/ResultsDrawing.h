#pragma once

#include <cstdint>
#include <vector>

#include "app/preview/PrintedColumns.h"

namespace grid {
class VbGrid;
}
namespace os {
class DrawingTarget;
}

namespace app {

// The table's place on a page or the preview, in twips: column 0 and the
// header line start 900 from the left and top edges, and a page ends 900
// above its printable bottom.
inline constexpr std::int32_t kTableLeft = 900;
inline constexpr std::int32_t kTableTop = 900;
inline constexpr std::int32_t kTableBottomMargin = 900;

// Draws the table the grid shows as a table of text onto the target: the
// header line, then every row at the grid's own row heights, each column as
// wide as the grid's or as its widest text, whichever is wider. When a row
// would pass the bottom margin of a page, a new page starts with the header
// line again (in the font of the first page's header), so every row is
// drawn exactly once and every page carries the column titles. False when a
// new page could not be started (the rows after it are not drawn).
bool DrawAll(const grid::VbGrid& grid, os::DrawingTarget& target);
// Draws the column titles in the target's current font at its y and moves y
// below them; `lefts` are the columns' x positions.
void drawHeader(const grid::VbGrid& grid, os::DrawingTarget& target, const std::vector<std::int32_t>& lefts);
// Draws one row (row numbers at 8 points italic, the rest at 10 points) at
// the target's y and moves y below it. A text wider than its column's room
// (twips, by data index; none given: no limit) is cut to fit.
void drawRow(const grid::VbGrid& grid, os::DrawingTarget& target, const std::vector<std::int32_t>& lefts,
             std::int32_t row, const std::vector<std::int32_t>& rooms = {});

}  // namespace app
