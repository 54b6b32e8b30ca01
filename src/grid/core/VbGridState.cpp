// The current cell, selection, scrolling and the repaint bookkeeping.
#include "grid/core/VbGrid.h"
#include "runtime/Error.h"

#include <cctype>

#include "grid/paint/GridLayout.h"
#include "grid/view/GridSelection.h"

namespace grid {

// --- repaint bookkeeping ---

void VbGrid::InvalidateAll() {
    if (!redraw_) {
        view_.SetFullRepaintPending(true);
        return;
    }
    if (delayedRedraw_) {
        view_.SetFullRepaintPending(true);
        RequestRepaint();
        return;
    }
    canvas_->InvalidateAll();
}

void VbGrid::MarkCellDirty(std::int32_t row, std::int32_t dataIndex) {
    if (view_.FullRepaintPending()) return;
    if (!redraw_) return;
    if (row < 0 || row >= Rows() || dataIndex < 0 || dataIndex >= Cols()) return;
    if (!delayedRedraw_) {
        canvas_->Invalidate(CellRect(row, dataIndex));
    } else {
        SetCellDirty(row, dataIndex);
        RequestRepaint();
    }
}

void VbGrid::MarkColumnsDirty(std::int32_t fromPosition, std::int32_t toPosition) {
    if (view_.FullRepaintPending()) return;
    if (toPosition < 0 || toPosition >= Cols()) toPosition = Cols() - 1;
    for (std::int32_t p = std::max(0, fromPosition); p <= toPosition; ++p) {
        const std::int32_t d = columns_.At(p).dataIndex;
        for (std::int32_t r = 0; r < Rows(); ++r) SetCellDirty(r, d);
    }
}

void VbGrid::RequestRepaint(bool resize) {
    view_.NoteFocusDrawn();
    if (!delayedRedraw_) {
        drawGuard_ = false;
        Draw();
        if (resize && !drawGuard_ && painter_) painter_->Resize();
    } else if (redraw_ && painter_) {
        painter_->StartDelayedDraw(resize);
    }
}

void VbGrid::ClearCellDirty(std::int32_t row, std::int32_t dataIndex) { MutableCell(row, dataIndex).dirty = false; }

void VbGrid::ClearRowDirty(std::int32_t row) { rows_.SetDirty(row, false); }

void VbGrid::Draw() {
    if (loading_ && !redraw_) return;
    if (painter_) painter_->Draw();
}

void VbGrid::Refresh(bool fResize) {
    view_.SetFullRepaintPending(true);
    if (fResize) {
        if (painter_) painter_->Resize();
        return;
    }
    Draw();
}

void VbGrid::SetRedraw(bool bState) {
    redraw_ = bState;
    if (bState) RequestRepaint();
}

os::RECT VbGrid::CellRect(std::int32_t row, std::int32_t dataIndex) const {
    return GridLayout(parts_).CellRect(row, PositionOfDataIndex(dataIndex));
}

// --- current cell and selection ---

void VbGrid::MoveCurrentCell(std::int32_t row, std::int32_t col) {
    if (row == view_.Row() && col == view_.Col()) return;
    const std::int32_t oldRow = view_.Row(), oldCol = view_.Col();
    MarkCellDirty(oldRow, oldCol);
    if (oldRow >= 0 && oldRow < Rows() && oldCol >= 0 && oldCol < Cols()) SetCellDirty(oldRow, oldCol);
    view_.PlaceFocus(row, col);
    if (row >= 0 && row < Rows() && col >= 0 && col < Cols()) {
        SetCellDirty(row, col);
        MarkCellDirty(row, col);
    }
    Events().SelectionChange(view_.Row(), view_.Col());
    Events().RowColChange();
    if (oldRow != row) Events().RowChange();
    RequestRepaint();
}

void VbGrid::SetRow(std::int32_t lRow) { MoveCurrentCell(lRow, view_.Col()); }

void VbGrid::SetCol(std::int32_t lCol) { MoveCurrentCell(view_.Row(), lCol); }

void VbGrid::SetSelectedRow(std::int32_t lRow) {
    if (lRow < 0 || lRow >= Rows()) Raise(runtime::errors::SubscriptOutOfRange);
    if (!multiSelect_) {
        for (std::int32_t r = 0; r < Rows(); ++r)
            for (std::int32_t c = 0; c < Cols(); ++c) {
                const bool select = settings_.selectionMode == SelectionMode::ByRow ? r == lRow : r == lRow && c == view_.Col();
                SetCellSelected(r, c, select);
            }
    }
    MoveCurrentCell(lRow, view_.Col());
}

void VbGrid::SetSelectedCol(std::int32_t lCol) {
    if (lCol < 0 || lCol >= Cols()) Raise(runtime::errors::SubscriptOutOfRange, "Invalid Column Index");
    if (!multiSelect_) {
        for (std::int32_t r = 0; r < Rows(); ++r)
            for (std::int32_t c = 0; c < Cols(); ++c) {
                const bool select = settings_.selectionMode == SelectionMode::ByColumn ? c == lCol : r == view_.Row() && c == lCol;
                SetCellSelected(r, c, select);
            }
    }
    MoveCurrentCell(view_.Row(), lCol);
}

void VbGrid::ClearSelection() {
    GridSelection(inputParts_).SetAllSelected(false);
    RequestRepaint();
}

void VbGrid::SetTopRow(std::int32_t l) {
    if (l < 0 || l >= Rows()) return;
    const GridRow row = rows_.At(l);
    view_.SetTopRowAfterPass(l);
    ScrollView(view_.HorizontalOffset(), row.fixed ? 0 : row.top);
}

void VbGrid::SetLeftCol(std::int32_t lC) {
    if (lC < 0 || lC >= Cols()) return;
    const GridColumn& column = columns_.At(lC);
    ScrollView(column.fixed ? 0 : std::max(0, column.left - fixedWidth_), view_.VerticalOffset());
    FollowLeftCol();  // the bars may stop short of the column
}

// --- layout queries ---

bool VbGrid::OnCells(std::int32_t x, std::int32_t y) const {
    const GridLayout layout(parts_);
    return x >= 0 && x < layout.DataWidth() && y >= HeaderHeightPixels() && y < layout.DataBottom();
}

std::int32_t VbGrid::ScrollingRowsHeight() const {
    const GridLayout layout(parts_);
    return layout.DataBottom() - layout.DataTop();
}

std::int32_t VbGrid::ScreenRows() const {
    VisibleRange range = GridLayout(parts_).Visible();
    return range.HasRows() ? range.lastRow - range.firstRow + 1 : 0;
}

void VbGrid::CellFromPoint(std::int32_t xPixels, std::int32_t yPixels, std::int32_t& lRow, std::int32_t& lCol,
                           std::int32_t /*fromCol*/, std::int32_t /*fromRow*/) const {
    std::int32_t position = -1;
    GridLayout(parts_).CellAt(xPixels, yPixels, lRow, position);
    lCol = position >= 0 ? columns_.At(position).dataIndex : -1;
    if (position < 0) lRow = -1;
}

void VbGrid::CellBoundary(std::int32_t lRow, std::int32_t lCol, std::int32_t& lLeft, std::int32_t& lTop,
                          std::int32_t& lWidth, std::int32_t& lHeight, bool fTwips) const {
    ValidateCell(lRow, lCol);
    const os::RECT r = CellRect(lRow, lCol);
    lLeft = fTwips ? ToTwipsX(r.left) : r.left;
    lTop = fTwips ? ToTwipsY(r.top) : r.top;
    lWidth = fTwips ? ToTwipsX(r.right - r.left) : r.right - r.left;
    lHeight = fTwips ? ToTwipsY(r.bottom - r.top) : r.bottom - r.top;
}

std::int32_t VbGrid::ColPos(std::int32_t c) const {
    const std::int32_t position = PositionOfDataIndex(c);
    if (position < 0 || position >= Cols()) Raise(runtime::errors::SubscriptOutOfRange, "Invalid Column Index");
    return GridLayout(parts_).ColumnX(position);
}

bool VbGrid::ColIsVisible(std::int32_t c) const {
    const std::int32_t position = PositionOfDataIndex(c);
    if (position < 0 || position >= Cols()) return false;
    if (columns_.At(position).fixed) return columns_.At(position).visible;
    const VisibleRange range = GridLayout(parts_).Visible();
    return range.HasColumns() && position >= range.firstCol && position <= range.lastCol;
}

// Type-ahead search: the first row from row 1 on (from the row after the
// current one when there is none) whose cell in the search column starts
// with the text, ignoring case; then, when wrapping, the rows before that.
std::int32_t VbGrid::FindSearchMatchRow(const std::string& sSearchString, bool bLoop, bool bVisibleRowsOnly) const {
    if (keySearchColumn_ < 0 || keySearchColumn_ >= Cols()) return -1;
    auto upper = [](std::string s) {
        for (char& ch : s) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        return s;
    };
    const std::string wanted = upper(sSearchString);
    auto matches = [&](std::int32_t r) {
        if (bVisibleRowsOnly && !rows_.Shape(r).visible) return false;
        const std::string text = TextMatrix(r, keySearchColumn_);
        return !text.empty() && text.size() >= wanted.size() && upper(text).starts_with(wanted);
    };
    const std::int32_t start = std::max(0, view_.Row() >= 0 ? 1 : (bLoop ? view_.Row() + 1 : view_.Row()));
    for (std::int32_t r = start; r < Rows(); ++r)
        if (matches(r)) return r;
    if (bLoop)
        for (std::int32_t r = 0; r < std::min(start, Rows()); ++r)
            if (matches(r)) return r;
    return -1;
}

}  // namespace grid
