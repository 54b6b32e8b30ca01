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
    grid_.Interaction().editorKey = false;
    RewriteTab(keyCode, shift, grid_.Settings().selectionMode == SelectionMode::ByRow);
    if (!grid_.Enabled()) {
        ScrollOnly(keyCode);
        return;
    }
    if (raise) grid_.Events().KeyDown(keyCode, shift);
    if (keyCode == 0 || grid_.Rows() == 0 || grid_.Cols() == 0 || grid_.row() < 0 || grid_.col() < 0) return;
    InteractionState& state = grid_.Interaction();
    state.previousRow = grid_.row();
    state.previousCol = grid_.col();
    const std::int32_t oldRow = grid_.row(), oldCol = grid_.col();
    Handle(keyCode, shift);
    if (grid_.row() == oldRow && grid_.col() == oldCol) return;
    RaiseChangeEvents(oldRow);
}

void GridKeyboard::RaiseChangeEvents(std::int32_t oldRow) {
    GridEvents& events = grid_.Events();
    events.SelectionChange(grid_.row(), grid_.col());
    events.RowColChange();
    if (grid_.row() != oldRow) events.RowChange();
    events.EnterCell();
}

// A disabled grid only scrolls, and tells nobody.
void GridKeyboard::ScrollOnly(std::int16_t keyCode) {
    switch (keyCode) {
    case os::VK_UP: grid_.ScrollByStep(true, -1, false); break;
    case os::VK_DOWN: grid_.ScrollByStep(true, 1, false); break;
    case os::VK_LEFT: grid_.ScrollByStep(false, -1, false); break;
    case os::VK_RIGHT: grid_.ScrollByStep(false, 1, false); break;
    case os::VK_PRIOR: grid_.ScrollByStep(true, -1, true); break;
    case os::VK_NEXT: grid_.ScrollByStep(true, 1, true); break;
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
    case os::VK_RETURN: GridCellAction(grid_.Parts()).Run(0); break;
    case os::VK_ESCAPE:
        grid_.Interaction().searchText.clear();
        if (grid_.CellEditor()) grid_.CellEditor()->CancelCellEdit();
        break;
    case os::VK_DELETE: Delete(); break;
    default: break;
    }
}

void GridKeyboard::Leave() {
    grid_.Events().LeaveCell();
    grid_.Interaction().searchText.clear();
}

void GridKeyboard::Horizontal(std::int32_t dx, std::int16_t shift) {
    Leave();
    if (grid_.Settings().selectionMode == SelectionMode::ByRow) {
        grid_.ScrollByStep(false, dx, false);
        return;
    }
    GridNavigation(grid_.Parts()).MoveCurrent(dx, 0);
    ModifierRule(shift, false);
    GridNavigation(grid_.Parts()).FinishStep();
}

void GridKeyboard::Vertical(std::int32_t dy, std::int16_t shift) {
    Leave();
    if (dy < 0 && grid_.row() < 1) return;
    if (dy > 0 && grid_.row() >= grid_.Rows()) return;
    GridNavigation(grid_.Parts()).MoveCurrent(0, dy);
    ModifierRule(shift, true);
    GridNavigation(grid_.Parts()).FinishStep();
}

void GridKeyboard::ModifierRule(std::int16_t shift, bool vertical) {
    GridSelection selection(grid_.Parts());
    const InteractionState& state = grid_.Interaction();
    if (!grid_.MultiSelect()) {
        selection.MoveSingleSelection(true, state.previousCol, state.previousRow);
        return;
    }
    if (!grid_.FocusInside()) return;
    const SelectionUnit unit = vertical ? selection.ModeUnit() : SelectionUnit::Cell;
    if (shift & os::ShiftMask) selection.ToggleUnit(unit, grid_.row(), grid_.col());
    else if (shift == os::CtrlMask) selection.TouchFocus();
    else if (shift == 0) selection.SelectOnlyUnit(unit, grid_.row(), grid_.col());
}

void GridKeyboard::Page(bool down, std::int16_t shift) {
    Leave();
    GridNavigation navigation(grid_.Parts());
    const std::int32_t oldRow = grid_.row();
    const std::int32_t newRow = down ? navigation.PageDownRow() : navigation.PageUpRow();
    if (newRow < 0) return;
    grid_.PlaceFocus(newRow, grid_.col());
    GridSelection selection(grid_.Parts());
    const bool rowMode = grid_.Settings().selectionMode == SelectionMode::ByRow;
    if (!grid_.MultiSelect()) {
        const InteractionState& state = grid_.Interaction();
        selection.MoveSingleSelection(true, state.previousCol, state.previousRow);
    } else if (shift & os::ShiftMask) {
        // The rows passed over, the one left behind not included.
        const std::int32_t from = down ? oldRow + 1 : newRow, to = down ? newRow : oldRow - 1;
        for (std::int32_t r = from; r <= to; ++r) {
            if (rowMode) selection.SelectRow(r, true);
            else selection.SelectCell(grid_.col(), r, true);
        }
    } else if (!down || shift == 0) {
        // Up a page any key but Shift selects the new unit alone; down a
        // page Ctrl (or Alt) leaves the selection and moves only the focus.
        selection.SelectOnlyUnit(rowMode ? SelectionUnit::Row : SelectionUnit::Cell, newRow, grid_.col());
    }
    navigation.FinishStep();
}

void GridKeyboard::HomeEnd(bool end, std::int16_t shift) {
    Leave();
    GridNavigation navigation(grid_.Parts());
    const std::int32_t newRow = end ? navigation.LastVisibleRow() : navigation.FirstVisibleRow();
    if (newRow < 0) return;
    grid_.PlaceFocus(newRow, grid_.col());
    GridSelection selection(grid_.Parts());
    const bool rowMode = grid_.Settings().selectionMode == SelectionMode::ByRow;
    if (!grid_.MultiSelect()) {
        const InteractionState& state = grid_.Interaction();
        selection.MoveSingleSelection(true, state.previousCol, state.previousRow);
    } else if (shift & os::ShiftMask) {
        const std::int32_t from = end ? newRow : 0, to = end ? grid_.Rows() - 1 : newRow;
        const std::int32_t lastPosition = grid_.PositionOfDataIndex(grid_.col());
        for (std::int32_t r = from; r <= to; ++r) {
            if (rowMode) {
                selection.SelectRow(r, true);
                continue;
            }
            for (std::int32_t p = 0; p <= lastPosition && p < grid_.Cols(); ++p)
                selection.SelectCell(grid_.ColumnAt(p).dataIndex, r, true);
        }
    } else {
        selection.SelectOnlyUnit(rowMode ? SelectionUnit::Row : SelectionUnit::Cell, newRow, grid_.col());
    }
    navigation.FinishStep();
}

void GridKeyboard::CtrlSpace(std::int16_t shift) {
    if (!(shift & os::CtrlMask) || !grid_.MultiSelect()) return;
    GridSelection selection(grid_.Parts());
    selection.ToggleUnit(selection.ModeUnit(), grid_.row(), grid_.col());
    grid_.RequestRepaint();
    GridCellAction(grid_.Parts()).Run(0);
}

void GridKeyboard::Delete() {
    if (grid_.InEdit()) return;
    for (const GridColumn& column : grid_.ColumnTable())
        if (column.editable) grid_.ClearCell(grid_.row(), column.dataIndex);
}

// A disabled grid raises no key events at all.
void GridKeyboard::KeyPress(std::int16_t& keyAscii) {
    if (!grid_.Enabled()) return;
    grid_.Events().KeyPress(keyAscii);
    if (keyAscii >= 32) GridCellAction(grid_.Parts()).Run(keyAscii);
}

void GridKeyboard::KeyUp(std::int16_t& keyCode, std::int16_t& shift) {
    if (grid_.Enabled() && !grid_.Interaction().editorKey) grid_.Events().KeyUp(keyCode, shift);
}

}  // namespace grid
