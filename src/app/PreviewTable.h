#pragma once

#include <cstdint>
#include <vector>

#include "forms/PreviewContent.h"

namespace grid {
class VbGrid;
}
namespace os {
class DrawingTarget;
}

namespace app {

// The table the grid shows, as the preview shows it: laid out as the
// printout lays it out on one endless page (the same columns, the header in
// the target's font of the moment, the rows at the grid's heights), but each
// row is drawn from the grid's table only when it comes into view, so the
// preview keeps no text of its own. The grid must outlive it; rows the grid
// no longer has are not drawn.
class PreviewTable : public forms::PreviewContent {
public:
    // Measures the columns on the target and leaves the target's font as
    // drawing the whole table would have left it.
    PreviewTable(const grid::VbGrid& grid, os::DrawingTarget& target);

    std::int64_t Height() const override { return height_; }
    void Draw(os::DrawingTarget& target, std::int64_t top, std::int64_t bottom) const override;

private:
    // Consecutive rows of one height (a table's rows are mostly alike, so a
    // few runs describe millions of rows).
    struct Run {
        std::int32_t firstRow;
        std::int64_t top;
        std::int32_t height;
    };
    void LayOutRows();
    // The first row whose top is at `y` or below it (Rows when none).
    std::int32_t FirstRowFrom(std::int64_t y) const;
    std::int64_t RowTop(std::int32_t row) const;

    const grid::VbGrid& grid_;
    std::vector<std::int32_t> lefts_;
    double headerSize_;
    bool headerItalic_;
    std::int32_t rows_ = 0;
    std::vector<Run> runs_;
    std::int64_t height_ = 0;
};

}  // namespace app
