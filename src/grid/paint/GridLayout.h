#pragma once

#include <cstdint>

#include "grid/view/GridParts.h"
#include "os/types/Types.h"

namespace grid {

// Which part of the table is on screen, for the grid's current scroll
// offsets and window size. Rows and columns are those that scroll; fixed
// rows and columns are always on screen.
struct VisibleRange {
    std::int32_t firstRow = -1;
    std::int32_t lastRow = -1;
    std::int32_t firstRowOffset = 0;   // screen offset of the first row within the scrolling rows
    std::int32_t lastRowBottom = 0;    // client y where the last visible row ends
    std::int32_t firstCol = -1;        // display positions
    std::int32_t lastCol = -1;
    std::int32_t firstColOffset = 0;
    std::int32_t lastColRight = 0;     // client x where the last visible column ends

    bool HasRows() const { return firstRow >= 0 && lastRow >= firstRow; }
    bool HasColumns() const { return firstCol >= 0 && lastCol >= firstCol; }
    bool operator==(const VisibleRange&) const = default;
};

// Places the grid's rows and columns in client pixels.
class GridLayout {
public:
    explicit GridLayout(const GridParts& parts);

    os::RECT Client() const { return client_; }
    std::int32_t DataWidth() const;
    std::int32_t DataTop() const;      // where the scrolling rows start: header and fixed rows above
    std::int32_t DataBottom() const;
    VisibleRange Visible() const;

    // Screen x of a column (display position), screen y of a row.
    std::int32_t ColumnX(std::int32_t position) const;
    std::int32_t RowY(std::int32_t row) const;
    os::RECT CellRect(std::int32_t row, std::int32_t position) const;

    // The cell under a client point: false when the point is on no cell.
    bool CellAt(std::int32_t x, std::int32_t y, std::int32_t& row, std::int32_t& position) const;

private:
    std::int32_t FirstScrollingRowBelow(std::int32_t y) const;
    bool ColumnCounts(std::int32_t position) const;

    const GridParts& parts_;
    os::RECT client_;
};

}  // namespace grid
