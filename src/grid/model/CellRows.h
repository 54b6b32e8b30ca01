#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "grid/model/GridRecords.h"

namespace grid {

// The grid's cells, row by row. A row's cells are made when something is
// first written into one of them; until then the row reads as fresh cells
// (empty, unselected, waiting to be drawn). Each stored row's place is kept
// in pages of many rows, made for the pages that hold a stored row, so a grid
// showing a host's table keeps cells and places only for the rows drawn or
// selected. The cells of stored rows live in blocks of many rows, so a row
// filled cell by cell costs its cells and its place and nothing more.
class CellRows {
public:
    std::size_t Count() const { return count_; }
    std::size_t Width() const { return width_; }
    bool Stored(std::size_t row) const { return SlotOf(row) != kFresh; }

    const GridCell& At(std::size_t row, std::size_t column) const;
    // The row's cells, made fresh on first use: Width() of them.
    GridCell* Row(std::size_t row) {
        const std::uint32_t slot = SlotOf(row);
        return slot != kFresh ? CellsOf(slot) : MakeRow(row);
    }

    void Reserve(std::size_t rows) { pages_.reserve(PagesFor(rows)); }
    // Rows beyond the count are dropped; new ones are fresh.
    void Resize(std::size_t rows);
    void InsertRow(std::size_t before);
    void EraseRow(std::size_t row);
    // Every row gains a fresh cell at `column`, or loses the one there.
    void InsertColumn(std::size_t column);
    void EraseColumn(std::size_t column);
    void Clear();
    // Gives back the memory of rows no longer stored.
    void ShrinkToFit();

private:
    static constexpr std::uint32_t kFresh = 0;  // a row's slot number, else its place + 1
    static constexpr std::size_t kBlockRows = 256;
    static constexpr std::size_t kPageRows = 1024;
    using Page = std::unique_ptr<std::uint32_t[]>;

    static std::size_t PagesFor(std::size_t rows) { return (rows + kPageRows - 1) / kPageRows; }
    std::uint32_t SlotOf(std::size_t row) const {
        const Page& page = pages_[row / kPageRows];
        return page ? page[row % kPageRows] : kFresh;
    }
    // The row's slot number, its page made on first use.
    std::uint32_t& SlotFor(std::size_t row);
    GridCell* CellsOf(std::uint32_t slot) const {
        const std::size_t place = slot - 1;
        return &blocks_[place / kBlockRows][(place % kBlockRows) * width_];
    }
    // Gives a fresh row a slot of fresh cells.
    GridCell* MakeRow(std::size_t row);
    void Release(std::uint32_t slot);
    // Moves the stored rows into new blocks of `width` cells a row, old
    // column c going to column c + shift(c) (a negative target drops it).
    template <class ColumnMap>
    void Rebuild(std::size_t width, ColumnMap target);

    std::vector<Page> pages_;  // kPageRows slot numbers each, or none while all are fresh
    std::size_t count_ = 0;
    std::vector<std::unique_ptr<GridCell[]>> blocks_;
    std::vector<std::uint32_t> freeSlots_;
    std::uint32_t usedSlots_ = 0;  // slots handed out of the blocks so far
    std::size_t width_ = 0;
};

}  // namespace grid
