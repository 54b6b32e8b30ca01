#pragma once

#include <cstdint>
#include <string>

namespace grid {

// What the grid shows in its cells: the number of rows and, for a row and a
// data column, the cell's text, its fore colour and its drawing flags.
// Painting, measuring, tooltips, the key search and copying read the cells
// through it. The grid's own cell storage is one such table; a host that
// holds its rows elsewhere gives the grid a table over them instead, so the
// rows are never copied into the grid.
class GridTable {
public:
    virtual ~GridTable() = default;

    virtual std::int32_t RowCount() const = 0;
    // The text the cell shows.
    virtual std::string Text(std::int32_t row, std::int32_t dataIndex) const = 0;
    // The cell's own fore colour (an OLE colour), -1 for the grid's.
    virtual std::int32_t ForeColour(std::int32_t row, std::int32_t dataIndex) const = 0;
    // The cell's alignment and other drawing flags, -1 for its column's.
    virtual std::int32_t TextFlags(std::int32_t row, std::int32_t dataIndex) const = 0;
};

}  // namespace grid
