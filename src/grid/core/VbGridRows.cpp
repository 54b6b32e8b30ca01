// Row properties.
#include "grid/core/VbGrid.h"
#include "runtime/Error.h"

namespace grid {

std::int32_t VbGrid::RowHeight(std::int32_t lRow) const {
    ValidateRow(lRow);
    return ToTwipsY(rows_[static_cast<std::size_t>(lRow)].height);
}

void VbGrid::SetRowHeight(std::int32_t lRow, std::int32_t aHeight) {
    if (lRow < 0) Raise(runtime::errors::SubscriptOutOfRange, "Invalid Row Index");
    const std::int32_t height = std::max(0, ToPixelsY(aHeight));
    if (lRow >= Rows()) GrowRowsTo(lRow + 1);
    GridRow& row = rows_[static_cast<std::size_t>(lRow)];
    row.height = height;
    row.dirty = true;
    RecomputeRowTops(lRow);
    if (height > bufferRowHeight_) {
        bufferRowHeight_ = height;
        if (painter_) painter_->RebuildBuffer(height);
    }
    somethingChanged_ = true;
    RequestRepaint();
}

bool VbGrid::RowVisible(std::int32_t lRow) const {
    ValidateRow(lRow);
    return rows_[static_cast<std::size_t>(lRow)].visible;
}

void VbGrid::SetRowVisible(std::int32_t lRow, bool value) {
    ValidateRow(lRow);
    GridRow& row = rows_[static_cast<std::size_t>(lRow)];
    if (row.visible == value) return;
    row.visible = value;
    row.dirty = true;
    RecomputeRowTops(lRow);
    fullRepaintPending_ = true;
    InvalidateAll();
}

std::int32_t VbGrid::RowTag(std::int32_t lRow) const {
    ValidateRow(lRow);
    return rowExtras_.Of(rows_[static_cast<std::size_t>(lRow)]).tag;
}

void VbGrid::SetRowTag(std::int32_t lRow, std::int32_t lTag) {
    ValidateRow(lRow);
    GridRow& row = rows_[static_cast<std::size_t>(lRow)];
    if (lTag != 0 || row.extras != 0) rowExtras_.For(row).tag = lTag;
}

std::string VbGrid::Bookmark(std::int32_t lRow) const {
    ValidateRow(lRow);
    return rowExtras_.Of(rows_[static_cast<std::size_t>(lRow)]).bookmark;
}

std::string VbGrid::RowKey(std::int32_t lRow) const {
    ValidateRow(lRow);
    return rowExtras_.Of(rows_[static_cast<std::size_t>(lRow)]).key;
}

void VbGrid::SetBookmark(std::int32_t lRow, const std::string& nBM) {
    ValidateRow(lRow);
    rowExtras_.For(rows_[static_cast<std::size_t>(lRow)]).bookmark = nBM;
}

std::int32_t VbGrid::DefaultRowHeight() const { return ToTwipsY(defaultRowHeight_); }

void VbGrid::SetDefaultRowHeight(std::int32_t lHeight) {
    defaultRowHeight_ = std::max(0, ToPixelsY(lHeight));
    if (loading_) return;
    for (GridRow& row : rows_) {
        row.height = defaultRowHeight_;
        row.dirty = true;
    }
    RecomputeRowTops(0);
    if (defaultRowHeight_ > bufferRowHeight_) {
        bufferRowHeight_ = defaultRowHeight_;
        if (painter_) painter_->RebuildBuffer(defaultRowHeight_);
    }
    fullRepaintPending_ = true;
    InvalidateAll();
}

}  // namespace grid
