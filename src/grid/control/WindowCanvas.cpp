#include "grid/control/WindowCanvas.h"

#include "os/drawing/Colors.h"
#include "os/painting/Painting.h"
#include "os/painting/Twips.h"
#include "os/windows/Window.h"

namespace grid {

double WindowCanvas::TwipsPerPixelX() const { return os::TwipsPerPixelX(); }
double WindowCanvas::TwipsPerPixelY() const { return os::TwipsPerPixelY(); }

std::int32_t WindowCanvas::TranslateColor(std::int32_t oleColor) const {
    return os::TranslateColor(static_cast<os::OLE_COLOR>(oleColor));
}

void WindowCanvas::Invalidate(const os::RECT& rect) {
    if (window_) os::InvalidateRect(window_, &rect, false);
}

void WindowCanvas::InvalidateAll() {
    if (window_) os::InvalidateRect(window_, nullptr, false);
}

os::RECT WindowCanvas::ClientRect() const {
    os::RECT rect;
    if (!window_ || !os::GetClientRect(window_, rect)) return {};
    return rect;
}

}  // namespace grid
