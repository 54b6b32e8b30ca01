// The current cell, selection, scrolling and the repaint bookkeeping.
#include "grid/VbGrid.h"

namespace grid {

// --- repaint bookkeeping ---

void VbGrid::InvalidateAll() {
    if (!redraw_) {
        fullRepaintPending_ = true;
        return;
    }
    if (delayedRedraw_) {
        fullRepaintPending_ = true;
        RequestRepaint();
        return;
    }
    somethingChanged_ = true;
    canvas_->InvalidateAll();
}

void VbGrid::MarkCellDirty(std::int32_t row, std::int32_t dataIndex) {
    if (fullRepaintPending_) return;
    somethingChanged_ = true;
    if (!redraw_) return;
    if (row < 0 || row >= Rows() || dataIndex < 0 || dataIndex >= Cols()) return;
    if (!delayedRedraw_) {
        canvas_->Invalidate(CellRect(row, dataIndex));
    } else {
        Cell(row, dataIndex).dirty = true;
        RequestRepaint();
    }
}

void VbGrid::MarkColumnsDirty(std::int32_t fromPosition, std::int32_t toPosition) {
    if (fullRepaintPending_) return;
    if (toPosition < 0 || toPosition >= Cols()) toPosition = Cols() - 1;
    for (std::int32_t p = std::max(0, fromPosition); p <= toPosition; ++p) {
        const std::int32_t d = columns_[static_cast<std::size_t>(p)].dataIndex;
        for (std::int32_t r = 0; r < Rows(); ++r) Cell(r, d).dirty = true;
    }
    somethingChanged_ = true;
}

void VbGrid::RequestRepaint(bool resize) {
    previousRow_ = currentRow_;
    previousCol_ = currentCol_;
    if (!delayedRedraw_) {
        drawGuard_ = false;
        Draw();
        if (resize && !drawGuard_ && painter_) painter_->Resize();
    } else if (redraw_ && painter_) {
        painter_->StartDelayedDraw(resize);
    }
}

void VbGrid::ClearCellDirty(std::int32_t row, std::int32_t dataIndex) { Cell(row, dataIndex).dirty = false; }

void VbGrid::ClearRowDirty(std::int32_t row) { rows_[static_cast<std::size_t>(row)].dirty = false; }

void VbGrid::Draw() {
    if (loading_ && !redraw_) return;
    if (painter_) painter_->Draw();
}

void VbGrid::Refresh(bool fResize) {
    fullRepaintPending_ = true;
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
    const GridColumn& column = columns_[static_cast<std::size_t>(PositionOfDataIndex(dataIndex))];
    const GridRow& r = rows_[static_cast<std::size_t>(row)];
    const std::int32_t left = column.left - (column.fixed ? 0 : scrollX_);
    const std::int32_t top = (r.fixed ? r.top : fixedHeight_ + r.top - scrollY_) + headerHeight_;
    return {left, top, left + column.width, top + r.height};
}

void VbGrid::SetScrollOffsets(std::int32_t horizontal, std::int32_t vertical) {
    scrollX_ = std::max(0, horizontal);
    scrollY_ = std::max(0, vertical);
}

// --- current cell and selection ---

void VbGrid::MoveCurrentCell(std::int32_t row, std::int32_t col) {
    if (row == currentRow_ && col == currentCol_) return;
    const std::int32_t oldRow = currentRow_, oldCol = currentCol_;
    MarkCellDirty(oldRow, oldCol);
    if (oldRow >= 0 && oldRow < Rows() && oldCol >= 0 && oldCol < Cols()) Cell(oldRow, oldCol).dirty = true;
    currentRow_ = row;
    currentCol_ = col;
    if (row >= 0 && row < Rows() && col >= 0 && col < Cols()) {
        Cell(row, col).dirty = true;
        MarkCellDirty(row, col);
    }
    Events().SelectionChange(currentRow_, currentCol_);
    Events().RowColChange();
    if (oldRow != row) Events().RowChange();
    RequestRepaint();
}

void VbGrid::SetRow(std::int32_t lRow) { MoveCurrentCell(lRow, currentCol_); }

void VbGrid::SetCol(std::int32_t lCol) { MoveCurrentCell(currentRow_, lCol); }

void VbGrid::SetSelectedRow(std::int32_t lRow) {
    if (lRow < 0 || lRow >= Rows()) Raise(9);
    if (!multiSelect_) {
        for (std::int32_t r = 0; r < Rows(); ++r)
            for (std::int32_t c = 0; c < Cols(); ++c) {
                const bool select = selectionMode_ == 1 ? r == lRow : r == lRow && c == currentCol_;
                SetCellSelected(r, c, select);
            }
    }
    MoveCurrentCell(lRow, currentCol_);
}

void VbGrid::SetSelectedCol(std::int32_t lCol) {
    if (lCol < 0 || lCol >= Cols()) Raise(9, "Invalid Column Index");
    if (!multiSelect_) {
        for (std::int32_t r = 0; r < Rows(); ++r)
            for (std::int32_t c = 0; c < Cols(); ++c) {
                const bool select = selectionMode_ == 2 ? c == lCol : r == currentRow_ && c == lCol;
                SetCellSelected(r, c, select);
            }
    }
    MoveCurrentCell(currentRow_, lCol);
}

void VbGrid::ClearSelection() {
    for (std::int32_t r = 0; r < Rows(); ++r)
        for (std::int32_t c = 0; c < Cols(); ++c) SetCellSelected(r, c, false);
}

void VbGrid::SetTopRow(std::int32_t l) {
    if (l < 0 || l >= Rows()) return;
    const GridRow& row = rows_[static_cast<std::size_t>(l)];
    scrollY_ = row.fixed ? 0 : row.top;
    topRow_ = l;
    fullRepaintPending_ = true;
    InvalidateAll();
}

void VbGrid::SetLeftCol(std::int32_t lC) {
    if (lC < 0 || lC >= Cols()) return;
    const GridColumn& column = columns_[static_cast<std::size_t>(lC)];
    scrollX_ = column.fixed ? 0 : std::max(0, column.left - fixedWidth_);
    leftCol_ = lC;
    fullRepaintPending_ = true;
    InvalidateAll();
}

}  // namespace grid
