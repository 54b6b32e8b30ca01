#include "controls/cScrollBars.h"

#include <algorithm>

#include "os/windows/Messages.h"
#include "os/commoncontrols/ScrollBars.h"
#include "runtime/HandlerBoundary.h"

namespace controls {

namespace {

int BarCode(EScrollBar bar) { return bar == EScrollBar::Vertical ? os::SB_VERT : os::SB_HORZ; }

}  // namespace

void cScrollBars::Create(os::HWND window) {
    window_ = window;
    subclass_.Attach(this, window, os::WM_HSCROLL);
    subclass_.Attach(this, window, os::WM_VSCROLL);
    for (EScrollBar bar : {EScrollBar::Horizontal, EScrollBar::Vertical}) {
        ApplyRange(bar);
        ApplyPage(bar);
    }
}

void cScrollBars::SetVisible(EScrollBar bar, bool visible) {
    BarState& state = Bar(bar);
    if (state.visible && !visible) state.value = Value(bar);
    state.visible = visible;
    if (style_ == EScrollBarStyle::Flat) {
        os::FlatSB_ShowScrollBar(window_, BarCode(bar), visible);
    } else {
        os::ShowScrollBar(window_, BarCode(bar), visible);
    }
}

void cScrollBars::SetEnabled(EScrollBar bar, bool enabled) {
    Bar(bar).enabled = enabled;
    const os::UINT arrows = enabled ? os::ESB_ENABLE_BOTH : os::ESB_DISABLE_BOTH;
    const auto code = static_cast<os::UINT>(BarCode(bar));
    if (style_ == EScrollBarStyle::Flat) {
        os::FlatSB_EnableScrollBar(window_, code, arrows);
    } else {
        os::EnableScrollBar(window_, code, arrows);
    }
}

void cScrollBars::SetStyle(EScrollBarStyle style) {
    style_ = style;
    const os::LONG_PTR mode = style == EScrollBarStyle::Flat ? os::FSB_FLAT_MODE : os::FSB_REGULAR_MODE;
    if (style == EScrollBarStyle::Flat) os::InitializeFlatSB(window_);
    os::FlatSB_SetScrollProp(window_, os::WSB_PROP_HSTYLE, mode, true);
    os::FlatSB_SetScrollProp(window_, os::WSB_PROP_VSTYLE, mode, true);
}

std::int32_t cScrollBars::Min(EScrollBar bar) const {
    os::SCROLLINFO info;
    info.fMask = os::SIF_RANGE;
    return os::GetScrollInfo(window_, BarCode(bar), info) ? info.nMin : Bar(bar).min;
}

std::int32_t cScrollBars::Max(EScrollBar bar) const {
    os::SCROLLINFO info;
    info.fMask = os::SIF_RANGE;
    return os::GetScrollInfo(window_, BarCode(bar), info) ? info.nMax : Bar(bar).max;
}

void cScrollBars::SetMin(EScrollBar bar, std::int32_t value) {
    Bar(bar).min = value;
    ApplyRange(bar);
}

void cScrollBars::SetMax(EScrollBar bar, std::int32_t value) {
    Bar(bar).max = value;
    ApplyRange(bar);
}

std::int32_t cScrollBars::LargeChange(EScrollBar bar) const {
    if (!Bar(bar).visible) return Bar(bar).largeChange;
    os::SCROLLINFO info;
    info.fMask = os::SIF_PAGE;
    return os::GetScrollInfo(window_, BarCode(bar), info) ? static_cast<std::int32_t>(info.nPage)
                                                          : Bar(bar).largeChange;
}

void cScrollBars::SetLargeChange(EScrollBar bar, std::int32_t value) {
    Bar(bar).largeChange = value;
    ApplyPage(bar);
}

std::int32_t cScrollBars::Value(EScrollBar bar) const {
    if (!Bar(bar).visible) return Bar(bar).value;
    os::SCROLLINFO info;
    info.fMask = os::SIF_POS;
    return os::GetScrollInfo(window_, BarCode(bar), info) ? info.nPos : Bar(bar).value;
}

void cScrollBars::SetValue(EScrollBar bar, std::int32_t value) {
    ApplyValue(bar, value);
    if (host_ != nullptr) host_->Change(bar);
}

void cScrollBars::ApplyRange(EScrollBar bar) {
    os::SCROLLINFO info;
    info.fMask = os::SIF_RANGE;
    info.nMin = Bar(bar).min;
    info.nMax = Bar(bar).max;
    Bar(bar).value = os::SetScrollInfo(window_, BarCode(bar), info, true);
}

void cScrollBars::ApplyPage(EScrollBar bar) {
    os::SCROLLINFO info;
    info.fMask = os::SIF_PAGE;
    info.nPage = static_cast<os::UINT>(std::max(0, Bar(bar).largeChange));
    Bar(bar).value = os::SetScrollInfo(window_, BarCode(bar), info, true);
}

void cScrollBars::ApplyValue(EScrollBar bar, std::int32_t value) {
    os::SCROLLINFO info;
    info.fMask = os::SIF_POS;
    info.nPos = value;
    Bar(bar).value = os::SetScrollInfo(window_, BarCode(bar), info, true);
}

void cScrollBars::WindowProc(os::HWND /*window*/, os::UINT message, os::WPARAM wParam, os::LPARAM /*lParam*/,
                             os::LRESULT& /*result*/) {
    const EScrollBar bar = message == os::WM_VSCROLL ? EScrollBar::Vertical : EScrollBar::Horizontal;
    runtime::RunHandler([&] { OnRequest(bar, os::LOWORD(wParam)); });
}

// What each request does to the value, and which event follows it.
void cScrollBars::OnRequest(EScrollBar bar, int request) {
    const std::int32_t value = Value(bar);
    switch (request) {
    case os::SB_LINEUP: ApplyValue(bar, std::max(Min(bar), value - SmallChange(bar))); break;
    case os::SB_LINEDOWN: ApplyValue(bar, std::min(Max(bar), value + SmallChange(bar))); break;
    case os::SB_PAGEUP: ApplyValue(bar, value - LargeChange(bar)); break;
    case os::SB_PAGEDOWN: ApplyValue(bar, value + LargeChange(bar)); break;
    case os::SB_THUMBTRACK: {
        os::SCROLLINFO info;
        info.fMask = os::SIF_TRACKPOS;
        os::GetScrollInfo(window_, BarCode(bar), info);
        ApplyValue(bar, info.nTrackPos);
        if (host_ != nullptr) host_->Scroll(bar);
        return;
    }
    case os::SB_TOP: ApplyValue(bar, Min(bar)); break;
    case os::SB_BOTTOM: ApplyValue(bar, Max(bar)); break;
    case os::SB_ENDSCROLL: break;
    default: return;
    }
    if (host_ != nullptr) host_->Change(bar);
}

}  // namespace controls
