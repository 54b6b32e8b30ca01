#pragma once

#include <cstdint>
#include <vector>

namespace grid {
class VbGrid;
}
namespace os {
class DrawingTarget;
}

namespace app {

// Row numbers are smaller and italic; the other cells use the plain size.
inline constexpr double kRowNumberPoints = 8;
inline constexpr double kCellPoints = 10;
// The room left between a column's widest text and the next column, in twips.
inline constexpr std::int32_t kColumnGap = 120;

// Where each column of the grid's table starts on the target, in twips from
// `left`, by data index. A column is as wide as the wider of its width in
// the grid and its widest text (header included, in the target's current
// font; cells in the font they are drawn in) with a gap after it, so that
// no text runs into the next column. The target's font is left as it was.
std::vector<std::int32_t> PrintedColumnLefts(const grid::VbGrid& grid, os::DrawingTarget& target, std::int32_t left);
// The same columns' widths, by data index.
std::vector<std::int32_t> PrintedColumnWidths(const grid::VbGrid& grid, os::DrawingTarget& target);
// Where columns of these widths start, the first at `left`.
std::vector<std::int32_t> ColumnLefts(const std::vector<std::int32_t>& widths, std::int32_t left);

}  // namespace app
