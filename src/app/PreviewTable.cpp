#include "app/PreviewTable.h"

#include <algorithm>
#include <limits>

#include "app/ResultsDrawing.h"
#include "grid/VbGrid.h"
#include "os/printing/DrawingTarget.h"

namespace app {

namespace {

// A position the target can take (its positions are 32-bit twips).
std::int32_t TargetY(std::int64_t y) {
    return static_cast<std::int32_t>(std::min<std::int64_t>(y, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

PreviewTable::PreviewTable(const grid::VbGrid& grid, os::DrawingTarget& target)
    : grid_(grid),
      lefts_(PrintedColumnLefts(grid, target, kTableLeft)),
      headerSize_(target.FontSize()),
      headerItalic_(target.FontItalic()),
      rows_(grid.Rows()) {
    LayOutRows();
    const std::int32_t cols = grid.Cols();
    if (rows_ > 0 && cols > 0) {  // the font of the last cell drawn
        target.SetFontSize(cols == 1 ? kRowNumberPoints : kCellPoints);
        target.SetFontItalic(cols == 1);
    }
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
        drawRow(grid_, target, lefts_, r);
    }
}

}  // namespace app
