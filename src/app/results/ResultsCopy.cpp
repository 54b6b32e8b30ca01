#include "app/results/ResultsCopy.h"

#include <vector>

#include "os/commoncontrols/Clipboard.h"

namespace app {

namespace {

constexpr char kCellSeparator = '\t';
constexpr char kLineEnd = '\n';

// The visible columns, as the grid shows them from left to right.
std::vector<std::int32_t> ShownColumns(const grid::VbGrid& grid) {
    std::vector<std::int32_t> columns;
    for (const grid::GridColumn& column : grid.ColumnTable())
        if (column.visible) columns.push_back(column.dataIndex);
    return columns;
}

bool RowSelected(const grid::VbGrid& grid, std::int32_t row) {
    for (std::int32_t c = 0; c < grid.Cols(); ++c)
        if (grid.CellAt(row, c).selected) return true;
    return false;
}

// A tab or line end inside a cell would split it; it shows as a space.
std::string CellText(std::string text) {
    for (char& ch : text)
        if (ch == '\t' || ch == '\n' || ch == '\r') ch = ' ';
    return text;
}

void AppendLine(std::string& text, const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) text += kCellSeparator;
        text += CellText(cells[i]);
    }
    text += kLineEnd;
}

}  // namespace

std::string SelectedRowsText(const grid::VbGrid& grid) {
    const std::vector<std::int32_t> columns = ShownColumns(grid);
    std::vector<std::int32_t> rows;
    for (std::int32_t r = 0; r < grid.Rows(); ++r)
        if (grid.RowAt(r).visible && RowSelected(grid, r)) rows.push_back(r);
    if (rows.empty() && grid.FocusInside()) rows.push_back(grid.row());

    std::string text;
    std::vector<std::string> cells;
    for (std::int32_t c : columns) cells.push_back(grid.ColumnHeader(runtime::Variant(c)));
    AppendLine(text, cells);
    for (std::int32_t r : rows) {
        cells.clear();
        for (std::int32_t c : columns) cells.push_back(grid.Table().Text(r, c));
        AppendLine(text, cells);
    }
    return text;
}

void CopySelectedRows(const grid::VbGrid& grid) { os::SetClipboardText(SelectedRowsText(grid)); }

}  // namespace app
