#include "grid/core/CellStorageTable.h"

#include "grid/core/VbGrid.h"

namespace grid {

std::int32_t CellStorageTable::RowCount() const { return grid_.Rows(); }

std::string CellStorageTable::Text(std::int32_t row, std::int32_t dataIndex) const {
    const GridCell& cell = grid_.CellAt(row, dataIndex);
    const std::string& shown = cell.Extras().shownText;
    return shown.empty() ? cell.value.Text() : shown;
}

std::int32_t CellStorageTable::ForeColour(std::int32_t row, std::int32_t dataIndex) const {
    return grid_.ForeColourOf(grid_.CellAt(row, dataIndex));
}

std::int32_t CellStorageTable::TextFlags(std::int32_t row, std::int32_t dataIndex) const {
    return grid_.CellAt(row, dataIndex).Extras().textFlags;
}

}  // namespace grid
