#pragma once

#include <cstdint>
#include <string>

#include "grid/input/GridKeyboard.h"
#include "grid/view/GridInputParts.h"
#include "os/windows/ControlOwner.h"
#include "platform/ISubclass.h"
#include "platform/cSubclass.h"

namespace grid {

// The in-place editor txtEdit: a text box laid over the focus cell. Enter
// and Escape reach it through a hook on its key-down message (commit,
// cancel); its own key events pass navigation keys on to the grid after
// committing; losing the focus commits. The tag "27" marks a cancelled edit.
class GridEditor : public GridCellEditor, public os::ControlOwner, public platform::ISubclass {
public:
    GridEditor(const GridInputParts& parts, GridKeyboard& keyboard);
    ~GridEditor() override;
    GridEditor(const GridEditor&) = delete;
    GridEditor& operator=(const GridEditor&) = delete;

    // Creates the editor's window on the grid's window.
    void Create(os::HWND gridWindow);
    os::HWND Window() const { return window_; }
    const std::string& Tag() const { return tag_; }

    // GridCellEditor
    void BeginCellEdit(std::int32_t row, std::int32_t col, std::int16_t firstChar) override;
    void DoneEdit() override;
    void CancelCellEdit() override;
    void SetTag(const std::string& tag) override { tag_ = tag; }

    // ControlOwner: the editor's own events.
    void KeyDown(std::int16_t& keyCode, std::int16_t& shift) override;
    void KeyPress(std::int16_t& keyAscii) override;
    void KeyUp(std::int16_t& keyCode, std::int16_t& shift) override;
    void LostFocus() override;

    // ISubclass: the editor's key-down message.
    std::int32_t MsgResponse() const override { return platform::response::Consume; }
    void WindowProc(os::HWND window, os::UINT message, os::WPARAM wParam, os::LPARAM lParam,
                    os::LRESULT& result) override;

private:
    void PlaceOver(std::int32_t row, std::int32_t col);
    // Removes the key hook and hides the editor; the grid gets the focus back
    // when the editor had it.
    void Close();

    GridInputParts parts_;
    GridHost& host_;
    GridViewState& view_;
    GridKeyboard& keyboard_;
    platform::cSubclass hook_;
    bool hooked_ = false;
    os::HWND window_ = 0;
    os::HWND gridWindow_ = 0;
    std::string tag_ = "0";
};

}  // namespace grid
