#pragma once

#include <cstdint>

#include "controls/ScrollBarsEvents.h"
#include "os/types/Types.h"
#include "platform/ISubclass.h"
#include "platform/cSubclass.h"

namespace controls {

// Drives the two scroll bars of one window: shows and hides them, holds
// their range, page and position, and turns the window's scroll messages
// into value changes and events.
class cScrollBars : public platform::ISubclass {
public:
    explicit cScrollBars(IScrollBarsEvents* host = nullptr) : host_(host) {}
    cScrollBars(const cScrollBars&) = delete;
    cScrollBars& operator=(const cScrollBars&) = delete;

    // Binds the bars of the window and hooks its scroll messages.
    void Create(os::HWND window);
    void SetHost(IScrollBarsEvents* host) { host_ = host; }
    os::HWND Window() const { return window_; }

    bool Visible(EScrollBar bar) const { return Bar(bar).visible; }
    void SetVisible(EScrollBar bar, bool visible);
    bool Enabled(EScrollBar bar) const { return Bar(bar).enabled; }
    void SetEnabled(EScrollBar bar, bool enabled);
    EScrollBarStyle Style() const { return style_; }
    void SetStyle(EScrollBarStyle style);

    std::int32_t Min(EScrollBar bar) const;
    void SetMin(EScrollBar bar, std::int32_t value);
    std::int32_t Max(EScrollBar bar) const;
    void SetMax(EScrollBar bar, std::int32_t value);
    std::int32_t SmallChange(EScrollBar bar) const { return Bar(bar).smallChange; }
    void SetSmallChange(EScrollBar bar, std::int32_t value) { Bar(bar).smallChange = value; }
    std::int32_t LargeChange(EScrollBar bar) const;
    void SetLargeChange(EScrollBar bar, std::int32_t value);
    std::int32_t Value(EScrollBar bar) const;
    // Moves the thumb and raises Change.
    void SetValue(EScrollBar bar, std::int32_t value);

    // Scroll messages run this object first, then the window's procedure.
    std::int32_t MsgResponse() const override { return platform::response::PreviousAfter; }
    void WindowProc(os::HWND window, os::UINT message, os::WPARAM wParam, os::LPARAM lParam,
                    os::LRESULT& result) override;

private:
    struct BarState {
        bool visible = false;
        bool enabled = true;
        std::int32_t min = 0;
        std::int32_t max = 100;
        std::int32_t smallChange = 1;
        std::int32_t largeChange = 10;
        std::int32_t value = 0;
    };

    BarState& Bar(EScrollBar bar) { return bars_[static_cast<int>(bar)]; }
    const BarState& Bar(EScrollBar bar) const { return bars_[static_cast<int>(bar)]; }
    void ApplyRange(EScrollBar bar);
    void ApplyPage(EScrollBar bar);
    void ApplyValue(EScrollBar bar, std::int32_t value);
    void OnRequest(EScrollBar bar, int request);

    IScrollBarsEvents* host_;
    os::HWND window_ = 0;
    EScrollBarStyle style_ = EScrollBarStyle::Standard;
    BarState bars_[2];
    platform::cSubclass subclass_;
};

}  // namespace controls
