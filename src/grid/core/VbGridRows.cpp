// Row properties.
#include "grid/core/VbGrid.h"
#include "runtime/Error.h"

#include <stdexcept>
#include <string>

namespace grid {

GridRow VbGrid::RowAt(std::int32_t row) const {
    if (row < 0 || row >= Rows()) throw std::out_of_range("row " + std::to_string(row));
    return rows_.At(row);
}

std::int32_t VbGrid::RowHeight(std::int32_t lRow) const {
    ValidateRow(lRow);
    return ToTwipsY(rows_.Shape(lRow).height);
}

void VbGrid::SetRowHeight(std::int32_t lRow, std::int32_t aHeight) {
    if (lRow < 0) Raise(runtime::errors::SubscriptOutOfRange, "Invalid Row Index");
    const std::int32_t height = std::max(0, ToPixelsY(aHeight));
    if (lRow >= Rows()) GrowRowsTo(lRow + 1);
    RowShape shape = rows_.Shape(lRow);
    shape.height = height;
    rows_.SetShape(lRow, shape);
    rows_.SetDirty(lRow, true);
    if (height > bufferRowHeight_) {
        bufferRowHeight_ = height;
        if (painter_) painter_->RebuildBuffer(height);
    }
    RequestRepaint();
}

bool VbGrid::RowVisible(std::int32_t lRow) const {
    ValidateRow(lRow);
    return rows_.Shape(lRow).visible;
}

void VbGrid::SetRowVisible(std::int32_t lRow, bool value) {
    ValidateRow(lRow);
    RowShape shape = rows_.Shape(lRow);
    if (shape.visible == value) return;
    shape.visible = value;
    rows_.SetShape(lRow, shape);
    rows_.SetDirty(lRow, true);
    view_.SetFullRepaintPending(true);
    InvalidateAll();
}

std::int32_t VbGrid::RowTag(std::int32_t lRow) const {
    ValidateRow(lRow);
    return rows_.Extras(lRow).tag;
}

void VbGrid::SetRowTag(std::int32_t lRow, std::int32_t lTag) {
    ValidateRow(lRow);
    if (lTag != 0 || rows_.HasExtras(lRow)) rows_.MutableExtras(lRow).tag = lTag;
}

std::string VbGrid::Bookmark(std::int32_t lRow) const {
    ValidateRow(lRow);
    return rows_.Extras(lRow).bookmark;
}

std::string VbGrid::RowKey(std::int32_t lRow) const {
    ValidateRow(lRow);
    return rows_.Extras(lRow).key;
}

void VbGrid::SetBookmark(std::int32_t lRow, const std::string& nBM) {
    ValidateRow(lRow);
    rows_.MutableExtras(lRow).bookmark = nBM;
}

std::int32_t VbGrid::DefaultRowHeight() const { return ToTwipsY(defaultRowHeight_); }

void VbGrid::SetDefaultRowHeight(std::int32_t lHeight) {
    defaultRowHeight_ = std::max(0, ToPixelsY(lHeight));
    if (loading_) return;
    rows_.SetAllHeights(defaultRowHeight_);
    if (defaultRowHeight_ > bufferRowHeight_) {
        bufferRowHeight_ = defaultRowHeight_;
        if (painter_) painter_->RebuildBuffer(defaultRowHeight_);
    }
    view_.SetFullRepaintPending(true);
    InvalidateAll();
}

}  // namespace grid
