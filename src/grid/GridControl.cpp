#include "grid/GridControl.h"

#include "os/windows/ControlWindow.h"
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
    renderer_ = std::make_unique<GridRenderer>(*grid_);
    grid_->SetPainter(renderer_.get());
    renderer_->Attach();
    header_ = std::make_unique<GridHeaderBinding>(*grid_);
    header_->Create(window_);
    grid_->SetHeaderControl(header_.get());
    scrolling_ = std::make_unique<GridScrolling>(*grid_);
    scrolling_->Create(window_);
    grid_->SetScroller(scrolling_.get());
}

GridControl::~GridControl() {
    grid_->SetScroller(nullptr);
    scrolling_.reset();
    grid_->SetHeaderControl(nullptr);
    header_.reset();
    grid_->SetPainter(nullptr);
    renderer_.reset();
    if (window_ && ownsWindow_) os::DestroyWindow(window_);
}

void GridControl::KeyDown(std::int16_t& keyCode, std::int16_t& shift) {
    runtime::RunHandler([&] { grid_->Events().KeyDown(keyCode, shift); });
}
void GridControl::KeyPress(std::int16_t& keyAscii) {
    runtime::RunHandler([&] { grid_->Events().KeyPress(keyAscii); });
}
void GridControl::KeyUp(std::int16_t& keyCode, std::int16_t& shift) {
    runtime::RunHandler([&] { grid_->Events().KeyUp(keyCode, shift); });
}
void GridControl::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    runtime::RunHandler([&] { grid_->Events().MouseDown(button, shift, x, y); });
}
void GridControl::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    runtime::RunHandler([&] { grid_->Events().MouseMove(button, shift, x, y); });
}
void GridControl::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    runtime::RunHandler([&] { grid_->Events().MouseUp(button, shift, x, y); });
}
void GridControl::Click() {
    runtime::RunHandler([&] { grid_->Events().Click(); });
}
void GridControl::DblClick() {
    runtime::RunHandler([&] { grid_->Events().DblClick(); });
}

void GridControl::RepaintFocusCell() {
    VbGrid& g = *grid_;
    if (g.row() >= 0 && g.row() < g.Rows() && g.col() >= 0 && g.col() < g.Cols()) {
        g.SetCellDirty(g.row(), g.col());
        g.RequestRepaint();
    }
}

void GridControl::GotFocus() {
    runtime::RunHandler([&] {
        grid_->SetHasFocus(true);
        RepaintFocusCell();
    });
}

void GridControl::LostFocus() {
    runtime::RunHandler([&] {
        grid_->SetHasFocus(false);
        RepaintFocusCell();
    });
}

void GridControl::Resize() {
    runtime::RunHandler([&] { grid_->Refresh(true); });
}

void GridControl::Paint() {
    runtime::RunHandler([&] { renderer_->PaintEvent(); });
}

}  // namespace grid
