#include "grid/input/GridEditor.h"

#include <string_view>

#include "grid/input/GridCellAction.h"
#include "os/commoncontrols/EditBox.h"
#include "os/windows/Focus.h"
#include "os/windows/Messages.h"
#include "os/windows/VirtualKeys.h"
#include "os/windows/Window.h"
#include "platform/MSubclass.h"
#include "runtime/HandlerBoundary.h"
#include "runtime/NumberReading.h"

namespace grid {

namespace {

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

bool IsNavigationKey(std::int16_t key) {
    switch (key) {
    case os::VK_UP:
    case os::VK_DOWN:
    case os::VK_LEFT:
    case os::VK_RIGHT:
    case os::VK_PRIOR:
    case os::VK_NEXT:
    case os::VK_HOME:
    case os::VK_END: return true;
    default: return false;
    }
}

}  // namespace

GridEditor::GridEditor(const GridInputParts& parts, GridKeyboard& keyboard)
    : parts_(parts), host_(parts.host), view_(parts.view), keyboard_(keyboard) {}

GridEditor::~GridEditor() {
    if (hooked_) runtime::RunHandler([&] { hook_.Detach(this, window_, os::WM_KEYDOWN); });
    if (window_) os::DestroyWindow(window_);
}

void GridEditor::Create(os::HWND gridWindow) {
    gridWindow_ = gridWindow;
    window_ = os::CreateEditBox(*this, gridWindow);
}

void GridEditor::BeginCellEdit(std::int32_t row, std::int32_t col, std::int16_t firstChar) {
    bool cancel = false;
    host_.Events().StartEdit(row, col, cancel);
    if (cancel || !window_) {
        view_.SetInEdit(false);
        return;
    }
    PlaceOver(row, col);
    tag_ = '0';  // a character: g++ 12 warns falsely (-Wrestrict) on a one-letter string here
    if (firstChar != 0) {
        os::SetEditBoxFlat(window_, true);
        os::SetEditBoxText(window_, "");
        os::ReplaceEditBoxSelection(window_, CharacterText(firstChar));
    } else {
        os::SetEditBoxFlat(window_, false);
        const bool empty = host_.CellAt(row, col).value.IsEmpty();
        os::SetEditBoxText(window_, empty ? std::string() : host_.CellFormattedText(row, col));
        os::SetEditBoxCaret(window_, INT32_MAX);
    }
    if (!hooked_) {
        hook_.Attach(this, window_, os::WM_KEYDOWN);
        hooked_ = true;
    }
    os::ShowWindow(window_, os::SW_SHOW);
    os::BringWindowToTop(window_);
    os::SetFocus(window_);
}

// The editor takes the cell's place and looks: its rectangle, the
// horizontal alignment of its text, its background.
void GridEditor::PlaceOver(std::int32_t row, std::int32_t col) {
    const os::RECT rect = host_.CellRect(row, col);
    const std::int32_t horizontal = host_.EffectiveTextFlags(row, col) & 3;
    os::SetEditBoxAlignment(window_, horizontal == 1 ? 1 : horizontal == 2 ? 2 : 0);
    std::int32_t back = host_.CellBackColor(row, col);
    if (back == -1) back = host_.BackColor();
    const std::int32_t rgb = parts_.canvas.TranslateColor(back);
    if (rgb != -1) os::SetEditBoxBackColor(window_, static_cast<os::COLORREF>(rgb));
    os::MoveWindow(window_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

void GridEditor::Close() {
    if (hooked_) {
        hooked_ = false;
        hook_.Detach(this, window_, os::WM_KEYDOWN);
    }
    const bool hadFocus = os::GetFocus() == window_;
    os::ShowWindow(window_, os::SW_HIDE);
    if (hadFocus && gridWindow_) os::SetFocus(gridWindow_);
}

void GridEditor::DoneEdit() {
    if (!view_.InEdit()) return;
    view_.SetInEdit(false);
    if (window_ && os::IsWindowVisible(window_)) Close();
    if (runtime::ReadLeadingNumber(tag_) == 27) return;
    if (!parts_.FocusInside()) return;
    const std::int32_t row = view_.Row(), col = view_.Col();
    const GridColumn& column = parts_.columns.At(parts_.columns.PositionOf(col));
    std::string newData = column.check ? host_.CellAt(row, col).value.Text() : Trimmed(os::EditBoxText(window_));
    bool cancel = false;
    host_.Events().EditDone(newData, cancel);
    if (!cancel) {
        host_.StoreEditedText(row, col, newData);
        host_.Events().AfterUpdate(newData);
    }
    if (parts_.FocusInside()) {
        parts_.SetCellDirty(view_.Row(), view_.Col());
        host_.RequestRepaint(false);
    }
}

void GridEditor::CancelCellEdit() {
    if (!view_.InEdit()) return;
    view_.SetInEdit(false);
    if (window_) Close();
}

void GridEditor::WindowProc(os::HWND window, os::UINT message, os::WPARAM wParam, os::LPARAM lParam,
                            os::LRESULT& result) {
    const bool enter = wParam == os::VK_RETURN, escape = wParam == os::VK_ESCAPE;
    if (message != os::WM_KEYDOWN || !view_.InEdit() || !(enter || escape)) {
        result = platform::MSubclass::PassOn(window, message, wParam, lParam);
        return;
    }
    view_.Interaction().editorKey = true;
    if (escape) tag_ = "27";
    DoneEdit();
    result = 0;
}

void GridEditor::KeyDown(std::int16_t& keyCode, std::int16_t& shift) {
    host_.Events().KeyDown(keyCode, shift);
    InteractionState& state = view_.Interaction();
    state.editorKey = false;
    if (keyCode == os::VK_RETURN) {
        state.editorKey = true;
        DoneEdit();
        keyCode = 0;
    } else if (keyCode == os::VK_ESCAPE) {
        // Only Escape throws the typed text away; Delete is left to the
        // text box, where it deletes a character as in any other text box.
        state.editorKey = true;
        tag_ = "27";
        CancelCellEdit();
        keyCode = 0;
    } else if (IsNavigationKey(keyCode)) {
        const std::int16_t key = keyCode, keyShift = shift;
        DoneEdit();
        keyboard_.HandleSeenKey(key, keyShift);
        keyCode = 0;
    }
}

void GridEditor::KeyPress(std::int16_t& keyAscii) {
    if (!view_.Interaction().editorKey) host_.Events().KeyPress(keyAscii);
    else if (keyAscii == 13) keyAscii = 0;
}

void GridEditor::KeyUp(std::int16_t& keyCode, std::int16_t& shift) {
    if (!view_.Interaction().editorKey) host_.Events().KeyUp(keyCode, shift);
    else if (keyCode == os::VK_RETURN) keyCode = 0;
}

void GridEditor::LostFocus() { runtime::RunHandler([&] { DoneEdit(); }); }

}  // namespace grid
