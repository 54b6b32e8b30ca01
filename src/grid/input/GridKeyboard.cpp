#include "grid/input/GridKeyboard.h"

#include <algorithm>

#include "grid/input/GridCellAction.h"
#include "grid/input/GridNavigation.h"
#include "grid/view/GridSelection.h"
#include "os/windows/VirtualKeys.h"

namespace grid {

namespace {

// Tab walks the cells as Right does, or the rows in row mode; Shift turns
// it round. Only the key changes: the Shift stays, so that Shift+Tab
// extends a multiple selection as Shift+Left does and the host sees it.
void RewriteTab(std::int16_t& keyCode, std::int16_t shift, bool rowMode) {
    if (keyCode != os::VK_TAB) return;
    const bool back = (shift & os::ShiftMask) != 0;
    if (rowMode) keyCode = static_cast<std::int16_t>(back ? os::VK_UP : os::VK_DOWN);
    else keyCode = static_cast<std::int16_t>(back ? os::VK_LEFT : os::VK_RIGHT);
}

}  // namespace

void GridKeyboard::KeyDown(std::int16_t& keyCode, std::int16_t& shift) { Process(keyCode, shift, true); }

void GridKeyboard::HandleSeenKey(std::int16_t keyCode, std::int16_t shift) { Process(keyCode, shift, false); }

void GridKeyboard::Process(std::int16_t& keyCode, std::int16_t& shift, bool raise) {
    view_.Interaction().editorKey = false;
    RewriteTab(keyCode, shift, parts_.settings.selectionMode == SelectionMode::ByRow);
    if (!host_.Enabled()) {
        ScrollOnly(keyCode);
        return;
    }
    if (raise) host_.Events().KeyDown(keyCode, shift);
    if (keyCode == 0 || parts_.Rows() == 0 || parts_.Cols() == 0 || view_.Row() < 0 || view_.Col() < 0) return;
    InteractionState& state = view_.Interaction();
    state.previousRow = view_.Row();
    state.previousCol = view_.Col();
    const std::int32_t oldRow = view_.Row(), oldCol = view_.Col();
    Handle(keyCode, shift);
    if (view_.Row() == oldRow && view_.Col() == oldCol) return;
    RaiseChangeEvents(oldRow);
}

void GridKeyboard::RaiseChangeEvents(std::int32_t oldRow) {
    GridEvents& events = host_.Events();
    events.SelectionChange(view_.Row(), view_.Col());
    events.RowColChange();
    if (view_.Row() != oldRow) events.RowChange();
    events.EnterCell();
}

// A disabled grid only scrolls, and tells nobody.
void GridKeyboard::ScrollOnly(std::int16_t keyCode) {
    switch (keyCode) {
    case os::VK_UP: host_.ScrollByStep(true, -1, false); break;
    case os::VK_DOWN: host_.ScrollByStep(true, 1, false); break;
    case os::VK_LEFT: host_.ScrollByStep(false, -1, false); break;
    case os::VK_RIGHT: host_.ScrollByStep(false, 1, false); break;
    case os::VK_PRIOR: host_.ScrollByStep(true, -1, true); break;
    case os::VK_NEXT: host_.ScrollByStep(true, 1, true); break;
    default: break;
    }
}

void GridKeyboard::Handle(std::int16_t keyCode, std::int16_t shift) {
    switch (keyCode) {
    case os::VK_SPACE: CtrlSpace(shift); break;
    case os::VK_LEFT: Horizontal(-1, shift); break;
    case os::VK_RIGHT: Horizontal(1, shift); break;
    case os::VK_UP: Vertical(-1, shift); break;
    case os::VK_DOWN: Vertical(1, shift); break;
    case os::VK_PRIOR: Page(false, shift); break;
    case os::VK_NEXT: Page(true, shift); break;
    case os::VK_HOME: HomeEnd(false, shift); break;
    case os::VK_END: HomeEnd(true, shift); break;
    case os::VK_RETURN: GridCellAction(parts_).Run(0); break;
    case os::VK_ESCAPE:
        view_.Interaction().searchText.clear();
        if (host_.CellEditor()) host_.CellEditor()->CancelCellEdit();
        break;
    case os::VK_DELETE: Delete(); break;
    default: break;
    }
}

void GridKeyboard::Leave() {
    host_.Events().LeaveCell();
    view_.Interaction().searchText.clear();
}

void GridKeyboard::Horizontal(std::int32_t dx, std::int16_t shift) {
    Leave();
    if (parts_.settings.selectionMode == SelectionMode::ByRow) {
        host_.ScrollByStep(false, dx, false);
        return;
    }
    GridNavigation(parts_).MoveCurrent(dx, 0);
    ModifierRule(shift, false);
    GridNavigation(parts_).FinishStep();
}

void GridKeyboard::Vertical(std::int32_t dy, std::int16_t shift) {
    Leave();
    if (dy < 0 && view_.Row() < 1) return;
    if (dy > 0 && view_.Row() >= parts_.Rows()) return;
    GridNavigation(parts_).MoveCurrent(0, dy);
    ModifierRule(shift, true);
    GridNavigation(parts_).FinishStep();
}

void GridKeyboard::ModifierRule(std::int16_t shift, bool vertical) {
    GridSelection selection(parts_);
    const InteractionState& state = view_.Interaction();
    if (!host_.MultiSelect()) {
        selection.MoveSingleSelection(true, state.previousCol, state.previousRow);
        return;
    }
    if (!parts_.FocusInside()) return;
    const SelectionUnit unit = vertical ? selection.ModeUnit() : SelectionUnit::Cell;
    if (shift & os::ShiftMask) selection.ToggleUnit(unit, view_.Row(), view_.Col());
    else if (shift == os::CtrlMask) selection.TouchFocus();
    else if (shift == 0) selection.SelectOnlyUnit(unit, view_.Row(), view_.Col());
}

void GridKeyboard::Page(bool down, std::int16_t shift) {
    Leave();
    GridNavigation navigation(parts_);
    const std::int32_t oldRow = view_.Row();
    const std::int32_t newRow = down ? navigation.PageDownRow() : navigation.PageUpRow();
    if (newRow < 0) return;
    view_.PlaceFocus(newRow, view_.Col());
    GridSelection selection(parts_);
    const bool rowMode = parts_.settings.selectionMode == SelectionMode::ByRow;
    if (!host_.MultiSelect()) {
        const InteractionState& state = view_.Interaction();
        selection.MoveSingleSelection(true, state.previousCol, state.previousRow);
    } else if (shift & os::ShiftMask) {
        // The rows passed over, the one left behind not included.
        const std::int32_t from = down ? oldRow + 1 : newRow, to = down ? newRow : oldRow - 1;
        for (std::int32_t r = from; r <= to; ++r) {
            if (rowMode) selection.SelectRow(r, true);
            else selection.SelectCell(view_.Col(), r, true);
        }
    } else if (!down || shift == 0) {
        // Up a page any key but Shift selects the new unit alone; down a
        // page Ctrl (or Alt) leaves the selection and moves only the focus.
        selection.SelectOnlyUnit(rowMode ? SelectionUnit::Row : SelectionUnit::Cell, newRow, view_.Col());
    }
    navigation.FinishStep();
}

void GridKeyboard::HomeEnd(bool end, std::int16_t shift) {
    Leave();
    GridNavigation navigation(parts_);
    const std::int32_t newRow = end ? navigation.LastVisibleRow() : navigation.FirstVisibleRow();
    if (newRow < 0) return;
    view_.PlaceFocus(newRow, view_.Col());
    GridSelection selection(parts_);
    const bool rowMode = parts_.settings.selectionMode == SelectionMode::ByRow;
    if (!host_.MultiSelect()) {
        const InteractionState& state = view_.Interaction();
        selection.MoveSingleSelection(true, state.previousCol, state.previousRow);
    } else if (shift & os::ShiftMask) {
        const std::int32_t from = end ? newRow : 0, to = end ? parts_.Rows() - 1 : newRow;
        const std::int32_t lastPosition = parts_.columns.PositionOf(view_.Col());
        for (std::int32_t r = from; r <= to; ++r) {
            if (rowMode) {
                selection.SelectRow(r, true);
                continue;
            }
            for (std::int32_t p = 0; p <= lastPosition && p < parts_.Cols(); ++p)
                selection.SelectCell(parts_.columns.At(p).dataIndex, r, true);
        }
    } else {
        selection.SelectOnlyUnit(rowMode ? SelectionUnit::Row : SelectionUnit::Cell, newRow, view_.Col());
    }
    navigation.FinishStep();
}

void GridKeyboard::CtrlSpace(std::int16_t shift) {
    if (!(shift & os::CtrlMask) || !host_.MultiSelect()) return;
    GridSelection selection(parts_);
    selection.ToggleUnit(selection.ModeUnit(), view_.Row(), view_.Col());
    host_.RequestRepaint(false);
    GridCellAction(parts_).Run(0);
}

void GridKeyboard::Delete() {
    if (view_.InEdit()) return;
    for (const GridColumn& column : parts_.columns.Table())
        if (column.editable) host_.ClearCell(view_.Row(), column.dataIndex);
}

// A disabled grid raises no key events at all.
void GridKeyboard::KeyPress(std::int16_t& keyAscii) {
    if (!host_.Enabled()) return;
    host_.Events().KeyPress(keyAscii);
    if (keyAscii >= 32) GridCellAction(parts_).Run(keyAscii);
}

void GridKeyboard::KeyUp(std::int16_t& keyCode, std::int16_t& shift) {
    if (host_.Enabled() && !view_.Interaction().editorKey) host_.Events().KeyUp(keyCode, shift);
}

}  // namespace grid
