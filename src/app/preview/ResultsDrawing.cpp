#include "app/preview/ResultsDrawing.h"

#include "app/preview/FittedText.h"
#include "grid/core/VbGrid.h"
#include "os/printing/DrawingTarget.h"

namespace app {

bool DrawAll(const grid::VbGrid& grid, os::DrawingTarget& target) {
    const std::int32_t rows = grid.Rows();
    // The header of every further page looks like the first page's, in the
    // font the target had when the drawing began.
    const double headerSize = target.FontSize();
    const bool headerItalic = target.FontItalic();
    const std::vector<std::int32_t> lefts = PrintedColumnLefts(grid, target, kTableLeft);
    target.SetCurrentY(kTableTop);
    drawHeader(grid, target, lefts);
    bool pageHasRows = false;
    for (std::int32_t r = 0; r < rows; ++r) {
        // A row too tall for any page goes on a page of its own rather than
        // starting new pages for ever.
        if (!target.MakeRoom(grid.RowHeight(r) + kTableBottomMargin) && pageHasRows) {
            if (!target.NewPage()) return false;
            target.SetFontSize(headerSize);
            target.SetFontItalic(headerItalic);
            target.SetCurrentY(kTableTop);
            drawHeader(grid, target, lefts);
        }
        drawRow(grid, target, lefts, r);
        pageHasRows = true;
    }
    return true;
}

void drawHeader(const grid::VbGrid& grid, os::DrawingTarget& target, const std::vector<std::int32_t>& lefts) {
    for (std::int32_t c = 0; c < grid.Cols(); ++c) {
        target.SetCurrentX(lefts[static_cast<std::size_t>(c)]);
        target.Print(grid.ColumnHeader(runtime::Variant(c)));
    }
    target.SetCurrentY(target.CurrentY() + grid.HeaderHeight());
}

void drawRow(const grid::VbGrid& grid, os::DrawingTarget& target, const std::vector<std::int32_t>& lefts,
             std::int32_t row, const std::vector<std::int32_t>& rooms) {
    const grid::GridTable& table = grid.Table();
    for (std::int32_t c = 0; c < grid.Cols(); ++c) {
        const auto column = static_cast<std::size_t>(c);
        target.SetCurrentX(lefts[column]);
        target.SetFontSize(c == 0 ? kRowNumberPoints : kCellPoints);
        target.SetFontItalic(c == 0);
        if (column < rooms.size()) target.Print(FittedText(target, table.Text(row, c), rooms[column]));
        else target.Print(table.Text(row, c));
    }
    target.SetCurrentY(target.CurrentY() + grid.RowHeight(row));
}

}  // namespace app
