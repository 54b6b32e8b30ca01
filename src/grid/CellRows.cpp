#include "grid/CellRows.h"

#include <utility>

namespace grid {

const GridCell& CellRows::At(std::size_t row, std::size_t column) const {
    static const GridCell fresh;
    const std::unique_ptr<GridCell[]>& cells = rows_[row];
    return cells ? cells[column] : fresh;
}

GridCell* CellRows::Row(std::size_t row) {
    std::unique_ptr<GridCell[]>& cells = rows_[row];
    if (!cells) cells = std::make_unique<GridCell[]>(width_);
    return cells.get();
}

void CellRows::InsertRow(std::size_t before) {
    rows_.emplace(rows_.begin() + static_cast<std::ptrdiff_t>(before));
}

void CellRows::EraseRow(std::size_t row) { rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row)); }

void CellRows::InsertColumn(std::size_t column) {
    const std::size_t oldWidth = width_++;
    for (std::unique_ptr<GridCell[]>& cells : rows_) {
        if (!cells) continue;
        auto widened = std::make_unique<GridCell[]>(width_);
        for (std::size_t c = 0; c < oldWidth; ++c) widened[c < column ? c : c + 1] = std::move(cells[c]);
        cells = std::move(widened);
    }
}

void CellRows::EraseColumn(std::size_t column) {
    const std::size_t oldWidth = width_--;
    for (std::unique_ptr<GridCell[]>& cells : rows_) {
        if (!cells) continue;
        if (width_ == 0) {
            cells.reset();
            continue;
        }
        auto narrowed = std::make_unique<GridCell[]>(width_);
        for (std::size_t c = 0; c < oldWidth; ++c)
            if (c != column) narrowed[c < column ? c : c - 1] = std::move(cells[c]);
        cells = std::move(narrowed);
    }
}

void CellRows::Clear() {
    rows_ = std::vector<std::unique_ptr<GridCell[]>>();
    width_ = 0;
}

}  // namespace grid
