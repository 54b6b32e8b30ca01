#pragma once

#include <cstdint>

namespace grid {

// Named values of the grid's integer settings. The members keep their integer
// types (stored settings and hosts hand them over as numbers); these names let
// the program's own calls read as words.

// GridLines: the lines drawn between normal cells.
namespace grid_lines {
inline constexpr std::int32_t None = 0;
inline constexpr std::int32_t Vertical = 1;
inline constexpr std::int32_t Horizontal = 2;
inline constexpr std::int32_t Both = 3;
}  // namespace grid_lines

// ScrollBars: which of the grid window's bars may show.
namespace scroll_bars {
inline constexpr std::int32_t None = 0;
inline constexpr std::int32_t Horizontal = 1;
inline constexpr std::int32_t Vertical = 2;
inline constexpr std::int32_t Both = 3;
}  // namespace scroll_bars

// ScrollBarStyle: the platform's standard bars, or their flat variant.
namespace scroll_bar_style {
inline constexpr std::int32_t Standard = 0;
inline constexpr std::int32_t Flat = 1;
}  // namespace scroll_bar_style

// SelectionMode: what a click or a key selects.
namespace selection_mode {
inline constexpr std::int32_t Free = 0;  // single cells
inline constexpr std::int32_t ByRow = 1;
inline constexpr std::int32_t ByColumn = 2;
}  // namespace selection_mode

// HighLight: when selected cells show in the selection colours.
namespace high_light {
inline constexpr std::int32_t Never = 0;
inline constexpr std::int32_t Always = 1;
inline constexpr std::int32_t WithFocus = 2;
}  // namespace high_light

// FocusRect: the rectangle drawn around the current cell.
namespace focus_rect {
inline constexpr std::int32_t None = 0;
inline constexpr std::int32_t Light = 1;
inline constexpr std::int32_t Heavy = 2;  // a second rectangle one pixel further out
}  // namespace focus_rect

// AllowUserResizing: what the user may resize with the mouse.
namespace user_resizing {
inline constexpr std::int32_t None = 0;
inline constexpr std::int32_t Columns = 1;
inline constexpr std::int32_t Rows = 2;
inline constexpr std::int32_t Both = 3;
}  // namespace user_resizing

// FixedAlignment: the alignment of a column's title in the header.
namespace header_alignment {
inline constexpr std::int32_t Left = 0;
inline constexpr std::int32_t Right = 1;
inline constexpr std::int32_t Center = 2;
}  // namespace header_alignment

}  // namespace grid
