#include "grid/header/GridHeaderBinding.h"

#include <utility>

#include "os/commoncontrols/Header.h"

namespace grid {

namespace {

// The columns' header alignment (FixedAlignment) uses the header's own
// codes: 0 left, 1 right, 2 centre.
controls::EHeaderAlignment AlignmentOf(std::int32_t fixedTextFlags) {
    switch (fixedTextFlags & os::HDF_JUSTIFYMASK) {
    case os::HDF_RIGHT: return controls::EHeaderAlignment::Right;
    case os::HDF_CENTER: return controls::EHeaderAlignment::Centre;
    default: return controls::EHeaderAlignment::Left;
    }
}

}  // namespace

GridHeaderBinding::GridHeaderBinding(const GridParts& parts, HeaderedGrid& grid)
    : parts_(parts), grid_(grid), header_(this) {
    grid_.ColumnModel().AddListener(this);
}

GridHeaderBinding::~GridHeaderBinding() {
    grid_.ColumnModel().RemoveListener(this);
    tracking_.Erase();
    flat_.Detach();
    header_.Destroy();
}

void GridHeaderBinding::Create(os::HWND gridWindow) {
    tracking_.SetWindow(gridWindow);
    tracking_.SetHeader(&header_);
    header_.Init(gridWindow, ResizingAllowed());
    if (parts_.look.imageList != 0) header_.SetImageList(parts_.look.imageList);
    ApplySettings();
    RecreateItems();
}

bool GridHeaderBinding::ResizingAllowed() const {
    return Allows(parts_.settings.userResizing, UserResizing::Columns);
}

void GridHeaderBinding::ApplySettings() {
    if (header_.hWnd() == 0) return;
    header_.SetButtons(parts_.look.header.buttons);
    header_.SetHotTrack(parts_.look.header.hotTrack);
    header_.SetDragReOrderColumns(parts_.look.header.dragReorder);
    header_.SetAllowResize(ResizingAllowed());
    header_.SetFont(LogFontOf(parts_.look.Font()));
    ApplyFlat();
    Layout();
}

void GridHeaderBinding::ApplyFlat() {
    if (!parts_.look.header.flat) {
        flat_.Detach();
    } else if (flat_.Header() != header_.hWnd()) {
        flat_.Attach(header_.hWnd());
    }
}

void GridHeaderBinding::Layout() {
    if (header_.hWnd() == 0) return;
    if (!parts_.look.header.shown) {
        header_.SetVisible(false);
        return;
    }
    const os::RECT client = parts_.canvas.ClientRect();
    const std::int32_t offset = parts_.view.HorizontalOffset();
    header_.Place({-offset, 0, client.right - client.left, parts_.look.HeaderHeightPixels()});
    header_.SetVisible(true);
}

void GridHeaderBinding::RecreateItems() {
    for (std::int32_t item = header_.Count() - 1; item >= 0; --item) header_.Delete(item);
    if (header_.hWnd() == 0) return;
    for (std::int32_t p = 0; p < parts_.columns.Count(); ++p)
        if (parts_.columns.At(p).visible) InsertItem(p, header_.Count());
}

void GridHeaderBinding::InsertItem(std::int32_t position, std::int32_t index) {
    const GridColumn& column = parts_.columns.At(position);
    const std::int32_t item = header_.Insert(column.headerText, column.width, AlignmentOf(column.fixedTextFlags),
                                             position, column.image, index);
    if (item >= 0 && column.imageOnRight) header_.SetImageOnRight(item, true);
}

// The one item moves: out of its old place, renumbered with the others,
// in at the new one. The header keeps its order equal to the items' indices.
void GridHeaderBinding::ColumnMoved(std::int32_t from, std::int32_t to) {
    const std::int32_t item = ItemOf(from);
    if (item >= 0) header_.Delete(item);
    std::int32_t before = 0;  // items left of the new place
    for (std::int32_t i = 0; i < header_.Count(); ++i) {
        const std::int32_t position =
            GridColumnModel::PositionAfterMove(static_cast<std::int32_t>(header_.Data(i)), from, to);
        header_.SetData(i, position);
        if (position < to) ++before;
    }
    if (item >= 0) InsertItem(to, before);
}

std::int32_t GridHeaderBinding::ItemOf(std::int32_t position) {
    for (std::int32_t item = 0; item < header_.Count(); ++item)
        if (header_.Data(item) == position) return item;
    return -1;
}

void GridHeaderBinding::ShowColumnWidth(std::int32_t position) {
    const std::int32_t item = ItemOf(position);
    if (item < 0) return;
    const bool outer = std::exchange(updatingWidths_, true);
    header_.SetColumnWidth(item, parts_.columns.At(position).width);
    updatingWidths_ = outer;
}

void GridHeaderBinding::SetImageList(std::intptr_t imageList) {
    header_.SetImageList(imageList);
    // Items made before the list could not take their images.
    RecreateItems();
}

}  // namespace grid
