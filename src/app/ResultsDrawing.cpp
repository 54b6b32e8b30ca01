#include "app/ResultsDrawing.h"

#include "grid/VbGrid.h"
#include "os/printing/DrawingTarget.h"

namespace app {

bool DrawAll(const grid::VbGrid& grid, os::DrawingTarget& target) {
    const std::int32_t rows = grid.Rows();
    // The header of every further page looks like the first page's, in the
    // font the target had when the drawing began.
    const double headerSize = target.FontSize();
    const bool headerItalic = target.FontItalic();
    target.SetCurrentY(kTableTop);
    drawHeader(grid, target);
    bool pageHasRows = false;
    for (std::int32_t r = 0; r < rows; ++r) {
        // A row too tall for any page goes on a page of its own rather than
        // starting new pages for ever.
        if (!target.MakeRoom(grid.RowHeight(r) + kTableBottomMargin) && pageHasRows) {
            if (!target.NewPage()) return false;
            target.SetFontSize(headerSize);
            target.SetFontItalic(headerItalic);
            target.SetCurrentY(kTableTop);
            drawHeader(grid, target);
        }
        drawRow(grid, target, r);
        pageHasRows = true;
    }
    return true;
}

void drawHeader(const grid::VbGrid& grid, os::DrawingTarget& target) {
    std::int32_t x = kTableLeft;
    for (std::int32_t c = 0; c < grid.Cols(); ++c) {
        target.SetCurrentX(x);
        target.Print(grid.ColumnHeader(runtime::Variant(c)));
        x += grid.ColWidth(runtime::Variant(c));
    }
    target.SetCurrentY(target.CurrentY() + grid.HeaderHeight());
}

void drawRow(const grid::VbGrid& grid, os::DrawingTarget& target, std::int32_t row) {
    std::int32_t x = kTableLeft;
    for (std::int32_t c = 0; c < grid.Cols(); ++c) {
        target.SetCurrentX(x);
        target.SetFontSize(c == 0 ? kRowNumberPoints : kCellPoints);
        target.SetFontItalic(c == 0);
        target.Print(grid.TextMatrix(row, c));
        x += grid.ColWidth(runtime::Variant(c));
    }
    target.SetCurrentY(target.CurrentY() + grid.RowHeight(row));
}

}  // namespace app
