#include "grid/control/GridControl.h"

#include "grid/input/GridFocus.h"
#include "os/painting/ControlWindow.h"
#include "os/windows/Window.h"
#include "runtime/HandlerBoundary.h"

namespace grid {

GridControl::GridControl(os::HWND parent, const os::RECT& bounds) {
    window_ = os::CreateControlWindow(*this, "vbGrid", parent, bounds);
    ownsWindow_ = true;
    Build();
}

GridControl::GridControl(os::HWND window) : window_(window) { Build(); }

void GridControl::Build() {
    canvas_.SetWindow(window_);
    grid_ = std::make_unique<VbGrid>(&canvas_);
    renderer_ = std::make_unique<GridRenderer>(grid_->Parts(), grid_->Painted());
    grid_->SetPainter(renderer_.get());
    renderer_->Attach();
    header_ = std::make_unique<GridHeaderBinding>(grid_->Parts(), grid_->Headered());
    header_->Create(window_);
    grid_->SetHeaderControl(header_.get());
    scrolling_ = std::make_unique<GridScrolling>(grid_->InputParts());
    scrolling_->Create(window_);
    grid_->SetScroller(scrolling_.get());
    keyboard_ = std::make_unique<GridKeyboard>(grid_->InputParts());
    mouse_ = std::make_unique<GridMouse>(grid_->InputParts());
    editor_ = std::make_unique<GridEditor>(grid_->InputParts(), *keyboard_);
    editor_->Create(window_);
    grid_->SetCellEditor(editor_.get());
}

GridControl::~GridControl() {
    grid_->SetCellEditor(nullptr);
    editor_.reset();
    grid_->SetScroller(nullptr);
    scrolling_.reset();
    grid_->SetHeaderControl(nullptr);
    header_.reset();
    grid_->SetPainter(nullptr);
    renderer_.reset();
    if (window_ && ownsWindow_) os::DestroyWindow(window_);
}

void GridControl::KeyDown(std::int16_t& keyCode, std::int16_t& shift) {
    runtime::RunHandler([&] { keyboard_->KeyDown(keyCode, shift); });
}
void GridControl::KeyPress(std::int16_t& keyAscii) {
    runtime::RunHandler([&] { keyboard_->KeyPress(keyAscii); });
}
void GridControl::KeyUp(std::int16_t& keyCode, std::int16_t& shift) {
    runtime::RunHandler([&] { keyboard_->KeyUp(keyCode, shift); });
}
void GridControl::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    runtime::RunHandler([&] { mouse_->MouseDown(button, shift, x, y); });
}
void GridControl::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    runtime::RunHandler([&] { mouse_->MouseMove(button, shift, x, y); });
}
void GridControl::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    runtime::RunHandler([&] { mouse_->MouseUp(button, shift, x, y); });
}
// The grid raises its own Click at the release; the window's plain click
// notification has nothing left to do.
void GridControl::Click() {}
void GridControl::DblClick() {
    runtime::RunHandler([&] { mouse_->DblClick(); });
}

void GridControl::GotFocus() {
    runtime::RunHandler([&] { FocusChanged(grid_->InputParts(), true); });
}

void GridControl::LostFocus() {
    runtime::RunHandler([&] { FocusChanged(grid_->InputParts(), false); });
}

void GridControl::Resize() {
    runtime::RunHandler([&] { grid_->Refresh(true); });
}

void GridControl::Paint() {
    runtime::RunHandler([&] { renderer_->PaintEvent(); });
}

}  // namespace grid
