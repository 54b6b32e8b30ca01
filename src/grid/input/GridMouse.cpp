#include "grid/input/GridMouse.h"

#include <cmath>

#include "grid/input/GridCellAction.h"
#include "grid/core/GridLayout.h"
#include "grid/input/GridNavigation.h"
#include "grid/view/GridSelection.h"
#include "grid/input/GridToolTip.h"
#include "os/desktop/ToolTips.h"
#include "os/windows/VirtualKeys.h"

namespace grid {

os::POINT GridMouse::Pixels(float x, float y) const {
    const double tx = grid_.Canvas().TwipsPerPixelX(), ty = grid_.Canvas().TwipsPerPixelY();
    return {static_cast<std::int32_t>(std::floor(x / tx)), static_cast<std::int32_t>(std::floor(y / ty))};
}

GridMouse::Hit GridMouse::HitTest(float x, float y) const {
    const os::POINT p = Pixels(x, y);
    Hit hit;
    grid_.CellFromPoint(p.x, p.y, hit.row, hit.col);
    if (!hit.Inside()) hit = Hit{};
    return hit;
}

void GridMouse::MouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!grid_.Enabled()) return;
    InteractionState& state = grid_.Interaction();
    state.pressButton = button;
    std::int16_t b = button, s = shift;
    float ex = x, ey = y;
    grid_.Events().MouseDown(b, s, ex, ey);
    bool doDefault = true;
    grid_.Events().MouseDownTest(doDefault);
    if (!doDefault) return;

    state.searchText.clear();
    state.mouseDown = true;
    state.previousRow = grid_.row();
    state.previousCol = grid_.col();
    const Hit hit = HitTest(x, y);
    state.dragRow = hit.row;
    state.dragCol = hit.col;
    state.pressShift = shift;
    const std::int32_t oldRow = grid_.row(), oldCol = grid_.col();
    if (hit.Inside() && !PressOnCell(hit, shift)) return;
    if (grid_.row() == oldRow && grid_.col() == oldCol) return;
    GridEvents& events = grid_.Events();
    events.EnterCell();
    events.SelectionChange(grid_.row(), grid_.col());
    events.RowColChange();
    if (grid_.row() != oldRow) events.RowChange();
}

bool GridMouse::PressOnCell(const Hit& hit, std::int16_t shift) {
    if (!(shift & os::ShiftMask)) {
        grid_.PlaceFocus(hit.row, hit.col);
    } else {
        if (!grid_.FocusInside()) grid_.PlaceFocus(hit.row, hit.col);
        // A block needs a second corner outside the fixed bands, and never
        // one in the first row or column, with or without fixed bands.
        const bool blockable = grid_.MultiSelect() && hit.row >= 1 && hit.col >= 1 &&
                               hit.row >= grid_.FixedRows() && grid_.PositionOfDataIndex(hit.col) >= grid_.FixedCols();
        if (blockable) {
            if (hit.row == grid_.row() && hit.col == grid_.col()) GridCellAction(grid_.Parts()).Run(0);
            else SelectBlock(hit);
            return false;
        }
    }
    if (hit.row == grid_.LastDrawnRow() && hit.col == grid_.LastDrawnCol()) {
        GridCellAction(grid_.Parts()).Run(0);
        return false;
    }
    SelectByClick(hit, shift);
    return true;
}

// Everything between the focus cell and the clicked one is selected, and
// nothing else; the focus stays where it was.
void GridMouse::SelectBlock(const Hit& hit) {
    const bool rowMode = grid_.Settings().selectionMode == SelectionMode::ByRow;
    const std::int32_t from = rowMode ? 0 : grid_.PositionOfDataIndex(grid_.col());
    const std::int32_t to = rowMode ? grid_.Cols() - 1 : grid_.PositionOfDataIndex(hit.col);
    GridSelection(grid_.Parts()).SelectBlock(grid_.row(), hit.row, from, to);
    GridNavigation(grid_.Parts()).FinishStep();
}

void GridMouse::SelectByClick(const Hit& hit, std::int16_t shift) {
    GridSelection selection(grid_.Parts());
    if (!grid_.MultiSelect()) {
        const InteractionState& state = grid_.Interaction();
        selection.MoveSingleSelection(true, state.previousCol, state.previousRow);
        if (grid_.FocusInside() && !grid_.ColumnAt(grid_.PositionOfDataIndex(grid_.col())).visible)
            grid_.PlaceFocus(grid_.row(), 0);
        GridNavigation(grid_.Parts()).FinishStep();
        return;
    }
    const bool ctrl = (shift & os::CtrlMask) != 0;
    const bool fixedRow = hit.row < grid_.FixedRows();
    const bool fixedCol = grid_.PositionOfDataIndex(hit.col) < grid_.FixedCols();
    if (fixedRow && fixedCol) selection.SetAllSelected(true);
    else if (fixedRow && ctrl) selection.SelectColumn(hit.col, true);
    else if (fixedRow) selection.SelectOnlyColumn(hit.col);
    else if (fixedCol && ctrl) selection.SelectRow(hit.row, true);
    else if (fixedCol) selection.SelectOnlyRow(hit.row);
    else if (ctrl) selection.ToggleUnit(selection.ModeUnit(), hit.row, hit.col);
    else selection.SelectOnlyUnit(selection.ModeUnit(), hit.row, hit.col);
    GridNavigation(grid_.Parts()).FinishStep();
}

void GridMouse::MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!grid_.Enabled()) return;
    std::int16_t b = button, s = shift;
    float ex = x, ey = y;
    grid_.Events().MouseMove(b, s, ex, ey);
    const Hit before{grid_.MouseRow(), grid_.MouseCol()};
    const Hit hit = HitTest(x, y);
    grid_.SetMouseCell(hit.row, hit.col);
    if (hit.Inside() && (hit.row != before.row || hit.col != before.col)) ShowToolTip(hit);
    if (button & os::LeftButton) DragSelect(x, y);
}

void GridMouse::ShowToolTip(const Hit& hit) {
    if (grid_.hWnd()) os::SetWindowToolTip(grid_.hWnd(), CellTipText(grid_.Parts(), hit.row, hit.col));
}

// Each cell the pointer enters while the left button is down changes its
// selection once; coming back to the cell just left changes nothing.
void GridMouse::DragSelect(float x, float y) {
    if (!grid_.Enabled() || !grid_.Interaction().mouseDown || !grid_.MultiSelect()) return;
    InteractionState& state = grid_.Interaction();
    const Hit hit = HitTest(x, y);
    if (!hit.Inside() || (hit.row == state.dragRow && hit.col == state.dragCol)) return;
    GridSelection selection(grid_.Parts());
    selection.ToggleUnit(selection.ModeUnit(), hit.row, hit.col);
    state.dragRow = hit.row;
    state.dragCol = hit.col;
    grid_.RequestRepaint();
}

void GridMouse::MouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!grid_.Enabled()) return;
    std::int16_t b = button, s = shift;
    float ex = x, ey = y;
    grid_.Events().MouseUp(b, s, ex, ey);
    grid_.Interaction().mouseDown = false;
    const os::POINT p = Pixels(x, y);
    const GridLayout layout(grid_);
    const bool inCells = p.x >= 0 && p.x < layout.DataWidth() && p.y >= grid_.HeaderHeightPixels() &&
                         p.y < layout.DataBottom();
    if (inCells) grid_.Events().Click();
}

void GridMouse::DblClick() {
    if (!grid_.Enabled() || grid_.Interaction().pressButton != os::LeftButton) return;
    grid_.Events().DblClick();
    if (grid_.FocusInside()) GridCellAction(grid_.Parts()).Run(0);
}

}  // namespace grid
