#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "grid/GridRecords.h"

namespace grid {

// The grid's cells, row by row. A row's cells are made when something is
// first written into one of them; until then the row reads as fresh cells
// (empty, unselected, waiting to be drawn). A grid showing a host's table
// thus keeps one pointer a row, and cells only for the rows drawn or selected.
class CellRows {
public:
    std::size_t Count() const { return rows_.size(); }
    std::size_t Width() const { return width_; }
    bool Stored(std::size_t row) const { return rows_[row] != nullptr; }

    const GridCell& At(std::size_t row, std::size_t column) const;
    // The row's cells, made fresh on first use: Width() of them.
    GridCell* Row(std::size_t row);

    void Reserve(std::size_t rows) { rows_.reserve(rows); }
    // Rows beyond the count are dropped; new ones are fresh.
    void Resize(std::size_t rows) { rows_.resize(rows); }
    void InsertRow(std::size_t before);
    void EraseRow(std::size_t row);
    // Every row gains a fresh cell at `column`, or loses the one there.
    void InsertColumn(std::size_t column);
    void EraseColumn(std::size_t column);
    void Clear();
    void ShrinkToFit() { rows_.shrink_to_fit(); }

private:
    std::vector<std::unique_ptr<GridCell[]>> rows_;
    std::size_t width_ = 0;
};

}  // namespace grid
