#pragma once

#include <cstdint>
#include <type_traits>

namespace grid {

// The grid's integer settings as types of their own. The grid's code works
// with these; hosts and the stored settings hand the same settings over as
// numbers, converted only where they cross (NumberOf, SettingOf). A number
// outside a type's names is kept as it came, so a value read back is the
// value written.

// GridLines and GridLinesFixed: the lines drawn between cells.
enum class GridLines : std::int32_t { None = 0, Vertical = 1, Horizontal = 2, Both = 3 };

// ScrollBars: which of the grid window's bars may show.
enum class ScrollBars : std::int16_t { None = 0, Horizontal = 1, Vertical = 2, Both = 3 };

// ScrollBarStyle: the platform's standard bars, or their flat variant.
enum class ScrollBarStyle : std::int32_t { Standard = 0, Flat = 1 };

// SelectionMode: what a click or a key selects.
enum class SelectionMode : std::int32_t { Free = 0, ByRow = 1, ByColumn = 2 };  // Free: single cells

// HighLight: when selected cells show in the selection colours.
enum class HighLight : std::int32_t { Never = 0, Always = 1, WithFocus = 2 };

// FocusRect: the rectangle drawn around the current cell; Heavy adds a
// second one a pixel further out.
enum class FocusRect : std::int32_t { None = 0, Light = 1, Heavy = 2 };

// AllowUserResizing: what the user may resize with the mouse.
enum class UserResizing : std::int32_t { None = 0, Columns = 1, Rows = 2, Both = 3 };

template <class Setting>
    requires std::is_enum_v<Setting>
constexpr std::underlying_type_t<Setting> NumberOf(Setting setting) {
    return static_cast<std::underlying_type_t<Setting>>(setting);
}

template <class Setting>
    requires std::is_enum_v<Setting>
constexpr Setting SettingOf(std::int32_t number) {
    return static_cast<Setting>(number);
}

// Any lines at all: a number other than the named ones still draws them.
constexpr bool Drawn(GridLines lines) { return lines != GridLines::None; }
constexpr bool HasVertical(GridLines lines) { return lines == GridLines::Vertical || lines == GridLines::Both; }
constexpr bool HasHorizontal(GridLines lines) { return lines == GridLines::Horizontal || lines == GridLines::Both; }

// Whether the setting lets the bar show; the settings are bit sets.
constexpr bool Allows(ScrollBars bars, ScrollBars bar) { return (NumberOf(bars) & NumberOf(bar)) != 0; }
constexpr bool Allows(UserResizing resizing, UserResizing what) {
    return (NumberOf(resizing) & NumberOf(what)) != 0;
}

// A rectangle is drawn from Light on, a second one from Heavy on.
constexpr bool AtLeast(FocusRect rect, FocusRect level) { return NumberOf(rect) >= NumberOf(level); }

// The typed settings that the painting and input helpers read.
struct GridSettings {
    GridLines gridLines = GridLines::None;
    GridLines gridLinesFixed = SettingOf<GridLines>(1);  // any lines: fixed cells then get both
    ScrollBars scrollBars = ScrollBars::Both;
    ScrollBarStyle scrollBarStyle = ScrollBarStyle::Standard;
    SelectionMode selectionMode = SelectionMode::Free;
    HighLight highLight = HighLight::Always;
    FocusRect focusRect = FocusRect::Light;
    UserResizing userResizing = UserResizing::Both;
};

}  // namespace grid
