// The About window's own messages: the logo strip answers the hit test as
// a caption, so the window is dragged by it, and shows by its colour
// whether the window is the active one.
#include "app/about/frmAbout.h"
#include "os/drawing/Colors.h"
#include "os/painting/Painting.h"
#include "os/windows/Messages.h"
#include "os/windows/Window.h"
#include "platform/MSubclass.h"
#include "runtime/HandlerBoundary.h"

namespace app {

namespace {

constexpr os::UINT kHookedMessages[] = {os::WM_NCHITTEST, os::WM_ACTIVATE};

}  // namespace

void frmAbout::WindowProc(os::HWND window, os::UINT message, os::WPARAM wParam, os::LPARAM lParam,
                          os::LRESULT& result) {
    switch (message) {
    case os::WM_NCHITTEST:
        if (InStrip({os::GET_X_LPARAM(lParam), os::GET_Y_LPARAM(lParam)})) {
            result = os::HTCAPTION;
            return;
        }
        break;
    case os::WM_ACTIVATE: OnActivation(os::LOWORD(wParam) != os::WA_INACTIVE); break;
    default: break;
    }
    result = platform::MSubclass::PassOn(window, message, wParam, lParam);
}

bool frmAbout::InStrip(os::POINT screenPoint) const {
    os::POINT point = screenPoint;
    if (!os::ScreenToClient(form_.hWnd(), point)) return false;
    const os::RECT& strip = logo_.Rect();
    return point.x >= strip.left && point.x < strip.right && point.y >= strip.top && point.y < strip.bottom;
}

// The strip's bottom takes the active caption's colour while the window is
// active and black while it is not; nothing is redrawn when that is unchanged.
void frmAbout::OnActivation(bool active) {
    const os::OLE_COLOR colour = active ? os::SystemColorBase + os::COLOR_ACTIVECAPTION : 0;
    if (logo_.StartColor() == colour) return;
    logo_.SetStartColor(colour);
    Repaint();
    const os::RECT strip = logo_.Rect();
    os::InvalidateRect(form_.hWnd(), &strip, false);
}

void frmAbout::HookMessages() {
    for (os::UINT message : kHookedMessages) hooks_.Attach(this, form_.hWnd(), message);
    hooked_ = true;
}

void frmAbout::UnhookMessages() {
    if (!hooked_) return;
    hooked_ = false;
    for (os::UINT message : kHookedMessages) runtime::RunHandler([&] { hooks_.Detach(this, form_.hWnd(), message); });
}

}  // namespace app
