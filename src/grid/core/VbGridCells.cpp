// Cell values, their shown text, and the per-cell attributes.
#include <algorithm>
#include <cctype>

#include "grid/core/VbGrid.h"
#include "runtime/Format.h"
#include "runtime/NumberReading.h"

namespace grid {

namespace {

// A check column shows "+" for a value that reads as true.
bool Truth(const runtime::Variant& value) {
    using Type = runtime::Variant::Type;
    switch (value.GetType()) {
    case Type::String: {
        std::string lower = value.Text();
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return lower == "true" || runtime::ReadLeadingNumber(lower) != 0;
    }
    case Type::Boolean:
    case Type::Byte:
    case Type::Integer:
    case Type::Long:
    case Type::Single:
    case Type::Double:
    case Type::Currency:
        return value.ToDouble() != 0;
    default:
        return false;
    }
}

}  // namespace

void VbGrid::ComputeShownText(std::int32_t row, std::int32_t dataIndex) {
    GridCell& cell = MutableCell(row, dataIndex);
    const GridColumn& column = columns_.At(PositionOfDataIndex(dataIndex));
    if (!column.check && column.format.empty()) {
        // A plain column shows the value itself (the common case, kept quick).
        if (cell.HasExtras()) cell.MutableExtras().shownText.clear();
        return;
    }
    std::string shown;
    if (column.check) {
        if (Truth(cell.value.Get())) shown.push_back('+');
    } else if (!column.format.empty() && !cell.value.Text().empty()) {
        try {
            shown = runtime::Format(cell.value.Get(), column.format);
        } catch (const std::exception&) {
            shown.clear();  // a value the pattern cannot show is shown as itself
        }
    }
    if (!shown.empty() || cell.HasExtras()) cell.MutableExtras().shownText = std::move(shown);
}

void VbGrid::RecomputeShownTexts(std::int32_t dataIndex) {
    for (std::int32_t r = 0; r < Rows(); ++r) {
        if (!CellsStored(r)) continue;  // an empty cell shows nothing in any format
        ComputeShownText(r, dataIndex);
        SetCellDirty(r, dataIndex);
    }
}

std::string VbGrid::DisplayedText(std::int32_t row, std::int32_t dataIndex) const {
    return InTable(row) ? table_->Text(row, dataIndex) : std::string();
}

std::int32_t VbGrid::ShownForeColour(std::int32_t row, std::int32_t dataIndex) const {
    return InTable(row) ? table_->ForeColour(row, dataIndex) : -1;
}

std::int32_t VbGrid::EffectiveTextFlags(std::int32_t row, std::int32_t dataIndex) const {
    std::int32_t flags = InTable(row) ? table_->TextFlags(row, dataIndex) : -1;
    if (flags == -1) flags = columns_.At(PositionOfDataIndex(dataIndex)).textFlags;
    return flags | text_flags::NoPrefix;
}

void VbGrid::StoreValue(std::int32_t row, std::int32_t dataIndex, const runtime::Variant& value) {
    ValidateCell(row, dataIndex);
    GridCell& cell = MutableCell(row, dataIndex);
    cell.value.Assign(value);
    ComputeShownText(row, dataIndex);
    cell.dirty = true;
    MarkCellDirty(row, dataIndex);
}

std::string VbGrid::TextMatrix(std::int32_t lRow, std::int32_t lCol) const {
    if (!ShowsOwnCells()) {
        ValidateCell(lRow, lCol);
        return DisplayedText(lRow, lCol);
    }
    return CellAt(lRow, lCol).value.Text();
}

// Text goes into the cell as it is, without a Variant on the way: the
// results are written this way, a row of cells at a time.
void VbGrid::SetTextMatrix(std::int32_t lRow, std::int32_t lCol, std::string_view sText) {
    ValidateCell(lRow, lCol);
    GridCell& cell = MutableCell(lRow, lCol);
    cell.value.AssignText(sText);
    ComputeShownText(lRow, lCol);
    cell.dirty = true;
    MarkCellDirty(lRow, lCol);
}

runtime::Variant VbGrid::CellText(std::int32_t lRow, std::int32_t lCol) const {
    if (!ShowsOwnCells()) return runtime::Variant(TextMatrix(lRow, lCol));
    return CellAt(lRow, lCol).value.Get();
}

void VbGrid::SetCellText(std::int32_t lRow, std::int32_t lCol, const runtime::Variant& sText) {
    StoreValue(lRow, lCol, sText);
}

std::string VbGrid::CellFormattedText(std::int32_t lRow, std::int32_t lCol) const { return DisplayedText(lRow, lCol); }

void VbGrid::CellDetails(std::int32_t lRow, std::int32_t lCol, const runtime::Variant& sText, std::int32_t eTextAlign,
                         std::int32_t lIconIndex, std::int32_t oBackColor, std::int32_t oForeColor, FontRef oFont,
                         std::int32_t lIndent, std::int32_t lExtraIconIndex, const runtime::Variant& vItemData) {
    ValidateCell(lRow, lCol);
    GridCell& cell = MutableCell(lRow, lCol);
    cell.value.Assign(sText);
    CellExtras& extras = cell.MutableExtras();
    extras.textFlags = eTextAlign | text_flags::NoPrefix;
    extras.icon = lIconIndex;
    extras.backColor = oBackColor;
    StoreForeColour(cell, oForeColor);
    extras.indent = lIndent;
    extras.extraIcon = lExtraIconIndex;
    if (!vItemData.IsEmpty()) extras.itemData = vItemData;
    if (oFont) SetCellFont(lRow, lCol, oFont);
    ComputeShownText(lRow, lCol);
    cell.dirty = true;
    MarkCellDirty(lRow, lCol);
}

// Colours are stored, and the cell repainted, only when they change.
void VbGrid::SetCellColour(std::int32_t lRow, std::int32_t lCol, std::int32_t CellExtras::*field, std::int32_t oColor) {
    ResolveCurrent(lRow, lCol);
    ValidateCell(lRow, lCol);
    GridCell& cell = MutableCell(lRow, lCol);
    if (cell.Extras().*field == oColor) return;
    cell.MutableExtras().*field = oColor;
    cell.dirty = true;
    MarkCellDirty(lRow, lCol);
}

std::int32_t VbGrid::ForeColourOf(const GridCell& cell) const {
    return cell.foreColour != 0 ? foreColours_[cell.foreColour] : cell.Extras().foreColor;
}

void VbGrid::StoreForeColour(GridCell& cell, std::int32_t colour) {
    constexpr std::size_t kTableSize = 256;
    std::size_t entry = 0;
    if (colour != -1) {
        entry = static_cast<std::size_t>(std::find(foreColours_.begin() + 1, foreColours_.end(), colour) - foreColours_.begin());
        if (entry == foreColours_.size()) {
            if (entry < kTableSize) foreColours_.push_back(colour);
            else entry = 0;
        }
    }
    cell.foreColour = static_cast<std::uint8_t>(entry);
    if (entry == 0 && colour != -1) cell.MutableExtras().foreColor = colour;
    else if (cell.HasExtras()) cell.MutableExtras().foreColor = -1;
}

std::int32_t VbGrid::CellForeColor(std::int32_t lRow, std::int32_t lCol) const {
    ResolveCurrent(lRow, lCol);
    ValidateCell(lRow, lCol);
    return ShownForeColour(lRow, lCol);
}

void VbGrid::SetCellForeColor(std::int32_t lRow, std::int32_t lCol, std::int32_t oColor) {
    ResolveCurrent(lRow, lCol);
    ValidateCell(lRow, lCol);
    GridCell& cell = MutableCell(lRow, lCol);
    if (ForeColourOf(cell) == oColor) return;
    StoreForeColour(cell, oColor);
    cell.dirty = true;
    MarkCellDirty(lRow, lCol);
}

std::int32_t VbGrid::CellBackColor(std::int32_t lRow, std::int32_t lCol) const {
    ResolveCurrent(lRow, lCol);
    return CellAt(lRow, lCol).Extras().backColor;
}

void VbGrid::SetCellBackColor(std::int32_t lRow, std::int32_t lCol, std::int32_t oColor) {
    SetCellColour(lRow, lCol, &CellExtras::backColor, oColor);
}

void VbGrid::CellDefaultForeColor(std::int32_t lRow, std::int32_t lCol) { SetCellForeColor(lRow, lCol, -1); }
void VbGrid::CellDefaultBackColor(std::int32_t lRow, std::int32_t lCol) { SetCellBackColor(lRow, lCol, -1); }

FontRef VbGrid::CellFont(std::int32_t lRow, std::int32_t lCol) const {
    return look_.CellFont(CellAt(lRow, lCol).Extras().font);
}

void VbGrid::SetCellFont(std::int32_t lRow, std::int32_t lCol, FontRef sFnt) {
    ValidateCell(lRow, lCol);
    const std::int32_t index = look_.FontIndexOf(sFnt);
    GridCell& cell = MutableCell(lRow, lCol);
    if (index != 0 || cell.HasExtras()) cell.MutableExtras().font = index;
    cell.dirty = true;
    MarkCellDirty(lRow, lCol);
}

std::int32_t VbGrid::CellTextFlags(std::int32_t lRow, std::int32_t lCol) const {
    ValidateCell(lRow, lCol);
    return InTable(lRow) ? table_->TextFlags(lRow, lCol) : -1;
}

void VbGrid::SetCellTextFlags(std::int32_t lRow, std::int32_t lCol, std::int32_t eAlign) {
    ValidateCell(lRow, lCol);
    GridCell& cell = MutableCell(lRow, lCol);
    cell.MutableExtras().textFlags = eAlign | text_flags::NoPrefix;
    cell.dirty = true;
    MarkCellDirty(lRow, lCol);
}

std::int32_t VbGrid::CellAlignment(std::int32_t lRow, std::int32_t lCol) const {
    return EffectiveTextFlags(lRow, lCol) & text_flags::AlignmentMask;
}

void VbGrid::SetCellAlignment(std::int32_t lRow, std::int32_t lCol, std::int32_t oAlg) {
    std::int32_t flags = EffectiveTextFlags(lRow, lCol);
    SetCellTextFlags(lRow, lCol, (flags & ~text_flags::AlignmentMask) | (oAlg & text_flags::AlignmentMask));
}

bool VbGrid::WordWrap(std::int32_t lRow, std::int32_t lCol) const {
    if (lCol == -1) lCol = view_.Col();
    if (lRow == -1) {
        const GridColumn& column = columns_.At(RequirePosition(runtime::Variant(lCol), false));
        return (column.textFlags & text_flags::SingleLine) == 0;
    }
    return (EffectiveTextFlags(lRow, lCol) & text_flags::SingleLine) == 0;
}

void VbGrid::SetWordWrap(std::int32_t lRow, std::int32_t lCol, bool New_WordWrap) {
    if (lCol == -1) lCol = view_.Col();
    auto apply = [New_WordWrap](std::int32_t flags) {
        return New_WordWrap ? flags & ~text_flags::SingleLine : flags | text_flags::SingleLine;
    };
    if (lRow == -1) {
        std::int32_t position = RequirePosition(runtime::Variant(lCol), false);
        GridColumn& column = columns_.At(position);
        column.textFlags = apply(column.textFlags);
        MarkColumnsDirty(position, position);
        RequestRepaint();
        return;
    }
    SetCellTextFlags(lRow, lCol, apply(EffectiveTextFlags(lRow, lCol)));
}

template <class T>
void VbGrid::SetCellAttribute(std::int32_t lRow, std::int32_t lCol, T CellExtras::*field, T value) {
    ValidateCell(lRow, lCol);
    GridCell& cell = MutableCell(lRow, lCol);
    cell.MutableExtras().*field = std::move(value);
    cell.dirty = true;
    MarkCellDirty(lRow, lCol);
}

std::int32_t VbGrid::CellIcon(std::int32_t lRow, std::int32_t lCol) const { return CellAt(lRow, lCol).Extras().icon; }
void VbGrid::SetCellIcon(std::int32_t lRow, std::int32_t lCol, std::int32_t lIconIndex) {
    SetCellAttribute(lRow, lCol, &CellExtras::icon, lIconIndex);
}
std::int32_t VbGrid::CellExtraIcon(std::int32_t lRow, std::int32_t lCol) const {
    return CellAt(lRow, lCol).Extras().extraIcon;
}
void VbGrid::SetCellExtraIcon(std::int32_t lRow, std::int32_t lCol, std::int32_t lIconIndex) {
    SetCellAttribute(lRow, lCol, &CellExtras::extraIcon, lIconIndex);
}
bool VbGrid::CellExtraAtRight(std::int32_t lRow, std::int32_t lCol) const {
    return CellAt(lRow, lCol).Extras().extraAtRight;
}
void VbGrid::SetCellExtraAtRight(std::int32_t lRow, std::int32_t lCol, bool nv) {
    SetCellAttribute(lRow, lCol, &CellExtras::extraAtRight, nv);
}
std::int32_t VbGrid::CellIndent(std::int32_t lRow, std::int32_t lCol) const {
    return CellAt(lRow, lCol).Extras().indent;
}
void VbGrid::SetCellIndent(std::int32_t lRow, std::int32_t lCol, std::int32_t lIndent) {
    SetCellAttribute(lRow, lCol, &CellExtras::indent, lIndent);
}
std::string VbGrid::CellToolTip(std::int32_t lRow, std::int32_t lCol) const {
    return CellAt(lRow, lCol).Extras().toolTip;
}
void VbGrid::SetCellToolTip(std::int32_t lRow, std::int32_t lCol, const std::string& tt) {
    SetCellAttribute(lRow, lCol, &CellExtras::toolTip, tt);
}

runtime::Variant VbGrid::CellItemData(std::int32_t lRow, std::int32_t lCol) const {
    return CellAt(lRow, lCol).Extras().itemData;
}

void VbGrid::SetCellItemData(std::int32_t lRow, std::int32_t lCol, const runtime::Variant& vItemData) {
    ValidateCell(lRow, lCol);
    MutableCell(lRow, lCol).MutableExtras().itemData = vItemData;
}

bool VbGrid::CellSelected(std::int32_t lRow, std::int32_t lCol) const { return CellAt(lRow, lCol).selected; }

void VbGrid::SetCellSelected(std::int32_t lRow, std::int32_t lCol, bool bState) {
    ValidateCell(lRow, lCol);
    GridCell& cell = MutableCell(lRow, lCol);
    if (cell.selected == bState) return;
    cell.selected = bState;
    if (bState) view_.NoteSelectedRows(lRow, lRow);
    cell.dirty = true;
    MarkCellDirty(lRow, lCol);
}

PictureRef VbGrid::CellPicture(std::int32_t lRow, std::int32_t lCol) const {
    ResolveCurrent(lRow, lCol);
    return CellAt(lRow, lCol).Extras().picture;
}

void VbGrid::SetCellPicture(std::int32_t lRow, std::int32_t lCol, PictureRef sPic) {
    ResolveCurrent(lRow, lCol);
    ValidateCell(lRow, lCol);
    GridCell& cell = MutableCell(lRow, lCol);
    CellExtras& extras = cell.MutableExtras();
    if (sPic && extras.pictureWidth == 0) extras.pictureWidth = sPic->Width();
    extras.picture = std::move(sPic);
    cell.dirty = true;
    MarkCellDirty(lRow, lCol);
}

std::int32_t VbGrid::CellPictureWidth(std::int32_t lRow, std::int32_t lCol) const {
    ResolveCurrent(lRow, lCol);
    return CellAt(lRow, lCol).Extras().pictureWidth;
}

void VbGrid::SetCellPictureWidth(std::int32_t lRow, std::int32_t lCol, std::int32_t Pw) {
    ResolveCurrent(lRow, lCol);
    ValidateCell(lRow, lCol);
    GridCell& cell = MutableCell(lRow, lCol);
    cell.MutableExtras().pictureWidth = Pw;
    cell.dirty = true;
    MarkCellDirty(lRow, lCol);
}

}  // namespace grid

namespace grid {

void VbGrid::StoreEditedText(std::int32_t row, std::int32_t dataIndex, const std::string& text) {
    try {
        StoreValue(row, dataIndex, runtime::Variant(text));
    } catch (const std::exception&) {
        // A cell that went away while it was edited keeps nothing.
    }
}

}  // namespace grid
