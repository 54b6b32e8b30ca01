#include "app/preview/PreviewTable.h"

#include <algorithm>
#include <limits>

#include "app/preview/ResultsDrawing.h"
#include "grid/core/VbGrid.h"
#include "runtime/Variant.h"
#include "os/printing/DrawingTarget.h"

namespace app {

namespace {

// A position the target can take (its positions are 32-bit twips).
std::int32_t TargetY(std::int64_t y) {
    return static_cast<std::int32_t>(std::min<std::int64_t>(y, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

PreviewTable::PreviewTable(const grid::VbGrid& grid, os::DrawingTarget& target)
    : grid_(grid), headerSize_(target.FontSize()), headerItalic_(target.FontItalic()), rows_(grid.Rows()) {
    LayOutColumns(target);
    LayOutRows();
    const std::int32_t cols = grid.Cols();
    if (rows_ > 0 && cols > 0) {  // the font of the last cell drawn
        target.SetFontSize(cols == 1 ? kRowNumberPoints : kCellPoints);
        target.SetFontItalic(cols == 1);
    }
}

void PreviewTable::LayOutColumns(os::DrawingTarget& target) {
    widths_ = PrintedColumnWidths(grid_, target);
    std::vector<std::int32_t> rooms(widths_.size(), std::numeric_limits<std::int32_t>::max());
    bool cut = false;
    for (std::size_t c = 0; c < widths_.size(); ++c) {
        const std::int32_t widest =
            std::max(grid_.ColWidth(runtime::Variant(static_cast<std::int32_t>(c))), kWidestPreviewColumn);
        if (widths_[c] <= widest) continue;
        widths_[c] = widest;
        rooms[c] = std::max(0, widest - kColumnGap);
        cut = true;
    }
    if (cut) rooms_ = std::move(rooms);
    lefts_ = ColumnLefts(widths_, kTableLeft);
}

void PreviewTable::LayOutRows() {
    std::int64_t top = static_cast<std::int64_t>(kTableTop) + grid_.HeaderHeight();
    height_ = top + kTableBottomMargin;
    for (std::int32_t r = 0; r < rows_; ++r) {
        const std::int32_t height = std::max(0, grid_.RowHeight(r));
        if (runs_.empty() || runs_.back().height != height) runs_.push_back({r, top, height});
        height_ = std::max(height_, top + height + kTableBottomMargin);
        top += height;
    }
}

std::int64_t PreviewTable::RowTop(std::int32_t row) const {
    const auto run = std::prev(std::upper_bound(runs_.begin(), runs_.end(), row,
                                                [](std::int32_t r, const Run& each) { return r < each.firstRow; }));
    return run->top + static_cast<std::int64_t>(row - run->firstRow) * run->height;
}

std::int32_t PreviewTable::FirstRowFrom(std::int64_t y) const {
    // The last run starting at or above y holds the row, or the next run starts it.
    auto run = std::upper_bound(runs_.begin(), runs_.end(), y, [](std::int64_t at, const Run& each) {
        return at < each.top;
    });
    if (run == runs_.begin()) return runs_.empty() ? rows_ : 0;
    --run;
    const std::int32_t end = std::next(run) == runs_.end() ? rows_ : std::next(run)->firstRow;
    if (y <= run->top) return run->firstRow;
    if (run->height == 0) return end;
    const std::int64_t into = (y - run->top + run->height - 1) / run->height;
    return static_cast<std::int32_t>(std::min<std::int64_t>(run->firstRow + into, end));
}

void PreviewTable::Draw(os::DrawingTarget& target, std::int64_t top, std::int64_t bottom) const {
    if (top <= kTableTop && bottom >= kTableTop) {
        target.SetFontSize(headerSize_);
        target.SetFontItalic(headerItalic_);
        target.SetCurrentY(kTableTop);
        drawHeader(grid_, target, lefts_);
    }
    const std::int32_t rows = std::min(rows_, grid_.Rows());
    for (std::int32_t r = FirstRowFrom(top); r < rows; ++r) {
        const std::int64_t y = RowTop(r);
        if (y > bottom || y > std::numeric_limits<std::int32_t>::max()) break;
        target.SetCurrentY(TargetY(y));
        drawRow(grid_, target, lefts_, r, rooms_);
    }
}

std::int32_t PreviewTable::RowAt(std::int64_t y) const {
    const std::int32_t row = FirstRowFrom(y + 1) - 1;  // the last row starting at or above y
    if (row < 0 || row >= std::min(rows_, grid_.Rows())) return -1;
    return y < RowTop(row) + std::max(0, grid_.RowHeight(row)) ? row : -1;
}

std::string PreviewTable::ToolTipAt(os::DrawingTarget& target, std::int64_t x, std::int64_t y) const {
    const std::int32_t row = RowAt(y);
    if (row < 0 || rooms_.empty()) return {};
    for (std::size_t c = 0; c < lefts_.size(); ++c) {
        if (x < lefts_[c] || x >= static_cast<std::int64_t>(lefts_[c]) + widths_[c]) continue;
        target.SetFontSize(c == 0 ? kRowNumberPoints : kCellPoints);
        target.SetFontItalic(c == 0);
        std::string text = grid_.Table().Text(row, static_cast<std::int32_t>(c));
        return target.TextWidth(text) > rooms_[c] ? text : std::string();
    }
    return {};
}

}  // namespace app
