#include "grid/input/GridScrolling.h"

#include <algorithm>

#include "os/commoncontrols/ScrollBars.h"
#include "os/painting/SystemMetrics.h"
#include "os/windows/Window.h"

namespace grid {

namespace {

using controls::EScrollBar;

constexpr std::int32_t kColumnStep = 16;  // pixels an arrow moves the columns

int Index(EScrollBar bar) { return static_cast<int>(bar); }

}  // namespace

GridScrolling::GridScrolling(const GridInputParts& parts) : parts_(parts), bars_(this) {
    for (Extent& extent : applied_) extent.content = extent.page = -1;  // nothing applied yet
}

void GridScrolling::Create(os::HWND gridWindow) { bars_.Create(gridWindow); }

// A bar is shown when the grid allows it and the table does not fit; the
// vertical bar narrows the room for columns and the horizontal one the room
// for rows, so each decision is made knowing the other.
bool GridScrolling::UpdateRanges() {
    const os::HWND window = bars_.Window();
    if (!window) return false;
    const auto style = parts_.settings.scrollBarStyle == ScrollBarStyle::Standard ? controls::EScrollBarStyle::Standard
                                                                                   : controls::EScrollBarStyle::Flat;
    if (bars_.Style() != style) bars_.SetStyle(style);

    os::RECT client;
    os::GetClientRect(window, client);
    const os::SIZE insets = os::ScrollBarInsets(window);
    const std::int32_t roomX = client.right + insets.cx - parts_.host.FixedWidth();
    const std::int32_t roomY = client.bottom + insets.cy - parts_.host.HeaderHeightPixels() - parts_.rows.FixedHeight();
    const std::int32_t vBar = os::GetSystemMetrics(os::SM_CXVSCROLL), hBar = os::GetSystemMetrics(os::SM_CYHSCROLL);
    const ScrollBars bars = parts_.settings.scrollBars;
    const bool allowH = Allows(bars, ScrollBars::Horizontal), allowV = Allows(bars, ScrollBars::Vertical);

    Extent h{false, parts_.host.ScrollableWidth(), 0, kColumnStep};
    Extent v{false, parts_.host.ScrollableHeight(), 0, std::max(1, parts_.host.DefaultRowHeightPixels())};
    // While the host of a virtual grid still has rows, the bar reaches a
    // page past those there are: scrolling into it asks for the next ones.
    if (parts_.host.ServingVirtualRows()) v.content += std::max(0, roomY);
    v.shown = allowV && v.content > roomY;
    h.shown = allowH && h.content > roomX - (v.shown ? vBar : 0);
    if (h.shown && !v.shown) v.shown = allowV && v.content > roomY - hBar;
    h.page = std::max(1, roomX - (v.shown ? vBar : 0));
    v.page = std::max(1, roomY - (h.shown ? hBar : 0));

    const bool changed = h.shown != applied_[0].shown || v.shown != applied_[1].shown;
    Apply(EScrollBar::Horizontal, h);
    Apply(EScrollBar::Vertical, v);

    // A table that shrank or a window that grew can leave the view beyond the end.
    MoveView(parts_.view.HorizontalOffset(), parts_.view.VerticalOffset());
    return changed;
}

void GridScrolling::Apply(EScrollBar bar, const Extent& extent) {
    Extent& applied = applied_[Index(bar)];
    // The platform cuts a page to the range, so a new range needs the page again.
    const bool newRange = applied.content != extent.content;
    if (newRange) {
        if (applied.content < 0) bars_.SetMin(bar, 0);
        bars_.SetMax(bar, std::max(0, extent.content - 1));
    }
    if (newRange || applied.page != extent.page) bars_.SetLargeChange(bar, extent.page);
    bars_.SetSmallChange(bar, extent.step);
    if (applied.shown != extent.shown) bars_.SetVisible(bar, extent.shown);
    applied = extent;
}

std::int32_t GridScrolling::Clamp(EScrollBar bar, std::int32_t value) const {
    const Extent& extent = applied_[Index(bar)];
    return std::clamp(value, 0, std::max(0, extent.content - extent.page));
}

void GridScrolling::SetQuietly(EScrollBar bar, std::int32_t value) {
    if (bars_.Value(bar) == value) return;
    quiet_ = true;
    bars_.SetValue(bar, value);
    quiet_ = false;
}

void GridScrolling::MoveView(std::int32_t x, std::int32_t y) {
    x = Clamp(EScrollBar::Horizontal, x);
    y = Clamp(EScrollBar::Vertical, y);
    SetQuietly(EScrollBar::Horizontal, x);
    SetQuietly(EScrollBar::Vertical, y);
    parts_.host.FollowScrollBars(x, y);
}

void GridScrolling::ScrollTo(std::int32_t x, std::int32_t y) {
    if (UpdateRanges()) parts_.host.RequestRepaint(true);
    MoveView(x, y);
}

std::int32_t GridScrolling::Step(bool vertical, bool page) const {
    const Extent& extent = applied_[Index(vertical ? EScrollBar::Vertical : EScrollBar::Horizontal)];
    return std::max(1, page ? extent.page : extent.step);
}

void GridScrolling::Scroll(EScrollBar) { Follow(); }

void GridScrolling::Change(EScrollBar) { Follow(); }

void GridScrolling::Follow() {
    if (quiet_) return;
    parts_.host.FollowScrollBars(bars_.Value(EScrollBar::Horizontal), bars_.Value(EScrollBar::Vertical));
}

}  // namespace grid
