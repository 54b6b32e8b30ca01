// Column properties.
#include "grid/core/VbGrid.h"
#include "runtime/Error.h"

namespace grid {

void VbGrid::ApplyColumnWidth(std::int32_t position, std::int32_t widthPixels) {
    GridColumn& column = columns_.At(position);
    column.width = std::max(0, widthPixels);
    RecomputeColumnLefts();
    if (headerControl_) headerControl_->ShowColumnWidth(position);
    MarkColumnsDirty(position, -1);
    RequestRepaint();
}

std::int32_t VbGrid::ColWidth(const ColumnArg& vKey) const {
    const GridColumn* column = FindColumn(vKey);
    return column ? ToTwipsX(column->width) : 0;
}

void VbGrid::SetColWidth(const ColumnArg& vKey, std::int32_t lWidth) {
    std::int32_t position = ResolveColumn(vKey);
    if (position < 0) Raise(runtime::errors::SubscriptOutOfRange, "Invalid Column Index");
    while (position >= Cols()) AddColumn();
    ApplyColumnWidth(position, ToPixelsX(lWidth));
}

std::string VbGrid::ColumnHeader(const ColumnArg& vKey) const {
    const GridColumn* column = FindColumn(vKey);
    return column ? column->headerText : std::string();
}

void VbGrid::SetColumnHeader(const ColumnArg& vKey, const std::string& sHeader) {
    GridColumn* column = FindColumn(vKey);
    if (!column) return;
    column->headerText = sHeader;
    SetHeaders();
}

std::int32_t VbGrid::ColAlignment(const ColumnArg& vKey) const {
    return columns_.At(RequirePosition(vKey, false)).textFlags & text_flags::AlignmentMask;
}

void VbGrid::SetColAlignment(const ColumnArg& vKey, std::int32_t eAlign) {
    std::int32_t position = RequirePosition(vKey, false);
    GridColumn& column = columns_.At(position);
    column.textFlags = (column.textFlags & ~text_flags::AlignmentMask) | (eAlign & text_flags::AlignmentMask);
    MarkColumnsDirty(position, position);
    RequestRepaint();
}

std::int32_t VbGrid::FixedAlignment(const ColumnArg& vKey) const {
    return columns_.At(RequirePosition(vKey, false)).fixedTextFlags &
           text_flags::AlignmentMask;
}

void VbGrid::SetFixedAlignment(const ColumnArg& vKey, std::int32_t eAlign) {
    GridColumn& column = columns_.At(RequirePosition(vKey, false));
    column.fixedTextFlags = (column.fixedTextFlags & ~text_flags::AlignmentMask) | (eAlign & text_flags::AlignmentMask);
    SetHeaders();
    InvalidateAll();
}

std::string VbGrid::ColumnKey(std::int32_t lCol) const {
    return columns_.At(RequirePosition(runtime::Variant(lCol), false)).key;
}

void VbGrid::SetColumnKey(std::int32_t lCol, const std::string& sKey) {
    std::int32_t position = RequirePosition(runtime::Variant(lCol), false);
    if (!sKey.empty())
        for (std::int32_t p = 0; p < Cols(); ++p)
            if (p != position && columns_.At(p).key == sKey) Raise(runtime::errors::KeyAlreadyAssociated);
    columns_.At(position).key = sKey;
}

std::string VbGrid::ColumnTag(const ColumnArg& vKey) const {
    return columns_.At(RequirePosition(vKey, true)).tag;
}

void VbGrid::SetColumnTag(const ColumnArg& vKey, const std::string& sTag) {
    columns_.At(RequirePosition(vKey, true)).tag = sTag;
}

runtime::Variant VbGrid::ColData(const ColumnArg& vKey) const {
    return columns_.At(RequirePosition(vKey, false)).data;
}

void VbGrid::SetColData(const ColumnArg& vKey, const runtime::Variant& vData) {
    columns_.At(RequirePosition(vKey, false)).data = vData;
}

std::int32_t VbGrid::ColumnImage(const ColumnArg& vKey) const {
    return columns_.At(RequirePosition(vKey, false)).image;
}

void VbGrid::SetColumnImage(const ColumnArg& vKey, std::int32_t lImage) {
    columns_.At(RequirePosition(vKey, false)).image = lImage;
    SetHeaders();
}

bool VbGrid::ColumnImageOnRight(const ColumnArg& vKey) const {
    return columns_.At(RequirePosition(vKey, false)).imageOnRight;
}

void VbGrid::SetColumnImageOnRight(const ColumnArg& vKey, bool value) {
    columns_.At(RequirePosition(vKey, false)).imageOnRight = value;
    SetHeaders();
}

std::string VbGrid::ColumnFormatString(const ColumnArg& vKey) const {
    return columns_.At(RequirePosition(vKey, false)).format;
}

void VbGrid::SetColumnFormatString(const ColumnArg& vKey, const std::string& sFmtString) {
    std::int32_t position = RequirePosition(vKey, false);
    GridColumn& column = columns_.At(position);
    column.format = sFmtString;
    RecomputeShownTexts(column.dataIndex);
    MarkColumnsDirty(position, position);
    RequestRepaint();
}

bool VbGrid::ColumnVisible(const ColumnArg& vKey) const {
    const GridColumn* column = FindColumn(vKey);
    return column && column->visible;
}

void VbGrid::SetColumnVisible(const ColumnArg& vKey, bool value) {
    GridColumn* column = FindColumn(vKey);
    if (!column || column->visible == value) return;
    column->visible = value;
    RecomputeColumnLefts();
    SetHeaders();
    view_.SetFullRepaintPending(true);
    InvalidateAll();
}

std::int32_t VbGrid::ColumnOrder(const ColumnArg& vKey) const { return RequirePosition(vKey, false); }

void VbGrid::SetColumnOrder(const ColumnArg& vKey, std::int32_t lOrder) {
    const std::int32_t from = RequirePosition(vKey, false);
    if (lOrder < 0 || lOrder >= Cols()) Raise(runtime::errors::SubscriptOutOfRange, "Invalid Column Index");
    columns_.Move(from, lOrder);
}

// Whoever moved the column (the header or a host), the grid follows alike:
// the columns between the two places moved sideways.
void VbGrid::ColumnMoved(std::int32_t from, std::int32_t to) {
    MarkFixedColumns();
    RecomputeColumnLefts();
    MarkColumnsDirty(std::min(from, to), std::max(from, to));
    RequestRepaint();
}

bool VbGrid::ColEditable(const ColumnArg& vKey) const {
    return columns_.At(RequirePosition(vKey, false)).editable;
}

void VbGrid::SetColEditable(const ColumnArg& vKey, bool value) {
    columns_.At(RequirePosition(vKey, false)).editable = value;
}

bool VbGrid::ColAutoResize(const ColumnArg& vKey) const {
    return columns_.At(RequirePosition(vKey, false)).autoResize;
}

void VbGrid::SetColAutoResize(const ColumnArg& vKey, bool value) {
    columns_.At(RequirePosition(vKey, false)).autoResize = value;
    RequestRepaint(true);
}

bool VbGrid::ColCheck(const ColumnArg& vKey) const {
    return columns_.At(RequirePosition(vKey, false)).check;
}

void VbGrid::SetColCheck(const ColumnArg& vKey, bool n) {
    std::int32_t position = RequirePosition(vKey, false);
    GridColumn& column = columns_.At(position);
    column.check = n;
    RecomputeShownTexts(column.dataIndex);
    MarkColumnsDirty(position, position);
    RequestRepaint();
}

std::string VbGrid::ColToolTip(const ColumnArg& vKey) const {
    return columns_.At(RequirePosition(vKey, false)).toolTip;
}

void VbGrid::SetColToolTip(const ColumnArg& vKey, const std::string& tt) {
    columns_.At(RequirePosition(vKey, false)).toolTip = tt;
}

std::string VbGrid::ToolTipTextCol(std::int32_t c) const { return ColToolTip(runtime::Variant(c)); }

void VbGrid::SetToolTipTextCol(std::int32_t c, const std::string& s) { SetColToolTip(runtime::Variant(c), s); }

bool VbGrid::LoadField(const ColumnArg& vKey) const {
    const GridColumn* column = FindColumn(vKey);
    return column && column->loadField;
}

void VbGrid::SetLoadField(const ColumnArg& vKey, bool flg) {
    if (GridColumn* column = FindColumn(vKey)) column->loadField = flg;
}

std::string VbGrid::FieldName(const ColumnArg& vKey) const {
    const GridColumn* column = FindColumn(vKey);
    return column ? column->fieldName : std::string();
}

}  // namespace grid
