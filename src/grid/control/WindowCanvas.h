#pragma once

#include "grid/model/GridCanvas.h"

namespace grid {

// The grid's canvas on its own window: the screen's twips, the desktop's
// colours, invalidation through the window system.
class WindowCanvas : public GridCanvas {
public:
    explicit WindowCanvas(os::HWND window = 0) : window_(window) {}
    void SetWindow(os::HWND window) { window_ = window; }

    os::HWND Window() const override { return window_; }
    double TwipsPerPixelX() const override;
    double TwipsPerPixelY() const override;
    std::int32_t TranslateColor(std::int32_t oleColor) const override;
    void Invalidate(const os::RECT& rect) override;
    void InvalidateAll() override;
    os::RECT ClientRect() const override;

private:
    os::HWND window_;
};

}  // namespace grid
