#pragma once

#include "grid/model/GridTable.h"

namespace grid {

class VbGrid;

// The grid's own cells as a table: what a host wrote cell by cell.
class CellStorageTable : public GridTable {
public:
    explicit CellStorageTable(const VbGrid& grid) : grid_(grid) {}

    std::int32_t RowCount() const override;
    // Its shown text (a check mark, a formatted value), else its value as text.
    std::string Text(std::int32_t row, std::int32_t dataIndex) const override;
    std::int32_t ForeColour(std::int32_t row, std::int32_t dataIndex) const override;
    std::int32_t TextFlags(std::int32_t row, std::int32_t dataIndex) const override;

private:
    const VbGrid& grid_;
};

}  // namespace grid
