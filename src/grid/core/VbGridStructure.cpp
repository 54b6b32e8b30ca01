// Columns, rows and the cell table: adding, inserting, removing, clearing.
#include <algorithm>

#include "grid/core/VbGrid.h"
#include "runtime/Error.h"

namespace grid {

void VbGrid::DropRowsFrom(std::int32_t count) {
    rows_.Truncate(count);
    cells_.Resize(static_cast<std::size_t>(count));
}

// Makes room for a column of fresh cells at `dataIndex` in every row.
void VbGrid::InsertCellColumn(std::int32_t dataIndex) { cells_.InsertColumn(static_cast<std::size_t>(dataIndex)); }

// Removes the cells at `dataIndex` from every row (the column record is gone already).
void VbGrid::EraseCellColumn(std::int32_t dataIndex) { cells_.EraseColumn(static_cast<std::size_t>(dataIndex)); }

std::int32_t VbGrid::AddColumn(const std::string& vKey, const std::string& sHeader, std::int32_t eFixAlign,
                               std::int32_t iIconIndex, std::int32_t lColumnWidth, bool bVisible, bool /*bFixed*/,
                               const ColumnArg& vKeyBefore, bool bIncludeInSelect, const std::string& sFmtString,
                               bool bRowTextColumn, std::int32_t eAlign) {
    if (!vKey.empty() && columns_.PositionOfKey(vKey) >= 0) Raise(runtime::errors::KeyAlreadyAssociated);
    std::int32_t position = Cols();
    if (!vKeyBefore.IsEmpty()) {
        position = ResolveColumn(vKeyBefore);
        if (position < 0 || position > Cols()) return -1;
    }
    const std::int32_t widthPixels = lColumnWidth == -1 ? defaultColumnWidth_ : ToPixelsX(lColumnWidth);
    if (bRowTextColumn) rowTextFlag_ = true;

    // Columns from the insert position on move up; cells keep following
    // their column because every data index at or above the new one grows.
    GridColumn& column = columns_.Insert(position);
    const std::int32_t dataIndex = column.dataIndex;
    column.key = vKey;
    column.includeInSelect = bIncludeInSelect;
    column.headerText = sHeader;
    column.image = iIconIndex;
    column.textFlags = eAlign == -1 ? text_flags::ColumnDefault : eAlign;
    column.fixedTextFlags = eFixAlign == -1 ? text_flags::ColumnDefault : eFixAlign;
    column.format = sFmtString;
    column.visible = bVisible;
    column.width = 0;
    if (bRowTextColumn) {
        rowTextStartColumn_ = position;
        rowTextMarkerColumn_ = position;
        column.rowTextMarker = 1;
    }
    MarkFixedColumns();
    InsertCellColumn(dataIndex);
    if (bVisible) SetHeaders();
    ApplyColumnWidth(position, widthPixels);
    return dataIndex;
}

void VbGrid::RemoveColumn(const ColumnArg& vKey) {
    std::int32_t position = ResolveColumn(vKey);
    if (position < 0 || position >= Cols()) return;
    EraseColumn(position);
    if (columns_.Empty()) {
        rows_.Clear();
        cells_.Clear();
    }
    if (look_.header.shown) SetHeaders();
    view_.SetFullRepaintPending(true);
    InvalidateAll();
}

// Takes a column out of the column table and its cells out of the cell
// table; the rows stay.
void VbGrid::EraseColumn(std::int32_t position) {
    const GridColumn removed = columns_.Remove(position);
    EraseCellColumn(removed.dataIndex);
    if (removed.rowTextMarker != 0) {
        rowTextStartColumn_ = -1;
        rowTextMarkerColumn_ = -1;
        rowTextFlag_ = false;
    }
    view_.LimitFocusCol(Cols());
    RecomputeColumnLefts();
}

void VbGrid::SetCols(std::int32_t aCol) {
    if (aCol < 0) return;
    if (aCol < Cols()) {
        // The trailing columns go one by one, each with its own cells; the
        // rows stay, even when no column is left.
        while (Cols() > aCol) EraseColumn(Cols() - 1);
        SetHeaders();
        view_.SetFullRepaintPending(true);
        InvalidateAll();
    } else {
        const std::int32_t first = Cols();
        while (Cols() < aCol) AddColumn();
        MarkColumnsDirty(first, -1);
    }
    RequestRepaint();
}

void VbGrid::GrowRowsTo(std::int32_t count) {
    const std::int32_t first = Rows();
    if (count <= first) return;
    const std::int32_t fixed = std::clamp(fixedRows_, first, count);
    rows_.Append(RowShape{.height = defaultRowHeight_, .fixed = true}, fixed - first);
    rows_.Append(RowShape{.height = defaultRowHeight_}, count - fixed);
    cells_.Resize(static_cast<std::size_t>(count));
}

void VbGrid::SetRows(std::int32_t lRows) {
    if (lRows < 0) return;
    if (lRows == 0) {
        Clear(false);
        return;
    }
    if (Cols() == 0) Raise(runtime::errors::SubscriptOutOfRange, "Attempt to add rows with no columns.");
    if (lRows < Rows()) {
        DropRowsFrom(lRows);
        // the view stays within the rows left
        view_.SetScrollOffsets(view_.HorizontalOffset(), std::min(view_.VerticalOffset(), ScrollableHeight()));
        view_.LimitFocusRow(lRows);
    } else if (lRows > Rows()) {
        GrowRowsTo(lRows);
    } else {
        return;
    }
    view_.SetFullRepaintPending(true);
    RequestRepaint();
}

void VbGrid::ShowTable(const GridTable* table) {
    Clear(false);
    if (!table || table == &ownTable_) return;
    table_ = table;
    const std::int32_t rows = table->RowCount();
    if (rows <= Rows() || Cols() == 0) return;
    ReserveRows(rows);
    GrowRowsTo(rows);
    view_.SetFullRepaintPending(true);
    RequestRepaint();
}

void VbGrid::ReserveRows(std::int32_t rows) {
    if (rows <= Rows()) return;
    rows_.Reserve(rows);
    cells_.Reserve(static_cast<std::size_t>(rows));
}

void VbGrid::AddRow(std::int32_t lRowBefore, const std::string& sKey, bool bVisible, std::int32_t lHeight,
                    bool /*bGroupRow*/, std::int32_t /*lGroupColStartIndex*/) {
    const std::int32_t height = lHeight < 0 ? defaultRowHeight_ : ToPixelsY(lHeight);
    RowShape shape{.height = height, .visible = bVisible};
    const bool append = lRowBefore < 0 || Rows() == 0 || lRowBefore >= Rows();
    const std::int32_t added = append ? Rows() : lRowBefore;
    if (append) {
        shape.fixed = added < fixedRows_;
        rows_.Append(shape);
        cells_.Resize(static_cast<std::size_t>(Rows()));
    } else {
        rows_.Insert(lRowBefore, shape);
        view_.ForgetSelectionRows();  // the rows below move down
        cells_.InsertRow(static_cast<std::size_t>(lRowBefore));
        rows_.SetFixedRows(fixedRows_);
        if (view_.Row() >= lRowBefore && Rows() > 1) view_.PlaceFocus(view_.Row() + 1, view_.Col());
        view_.SetFullRepaintPending(true);
    }
    if (!sKey.empty()) rows_.MutableExtras(added).key = sKey;
    if (height > bufferRowHeight_) {
        bufferRowHeight_ = height;
        if (painter_) painter_->RebuildBuffer(height);
    }
    RequestRepaint();
}

void VbGrid::AddItem(const std::string& s) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (;;) {
        std::size_t tab = s.find('\t', start);
        pieces.push_back(s.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    if (static_cast<std::int32_t>(pieces.size()) > Cols()) Raise(runtime::errors::SubscriptOutOfRange);
    AddRow();
    const std::int32_t r = Rows() - 1;
    for (std::size_t c = 0; c < pieces.size(); ++c)
        StoreValue(r, static_cast<std::int32_t>(c), runtime::Variant(pieces[c]));
}

void VbGrid::RemoveRow(std::int32_t lRow) {
    ValidateRow(lRow);
    if (Rows() == 1) {
        Clear(false);
        return;
    }
    cells_.EraseRow(static_cast<std::size_t>(lRow));
    view_.ForgetSelectionRows();  // the rows below move up
    const bool last = lRow == Rows() - 1;
    rows_.Erase(lRow);
    view_.LimitFocusRow(Rows());
    view_.SetFullRepaintPending(true);
    if (last) RequestRepaint();
    else InvalidateAll();
}

void VbGrid::Clear(bool bRemoveCols) {
    if (bRemoveCols) {
        columns_.Clear();
        rowTextStartColumn_ = -1;
        rowTextMarkerColumn_ = -1;
        rowTextFlag_ = false;
        fixedRows_ = 0;
        fixedWidth_ = 0;
    }
    table_ = &ownTable_;
    view_.ResetPosition();
    if (bRemoveCols || columns_.Empty()) {
        rows_.Clear();
        cells_.Clear();
    } else {
        const std::int32_t keep = std::min(fixedRows_, Rows());
        DropRowsFrom(keep);
        // A long list emptied gives its memory back.
        rows_.ShrinkToFit();
        cells_.ShrinkToFit();
        if (keep < fixedRows_ && Cols() > 0) GrowRowsTo(fixedRows_);
    }
    if (bRemoveCols) SetHeaders();
    virtualRows_ = virtual_;  // a virtual grid asks for its rows again
    view_.SetFullRepaintPending(true);
    InvalidateAll();
}

void VbGrid::ClearCell(std::int32_t iRow, std::int32_t iCol) {
    StoreValue(iRow, iCol, runtime::Variant(std::string()));
    MarkCellDirty(view_.Row(), view_.Col());
}

void VbGrid::SetHeaders() {
    if (headerControl_) {
        headerControl_->RecreateItems();
    }
}

runtime::Variant VbGrid::ColumnIndex(const ColumnArg& vKey) const {
    std::int32_t position = ResolveColumn(vKey);
    if (position < 0 || position >= Cols()) Raise(runtime::errors::SubscriptOutOfRange);
    return runtime::Variant(position);
}

void VbGrid::SetFixedRows(std::int32_t nRow) {
    if (nRow < 0) return;
    fixedRows_ = nRow;
    if (Rows() < nRow && Cols() > 0) GrowRowsTo(nRow);
    rows_.SetFixedRows(fixedRows_);
    view_.SetFullRepaintPending(true);
    InvalidateAll();
}

void VbGrid::SetFixedCols(std::int32_t nCol) {
    if (nCol < 0) return;
    fixedCols_ = nCol;
    MarkFixedColumns();
    RecomputeColumnLefts();
    view_.SetFullRepaintPending(true);
    InvalidateAll();
}

void VbGrid::SetRowTextStartColumn(std::int32_t lColumn) {
    rowTextStartColumn_ = lColumn;
    rowTextFlag_ = lColumn >= 0;
    InvalidateAll();
}

// --- layout ---

void VbGrid::MarkFixedColumns() {
    for (std::int32_t p = 0; p < Cols(); ++p) columns_.At(p).fixed = p < fixedCols_;
}

void VbGrid::RecomputeColumnLefts() {
    // From 0, not from the first record's old edge: after a move or a
    // removal that record may be one that stood further right.
    std::int32_t fixedSum = 0, allSum = 0;
    for (GridColumn& c : columns_) {
        c.left = c.fixed ? fixedSum : allSum;
        if (c.visible) {
            allSum += c.width;
            if (c.fixed) fixedSum += c.width;
        }
    }
    fixedWidth_ = fixedSum;
    FollowLeftCol();  // columns moved sideways
}

}  // namespace grid
