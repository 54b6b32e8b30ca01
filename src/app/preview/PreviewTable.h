#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "forms/PreviewContent.h"

namespace grid {
class VbGrid;
}
namespace os {
class DrawingTarget;
}

namespace app {

// The widest a column of the preview grows for its texts, in twips (two inches).
inline constexpr std::int32_t kWidestPreviewColumn = 2880;

// The table the grid shows, as the preview shows it: laid out as the
// printout lays it out on one endless page (the same columns, the header in
// the target's font of the moment, the rows at the grid's heights), but each
// row is drawn from the grid's table only when it comes into view, so the
// preview keeps no text of its own. A column is no wider than the grid's or
// kWidestPreviewColumn, whichever is wider; a longer text is cut short and
// shows whole as the tooltip. The grid must outlive it; rows the grid no
// longer has are not drawn.
class PreviewTable : public forms::PreviewContent {
public:
    // Measures the columns on the target and leaves the target's font as
    // drawing the whole table would have left it.
    PreviewTable(const grid::VbGrid& grid, os::DrawingTarget& target);

    std::int64_t Height() const override { return height_; }
    void Draw(os::DrawingTarget& target, std::int64_t top, std::int64_t bottom) const override;
    std::string ToolTipAt(os::DrawingTarget& target, std::int64_t x, std::int64_t y) const override;

private:
    // Consecutive rows of one height (a table's rows are mostly alike, so a
    // few runs describe millions of rows).
    struct Run {
        std::int32_t firstRow;
        std::int64_t top;
        std::int32_t height;
    };
    void LayOutColumns(os::DrawingTarget& target);
    void LayOutRows();
    // The row at y, -1 when none.
    std::int32_t RowAt(std::int64_t y) const;
    // The first row whose top is at `y` or below it (Rows when none).
    std::int32_t FirstRowFrom(std::int64_t y) const;
    std::int64_t RowTop(std::int32_t row) const;

    const grid::VbGrid& grid_;
    std::vector<std::int32_t> widths_;
    std::vector<std::int32_t> lefts_;
    std::vector<std::int32_t> rooms_;  // for the texts, none when no column is cut
    double headerSize_;
    bool headerItalic_;
    std::int32_t rows_ = 0;
    std::vector<Run> runs_;
    std::int64_t height_ = 0;
};

}  // namespace app
