// Text measurement and the width changes that follow from it.
#include <algorithm>

#include "grid/core/VbGrid.h"
#include "runtime/Error.h"

namespace grid {

std::int32_t VbGrid::EvaluateTextHeight(std::int32_t lRow, std::int32_t lCol) const {
    const std::string text = DisplayedText(lRow, lCol);
    if (text.empty() || !painter_ || columns_.Empty()) return 0;
    const CellExtras& extras = Cell(lRow, lCol).Extras();
    // The available width is that of the table's first column.
    std::int32_t width = columns_.At(0).width - 4 - (HasVertical(settings_.gridLines) ? 2 : 0) - extras.indent;
    const os::SIZE icon = look_.imageList ? painter_->IconSize() : os::SIZE{};
    if (extras.icon >= 0) width -= icon.cx + 1;
    if (extras.extraIcon >= 0) width -= icon.cx + 1;
    if (extras.picture) width -= extras.pictureWidth + 1;
    return painter_->MeasureText(text, extras.font, std::max(0, width),
                                 EffectiveTextFlags(lRow, lCol) | text_flags::CalcRect)
        .cy;
}

std::int32_t VbGrid::EvaluateTextWidth(std::int32_t lRow, std::int32_t lCol, bool bForceNoModify) const {
    const std::string text = DisplayedText(lRow, lCol);
    if (!painter_) return 0;
    std::int32_t flags = EffectiveTextFlags(lRow, lCol) | text_flags::CalcRect;
    if (bForceNoModify) flags &= ~text_flags::EllipsisAndModify;
    const std::int32_t font = Cell(lRow, lCol).Extras().font;
    if (!(flags & text_flags::WordBreak)) return painter_->MeasureText(text, font, 0, flags).cx;
    // Wrapped text: widen until it fits the row's height.
    const std::int32_t rowHeight = rows_.Shape(lRow).height;
    std::int32_t width = columns_.Empty() ? 16 : std::max(1, columns_.At(0).width);
    os::SIZE size = painter_->MeasureText(text, font, width, flags);
    for (int guard = 0; size.cy > rowHeight && guard < 4096; ++guard) {
        width += 16;
        size = painter_->MeasureText(text, font, width, flags);
    }
    return size.cx;
}

void VbGrid::AutoHeightRow(std::int32_t lRow, std::int32_t lMinimumHeight) {
    if (lRow < 0 || lRow >= Rows()) Raise(runtime::errors::SubscriptOutOfRange);
    std::int32_t minimum = 8;
    if (lMinimumHeight >= 9) minimum = lMinimumHeight;
    else if (defaultRowHeight_ >= 9) minimum = defaultRowHeight_;
    const os::SIZE icon = look_.imageList && painter_ ? painter_->IconSize() : os::SIZE{};
    std::int32_t tallest = 0;
    for (std::int32_t d = 0; d < Cols(); ++d) {
        std::int32_t height = EvaluateTextHeight(lRow, d);
        if (Cell(lRow, d).Extras().icon >= 0) height = std::max(height, static_cast<std::int32_t>(icon.cy));
        tallest = std::max({tallest, height, minimum});
    }
    tallest += (Drawn(settings_.gridLines) ? 2 : 0) + 2;
    SetRowHeight(lRow, ToTwipsY(tallest));
}

void VbGrid::AutoWidthColumn(const ColumnArg& vKey) {
    const std::int32_t position = ResolveColumn(vKey);
    if (position < 0 || position >= Cols()) Raise(runtime::errors::SubscriptOutOfRange);
    ChangeColumnWidth(position, FittingWidth(position));
}

std::int32_t VbGrid::FittingWidth(std::int32_t position) const {
    const std::int32_t d = columns_.At(position).dataIndex;
    std::int32_t widest = 26;
    for (std::int32_t r = 0; r < Rows(); ++r)
        if (rows_.Shape(r).visible) widest = std::max(widest, CellFittingWidth(r, d));
    return widest;
}

std::int32_t VbGrid::CellFittingWidth(std::int32_t lRow, std::int32_t lCol) const {
    const os::SIZE icon = look_.imageList && painter_ ? painter_->IconSize() : os::SIZE{};
    const CellExtras& extras = Cell(lRow, lCol).Extras();
    std::int32_t width = EvaluateTextWidth(lRow, lCol, true) + extras.indent;
    if (extras.icon > 0) width += icon.cx;
    if (extras.extraIcon > 0) width += icon.cx;
    if (extras.picture) width += extras.pictureWidth;
    return width + 4 + (HasVertical(settings_.gridLines) ? 4 : 0);
}

std::vector<std::int32_t> VbGrid::OtherAutoResizeColumns(std::int32_t position) const {
    std::vector<std::int32_t> others;
    for (std::int32_t p = 0; p < Cols(); ++p) {
        const GridColumn& c = columns_.At(p);
        if (p != position && c.visible && c.autoResize) others.push_back(p);
    }
    return others;
}

void VbGrid::ChangeColumnWidth(std::int32_t position, std::int32_t widthPixels) {
    if (position < 0 || position >= Cols()) return;
    auto snapBack = [&] {
        if (headerControl_) headerControl_->ShowColumnWidth(position);
        RequestRepaint();
    };
    const std::vector<std::int32_t> autoColumns = OtherAutoResizeColumns(position);
    GridColumn& column = columns_.At(position);
    if (column.autoResize && autoColumns.empty()) {
        snapBack();
        return;
    }
    bool cancel = false;
    if (autoColumns.empty()) {
        Events().ColumnWidthChanged(column.dataIndex, widthPixels, cancel);
        if (cancel) {
            snapBack();
            return;
        }
        ApplyColumnWidth(position, widthPixels);
        Events().ColumnWidthChangeDone(column.dataIndex);
        return;
    }
    // The difference is shared among the automatic columns; a share that a
    // column refuses is carried on to the next one.
    const std::int32_t n = static_cast<std::int32_t>(autoColumns.size());
    const std::int32_t difference = column.width - widthPixels;
    std::int32_t carried = difference - n * (difference / n);
    std::int32_t lowest = position;
    // Shared among automatic columns, each width event names its column's display position.
    Events().ColumnWidthChanged(position, widthPixels, cancel);
    if (!cancel) column.width = std::max(0, widthPixels);
    for (std::int32_t p : autoColumns) {
        GridColumn& c = columns_.At(p);
        const std::int32_t proposed = std::max(0, c.width + difference / n + carried);
        bool refused = false;
        Events().ColumnWidthChanged(p, proposed, refused);
        if (refused) {
            carried += difference / n;
            continue;
        }
        carried = 0;
        c.width = proposed;
        if (headerControl_) headerControl_->ShowColumnWidth(p);
        lowest = std::min(lowest, p);
    }
    // A refused width puts the header item back to the width kept.
    if (headerControl_) headerControl_->ShowColumnWidth(position);
    RecomputeColumnLefts();
    MarkColumnsDirty(lowest, -1);
    RequestRepaint();
    Events().ColumnWidthChangeDone(column.dataIndex);
}

void VbGrid::FitAutoResizeColumns(std::int32_t dataWidth) {
    std::vector<std::int32_t> autoColumns;
    std::int32_t used = 0;
    for (std::int32_t p = 0; p < Cols(); ++p) {
        const GridColumn& c = columns_.At(p);
        if (!c.visible) continue;
        used += c.width;
        if (c.autoResize) autoColumns.push_back(p);
    }
    const std::int32_t spare = dataWidth - used;
    if (autoColumns.empty() || spare == 0 || dataWidth <= 0) return;
    constexpr std::int32_t kNarrowest = 16;
    const std::int32_t n = static_cast<std::int32_t>(autoColumns.size());
    for (std::size_t i = 0; i < autoColumns.size(); ++i) {
        GridColumn& c = columns_.At(autoColumns[i]);
        const std::int32_t share = spare / n + (i == 0 ? spare - n * (spare / n) : 0);
        c.width = std::max(kNarrowest, c.width + share);
        if (headerControl_) headerControl_->ShowColumnWidth(autoColumns[i]);
    }
    RecomputeColumnLefts();
    MarkColumnsDirty(autoColumns.front(), -1);
}

}  // namespace grid
