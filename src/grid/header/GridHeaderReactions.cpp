// What the grid does when the user works its header.
#include <algorithm>

#include "grid/header/GridHeaderBinding.h"

namespace grid {

std::int32_t GridHeaderBinding::PositionOfItem(std::int32_t item) const {
    if (item < 0) return -1;
    const auto position = static_cast<std::int32_t>(header_.Data(item));
    return position >= 0 && position < parts_.columns.Count() ? position : -1;
}

void GridHeaderBinding::ColumnClick(std::int32_t lColumn) {
    const std::int32_t position = PositionOfItem(lColumn);
    if (position >= 0) grid_.Events().ColumnClick(parts_.columns.At(position).dataIndex);
}

void GridHeaderBinding::RightClick(float x, float y) { grid_.Events().HeaderRightClick(x, y); }

void GridHeaderBinding::StartColumnWidthChange(std::int32_t lColumn, std::int32_t lWidth, bool& bCancel) {
    const std::int32_t position = PositionOfItem(lColumn);
    if (position < 0) return;
    const GridColumn& column = parts_.columns.At(position);
    // The header's own item and width (pixels) go to the host as they came.
    grid_.Events().ColumnWidthStartChange(lColumn, lWidth, bCancel);
    if (ResizingAllowed() && !bCancel) tracking_.MoveTo(TrackingLineRect(parts_, position, column.width));
}

void GridHeaderBinding::ColumnWidthChanging(std::int32_t lColumn, std::int32_t lWidth, bool& bCancel) {
    if (updatingWidths_) return;
    const std::int32_t position = PositionOfItem(lColumn);
    if (position < 0) return;
    const GridColumn& column = parts_.columns.At(position);
    // The only column that resizes itself takes up the rest of the width;
    // it cannot be resized by hand.
    if (column.autoResize && grid_.OtherAutoResizeColumns(position).empty()) bCancel = true;
    if (!bCancel) grid_.Events().ColumnWidthChanging(column.dataIndex, lWidth, bCancel);
    if (bCancel) {
        tracking_.Erase();
    } else {
        tracking_.MoveTo(TrackingLineRect(parts_, position, lWidth));
    }
}

void GridHeaderBinding::ColumnWidthChanged(std::int32_t lColumn, std::int32_t lWidth) {
    if (updatingWidths_) return;
    tracking_.Erase();
    const std::int32_t position = PositionOfItem(lColumn);
    if (position >= 0) grid_.ChangeColumnWidth(position, lWidth);
}

void GridHeaderBinding::DividerDblClick(std::int32_t lColumn) {
    if (!ResizingAllowed()) return;
    const std::int32_t position = PositionOfItem(lColumn);
    if (position < 0) return;
    const std::int32_t column = parts_.columns.At(position).dataIndex;
    bool cancel = false;
    grid_.Events().ColumnAutoWidth(column, cancel);
    if (cancel) return;
    const std::int32_t width = grid_.FittingWidth(position);
    grid_.Events().ColumnWidthChanging(column, width, cancel);
    if (!cancel) grid_.ChangeColumnWidth(position, width);
}

// Header orders count the shown columns only; the column table holds the
// hidden ones too.
std::int32_t GridHeaderBinding::PositionOfDrop(std::int32_t order) const {
    std::int32_t position = order;
    for (std::int32_t p = 0; p <= position && p < parts_.columns.Count(); ++p)
        if (!parts_.columns.At(p).visible) ++position;
    return std::min(position, parts_.columns.Count() - 1);
}

// The column moves as any move does, and the items follow it; a drop
// onto its own place moves nothing. Either way the drag ends in one
// ColumnOrderChanged.
void GridHeaderBinding::ColumnEndDrag(std::int32_t lColumn, std::int32_t lOrder) {
    const std::int32_t from = PositionOfItem(lColumn);
    if (from >= 0 && lOrder >= 0) grid_.ColumnModel().Move(from, PositionOfDrop(lOrder));
    grid_.Events().ColumnOrderChanged();
}

void GridHeaderBinding::RecreateControl() {
    if (parts_.look.imageList != 0) header_.SetImageList(parts_.look.imageList);
    // The new header starts empty and the flat painter still holds the old one.
    flat_.Detach();
    ApplySettings();
    RecreateItems();
}

}  // namespace grid
