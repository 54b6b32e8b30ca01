#include "grid/input/GridMouse.h"

#include <cmath>

#include "grid/input/GridCellAction.h"
#include "grid/input/GridNavigation.h"
#include "grid/view/GridSelection.h"
#include "grid/input/GridToolTip.h"
#include "os/desktop/ToolTips.h"
#include "os/windows/VirtualKeys.h"

namespace grid {

os::POINT GridMouse::Pixels(float x, float y) const {
    const double tx = parts_.canvas.TwipsPerPixelX(), ty = parts_.canvas.TwipsPerPixelY();
    return {static_cast<std::int32_t>(std::floor(x / tx)), static_cast<std::int32_t>(std::floor(y / ty))};
}

GridMouse::Hit GridMouse::HitTest(float x, float y) const {
    const os::POINT p = Pixels(x, y);
    Hit hit;
    host_.CellFromPoint(p.x, p.y, hit.row, hit.col, 0, 0);
    if (!hit.Inside()) hit = Hit{};
    return hit;
}

void GridMouse::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!host_.Enabled()) return;
    InteractionState& state = view_.Interaction();
    state.pressButton = button;
    std::int16_t b = button, s = shift;
    float ex = x, ey = y;
    host_.Events().MouseDown(b, s, ex, ey);
    bool doDefault = true;
    host_.Events().MouseDownTest(doDefault);
    if (!doDefault) return;

    state.searchText.clear();
    state.mouseDown = true;
    state.previousRow = view_.Row();
    state.previousCol = view_.Col();
    const Hit hit = HitTest(x, y);
    state.dragRow = hit.row;
    state.dragCol = hit.col;
    state.pressShift = shift;
    const std::int32_t oldRow = view_.Row(), oldCol = view_.Col();
    if (hit.Inside() && !PressOnCell(hit, shift)) return;
    if (view_.Row() == oldRow && view_.Col() == oldCol) return;
    GridEvents& events = host_.Events();
    events.EnterCell();
    events.SelectionChange(view_.Row(), view_.Col());
    events.RowColChange();
    if (view_.Row() != oldRow) events.RowChange();
}

bool GridMouse::PressOnCell(const Hit& hit, std::int16_t shift) {
    if (!(shift & os::ShiftMask)) {
        view_.PlaceFocus(hit.row, hit.col);
    } else {
        if (!parts_.FocusInside()) view_.PlaceFocus(hit.row, hit.col);
        // A block needs a second corner outside the fixed bands, and never
        // one in the first row or column, with or without fixed bands.
        const bool blockable = host_.MultiSelect() && hit.row >= 1 && hit.col >= 1 &&
                               hit.row >= host_.FixedRows() && parts_.columns.PositionOf(hit.col) >= host_.FixedCols();
        if (blockable) {
            if (hit.row == view_.Row() && hit.col == view_.Col()) GridCellAction(parts_).Run(0);
            else SelectBlock(hit);
            return false;
        }
    }
    if (hit.row == view_.LastDrawnRow() && hit.col == view_.LastDrawnCol()) {
        GridCellAction(parts_).Run(0);
        return false;
    }
    SelectByClick(hit, shift);
    return true;
}

// Everything between the focus cell and the clicked one is selected, and
// nothing else; the focus stays where it was.
void GridMouse::SelectBlock(const Hit& hit) {
    const bool rowMode = parts_.settings.selectionMode == SelectionMode::ByRow;
    const std::int32_t from = rowMode ? 0 : parts_.columns.PositionOf(view_.Col());
    const std::int32_t to = rowMode ? parts_.Cols() - 1 : parts_.columns.PositionOf(hit.col);
    GridSelection(parts_).SelectBlock(view_.Row(), hit.row, from, to);
    GridNavigation(parts_).FinishStep();
}

void GridMouse::SelectByClick(const Hit& hit, std::int16_t shift) {
    GridSelection selection(parts_);
    if (!host_.MultiSelect()) {
        const InteractionState& state = view_.Interaction();
        selection.MoveSingleSelection(true, state.previousCol, state.previousRow);
        if (parts_.FocusInside() && !parts_.columns.At(parts_.columns.PositionOf(view_.Col())).visible)
            view_.PlaceFocus(view_.Row(), 0);
        GridNavigation(parts_).FinishStep();
        return;
    }
    const bool ctrl = (shift & os::CtrlMask) != 0;
    const bool fixedRow = hit.row < host_.FixedRows();
    const bool fixedCol = parts_.columns.PositionOf(hit.col) < host_.FixedCols();
    if (fixedRow && fixedCol) selection.SetAllSelected(true);
    else if (fixedRow && ctrl) selection.SelectColumn(hit.col, true);
    else if (fixedRow) selection.SelectOnlyColumn(hit.col);
    else if (fixedCol && ctrl) selection.SelectRow(hit.row, true);
    else if (fixedCol) selection.SelectOnlyRow(hit.row);
    else if (ctrl) selection.ToggleUnit(selection.ModeUnit(), hit.row, hit.col);
    else selection.SelectOnlyUnit(selection.ModeUnit(), hit.row, hit.col);
    GridNavigation(parts_).FinishStep();
}

void GridMouse::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!host_.Enabled()) return;
    std::int16_t b = button, s = shift;
    float ex = x, ey = y;
    host_.Events().MouseMove(b, s, ex, ey);
    const Hit before{view_.MouseRow(), view_.MouseCol()};
    const Hit hit = HitTest(x, y);
    view_.SetMouseCell(hit.row, hit.col);
    if (hit.Inside() && (hit.row != before.row || hit.col != before.col)) ShowToolTip(hit);
    if (button & os::LeftButton) DragSelect(x, y);
}

void GridMouse::ShowToolTip(const Hit& hit) {
    const os::HWND window = parts_.canvas.Window();
    if (window) os::SetWindowToolTip(window, CellTipText(parts_, hit.row, hit.col));
}

// Each cell the pointer enters while the left button is down changes its
// selection once; coming back to the cell just left changes nothing.
void GridMouse::DragSelect(float x, float y) {
    if (!host_.Enabled() || !view_.Interaction().mouseDown || !host_.MultiSelect()) return;
    InteractionState& state = view_.Interaction();
    const Hit hit = HitTest(x, y);
    if (!hit.Inside() || (hit.row == state.dragRow && hit.col == state.dragCol)) return;
    GridSelection selection(parts_);
    selection.ToggleUnit(selection.ModeUnit(), hit.row, hit.col);
    state.dragRow = hit.row;
    state.dragCol = hit.col;
    host_.RequestRepaint(false);
}

void GridMouse::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!host_.Enabled()) return;
    std::int16_t b = button, s = shift;
    float ex = x, ey = y;
    host_.Events().MouseUp(b, s, ex, ey);
    view_.Interaction().mouseDown = false;
    const os::POINT p = Pixels(x, y);
    if (host_.OnCells(p.x, p.y)) host_.Events().Click();
}

void GridMouse::DblClick() {
    if (!host_.Enabled() || view_.Interaction().pressButton != os::LeftButton) return;
    host_.Events().DblClick();
    if (parts_.FocusInside()) GridCellAction(parts_).Run(0);
}

}  // namespace grid
