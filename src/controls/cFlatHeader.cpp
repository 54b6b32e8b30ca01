#include "controls/cFlatHeader.h"

#include "os/commoncontrols/CommonControls.h"
#include "os/drawing/DeviceContext.h"
#include "os/commoncontrols/Header.h"
#include "os/windows/Messages.h"
#include "os/windows/Process.h"
#include "os/windows/Window.h"
#include "runtime/Error.h"
#include "runtime/HandlerBoundary.h"

namespace controls {

namespace {

constexpr const char* OtherHeaderClass = "msvb_lib_header";

bool IsHeader(os::HWND window) {
    const std::string name = os::GetClassName(window);
    return name == os::WC_HEADER || name == OtherHeaderClass;
}

os::HWND FindHeader(os::HWND window) {
    if (IsHeader(window)) return window;
    if (const os::HWND found = os::FindWindowEx(window, 0, os::WC_HEADER)) return found;
    return os::FindWindowEx(window, 0, OtherHeaderClass);
}

}  // namespace

void cFlatHeader::Attach(os::HWND window) {
    Detach();
    const os::HWND header = os::IsWindow(window) ? FindHeader(window) : 0;
    if (header == 0) {
        throw runtime::Error(ErrorNoHeaderControl, "Invalid Window Passed to cFlatHeader - no header control detected.",
                             os::ExecutableName() + ".cFlatHeader");
    }
    header_ = header;
    hook_ = std::make_unique<platform::cSubclass>();
    hook_->Attach(this, header_, os::WM_PAINT);
}

void cFlatHeader::Detach() {
    hook_.reset();
    header_ = 0;
}

void cFlatHeader::WindowProc(os::HWND /*window*/, os::UINT message, os::WPARAM /*wParam*/, os::LPARAM /*lParam*/,
                             os::LRESULT& /*result*/) {
    if (message == os::WM_PAINT) runtime::RunHandler([this] { Paint(); });
}

void cFlatHeader::Paint() const {
    os::RECT bounds;
    if (!os::GetClientRect(header_, bounds)) return;
    const os::HDC dc = os::GetDC(header_);
    if (dc == 0) return;
    PaintFlatHeader(header_, dc, bounds);
    os::ReleaseDC(header_, dc);
}

}  // namespace controls
