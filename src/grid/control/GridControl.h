#pragma once

#include <memory>

#include "grid/input/GridEditor.h"
#include "grid/header/GridHeaderBinding.h"
#include "grid/input/GridKeyboard.h"
#include "grid/input/GridMouse.h"
#include "grid/paint/GridRenderer.h"
#include "grid/input/GridScrolling.h"
#include "grid/core/VbGrid.h"
#include "grid/control/WindowCanvas.h"
#include "os/windows/ControlOwner.h"
#include "os/types/Types.h"

namespace grid {

// The results grid as a control on a form: its own window, the data model
// on it, the renderer that paints it, and the keyboard, mouse and in-place
// editor that work it. The window's control events reach the grid here,
// each under the handler guard.
class GridControl : public os::ControlOwner {
public:
    // Creates the grid's window as a child of parent.
    GridControl(os::HWND parent, const os::RECT& bounds);
    // Draws on a window that a form made for the grid; the form passes that
    // window's control events on to this object and destroys the window.
    explicit GridControl(os::HWND window);
    ~GridControl() override;
    GridControl(const GridControl&) = delete;
    GridControl& operator=(const GridControl&) = delete;

    VbGrid& Grid() { return *grid_; }
    GridRenderer& Renderer() { return *renderer_; }
    GridHeaderBinding& Header() { return *header_; }
    GridScrolling& Scrolling() { return *scrolling_; }
    GridEditor& Editor() { return *editor_; }
    os::HWND Window() const { return window_; }

    // ControlOwner
    void KeyDown(std::int16_t& keyCode, std::int16_t& shift) override;
    void KeyPress(std::int16_t& keyAscii) override;
    void KeyUp(std::int16_t& keyCode, std::int16_t& shift) override;
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override;
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override;
    void Click() override;
    void DblClick() override;
    void GotFocus() override;
    void LostFocus() override;
    void Resize() override;
    void Paint() override;

private:
    void Build();

    WindowCanvas canvas_;
    std::unique_ptr<VbGrid> grid_;
    std::unique_ptr<GridRenderer> renderer_;
    std::unique_ptr<GridHeaderBinding> header_;
    std::unique_ptr<GridScrolling> scrolling_;
    std::unique_ptr<GridKeyboard> keyboard_;
    std::unique_ptr<GridMouse> mouse_;
    std::unique_ptr<GridEditor> editor_;
    os::HWND window_ = 0;
    bool ownsWindow_ = false;
};

}  // namespace grid
