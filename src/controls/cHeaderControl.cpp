#include "controls/cHeaderControl.h"

#include "os/commoncontrols/CommonControls.h"
#include "os/drawing/GdiObjects.h"
#include "os/windows/Messages.h"
#include "os/windows/Messaging.h"
#include "os/painting/Painting.h"
#include "os/windows/Window.h"
#include "runtime/HandlerBoundary.h"

namespace controls {

namespace {

constexpr std::int32_t DefaultHeight = 20;

}  // namespace

cHeaderControl::~cHeaderControl() {
    runtime::RunHandler([this] { Destroy(); });
}

void cHeaderControl::Init(os::HWND parent, bool allowResize) {
    parent_ = parent;
    allowResize_ = allowResize;
    if (Create() == os::ERROR_CANNOT_FIND_WND_CLASS) {
        os::INITCOMMONCONTROLSEX classes;
        classes.dwICC = os::ICC_LISTVIEW_CLASSES;
        os::InitCommonControlsEx(classes);
        Create();
    }
}

os::DWORD cHeaderControl::Create() {
    const os::RECT rect = Rect();
    header_ = os::CreateWindowEx(0, os::WC_HEADER, "", Style(), rect.left, rect.top, rect.right - rect.left,
                                 rect.bottom - rect.top, parent_, 0);
    if (header_ == 0) return os::GetLastError();
    headerHook_ = std::make_unique<platform::cSubclass>();
    parentHook_ = std::make_unique<platform::cSubclass>();
    headerHook_->Attach(this, header_, os::HDM_LAYOUT);
    parentHook_->Attach(this, parent_, os::WM_NOTIFY);
    if (imageList_ != 0) os::SendMessage(header_, os::HDM_SETIMAGELIST, 0, imageList_);
    if (font_ != 0) os::SendMessage(header_, os::WM_SETFONT, static_cast<os::WPARAM>(font_), 1);
    SetVisible(visible_);
    return 0;
}

void cHeaderControl::Destroy() {
    headerHook_.reset();
    parentHook_.reset();
    if (header_ != 0) {
        os::ShowWindow(header_, os::SW_HIDE);
        os::DestroyWindow(header_);
        header_ = 0;
    }
    if (font_ != 0) os::DeleteObject(std::exchange(font_, 0));
    texts_.clear();
    count_ = 0;
}

void cHeaderControl::Recreate() {
    Destroy();
    Create();
    if (host_ != nullptr) host_->RecreateControl();
}

void cHeaderControl::SetVisible(bool visible) {
    visible_ = visible;
    if (header_ != 0) os::ShowWindow(header_, visible ? os::SW_SHOW : os::SW_HIDE);
}

os::RECT cHeaderControl::Rect() const {
    if (rectSet_) return rect_;
    os::RECT client;
    os::GetClientRect(parent_, client);
    client.bottom = client.top + DefaultHeight;
    return client;
}

void cHeaderControl::Move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    const os::RECT old = Rect();
    const std::int32_t newLeft = left < 0 ? old.left : left;
    const std::int32_t newTop = top < 0 ? old.top : top;
    const std::int32_t newWidth = width < 0 ? old.right - old.left : width;
    const std::int32_t newHeight = height < 0 ? old.bottom - old.top : height;
    Place({newLeft, newTop, newLeft + newWidth, newTop + newHeight});
}

void cHeaderControl::Place(const os::RECT& rect) {
    rect_ = rect;
    rectSet_ = true;
    ApplyRect();
}

void cHeaderControl::ApplyRect() {
    if (header_ == 0) return;
    os::MoveWindow(header_, rect_.left, rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top);
    os::InvalidateRect(header_, nullptr, false);
    os::UpdateWindow(header_);
}

os::DWORD cHeaderControl::Style() const {
    os::DWORD style = os::WS_CHILD | os::WS_VISIBLE;
    if (hotTrack_) style |= os::HDS_HOTTRACK;
    if (dragDrop_) style |= os::HDS_DRAGDROP;
    if (buttons_ && enabled_) style |= os::HDS_BUTTONS;
    return style;
}

void cHeaderControl::SetStyleBit(os::DWORD bit, bool on) {
    if (header_ == 0) return;
    const auto style = static_cast<os::DWORD>(os::GetWindowLong(header_, os::GWL_STYLE));
    os::SetWindowLong(header_, os::GWL_STYLE, static_cast<os::LONG_PTR>(on ? style | bit : style & ~bit));
    os::InvalidateRect(header_, nullptr, false);
}

void cHeaderControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (header_ == 0) return;
    os::EnableWindow(header_, enabled);
    SetStyleBit(os::HDS_BUTTONS, enabled && buttons_);
}

void cHeaderControl::SetButtons(bool on) {
    buttons_ = on;
    SetStyleBit(os::HDS_BUTTONS, on && enabled_);
}

void cHeaderControl::SetHotTrack(bool on) {
    hotTrack_ = on;
    SetStyleBit(os::HDS_HOTTRACK, on);
}

void cHeaderControl::SetDragReOrderColumns(bool on) {
    dragDrop_ = on;
    SetStyleBit(os::HDS_DRAGDROP, on);
}

void cHeaderControl::SetFont(const os::LOGFONT& font) {
    const os::HFONT made = os::CreateFontIndirect(font);
    if (header_ != 0) os::SendMessage(header_, os::WM_SETFONT, static_cast<os::WPARAM>(made), 1);
    if (font_ != 0) os::DeleteObject(font_);
    font_ = made;
}

void cHeaderControl::SetImageList(os::HIMAGELIST list) {
    imageList_ = list;
    if (header_ != 0) os::SendMessage(header_, os::HDM_SETIMAGELIST, 0, list);
}

}  // namespace controls
