#include "os/commoncontrols/ScrollBars.h"

#include "os/commoncontrols/WindowScrollBars.h"

namespace os {

namespace {

bool IsBar(int bar) { return bar == SB_HORZ || bar == SB_VERT; }

template <class Action>
bool ForBars(HWND window, int bar, Action action) {
    WindowScrollBars* bars = WindowScrollBars::Of(window, true);
    if (bars == nullptr || !(IsBar(bar) || bar == SB_BOTH)) return false;
    if (bar != SB_VERT) action(*bars, SB_HORZ);
    if (bar != SB_HORZ) action(*bars, SB_VERT);
    return true;
}

bool SetBarMode(HWND window, int bar, LONG_PTR mode) {
    return ForBars(window, bar, [mode](WindowScrollBars& bars, int one) { bars.Bar(one).SetFlat(mode != FSB_REGULAR_MODE); });
}

}  // namespace

bool ShowScrollBar(HWND window, int bar, bool show) {
    return ForBars(window, bar, [show](WindowScrollBars& bars, int one) { bars.Show(one, show); });
}

bool EnableScrollBar(HWND window, UINT bar, UINT arrows) {
    const bool enable = arrows != ESB_DISABLE_BOTH;
    return ForBars(window, static_cast<int>(bar),
                   [enable](WindowScrollBars& bars, int one) { bars.Bar(one).setEnabled(enable); });
}

bool GetScrollInfo(HWND window, int bar, SCROLLINFO& info) {
    WindowScrollBars* bars = WindowScrollBars::Of(window, true);
    if (bars == nullptr || !IsBar(bar)) return false;
    bars->Bar(bar).Read(info);
    return true;
}

int SetScrollInfo(HWND window, int bar, const SCROLLINFO& info, bool redraw) {
    WindowScrollBars* bars = WindowScrollBars::Of(window, true);
    if (bars == nullptr || !IsBar(bar)) return 0;
    return bars->Bar(bar).Write(info, redraw);
}

bool IsScrollBarShown(HWND window, int bar) {
    const WindowScrollBars* bars = WindowScrollBars::Of(window, false);
    return bars != nullptr && IsBar(bar) && bars->IsShown(bar);
}

bool IsScrollBarEnabled(HWND window, int bar) {
    WindowScrollBars* bars = WindowScrollBars::Of(window, false);
    return bars == nullptr || !IsBar(bar) || bars->Bar(bar).isEnabled();
}

SIZE ScrollBarInsets(HWND window) {
    const WindowScrollBars* bars = WindowScrollBars::Of(window, false);
    return bars == nullptr ? SIZE{} : bars->Insets();
}

bool InitializeFlatSB(HWND window) { return WindowScrollBars::Of(window, true) != nullptr; }

bool UninitializeFlatSB(HWND window) { return SetBarMode(window, SB_BOTH, FSB_REGULAR_MODE); }

bool FlatSB_SetScrollProp(HWND window, int property, LONG_PTR value, bool /*redraw*/) {
    if (property == WSB_PROP_VSTYLE) return SetBarMode(window, SB_VERT, value);
    if (property == WSB_PROP_HSTYLE) return SetBarMode(window, SB_HORZ, value);
    return false;
}

bool FlatSB_GetScrollProp(HWND window, int property, LONG_PTR& value) {
    WindowScrollBars* bars = WindowScrollBars::Of(window, false);
    if (bars == nullptr || (property != WSB_PROP_VSTYLE && property != WSB_PROP_HSTYLE)) return false;
    value = bars->Bar(property == WSB_PROP_VSTYLE ? SB_VERT : SB_HORZ).IsFlat() ? FSB_FLAT_MODE : FSB_REGULAR_MODE;
    return true;
}

// The flat functions drive the same bars; only their look differs.
bool FlatSB_ShowScrollBar(HWND window, int bar, bool show) { return ShowScrollBar(window, bar, show); }
bool FlatSB_EnableScrollBar(HWND window, UINT bar, UINT arrows) { return EnableScrollBar(window, bar, arrows); }
bool FlatSB_GetScrollInfo(HWND window, int bar, SCROLLINFO& info) { return GetScrollInfo(window, bar, info); }
int FlatSB_SetScrollInfo(HWND window, int bar, const SCROLLINFO& info, bool redraw) {
    return SetScrollInfo(window, bar, info, redraw);
}

}  // namespace os
