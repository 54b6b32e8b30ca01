#include "grid/model/CellRows.h"

#include <algorithm>
#include <utility>

namespace grid {

const GridCell& CellRows::At(std::size_t row, std::size_t column) const {
    static const GridCell fresh;
    const std::uint32_t slot = slots_[row];
    return slot == kFresh ? fresh : CellsOf(slot)[column];
}

GridCell* CellRows::CellsOf(std::uint32_t slot) const {
    const std::size_t place = slot - 1;
    return &blocks_[place / kBlockRows][(place % kBlockRows) * width_];
}

GridCell* CellRows::Row(std::size_t row) {
    std::uint32_t& slot = slots_[row];
    if (slot != kFresh) return CellsOf(slot);
    if (!freeSlots_.empty()) {
        slot = freeSlots_.back();
        freeSlots_.pop_back();
    } else {
        if (usedSlots_ == blocks_.size() * kBlockRows)
            blocks_.push_back(std::make_unique<GridCell[]>(kBlockRows * std::max<std::size_t>(width_, 1)));
        slot = ++usedSlots_;
    }
    return CellsOf(slot);
}

// A released slot holds fresh cells again, ready for the next row.
void CellRows::Release(std::uint32_t slot) {
    if (slot == kFresh) return;
    GridCell* cells = CellsOf(slot);
    for (std::size_t c = 0; c < width_; ++c) cells[c] = GridCell();
    freeSlots_.push_back(slot);
}

void CellRows::Resize(std::size_t rows) {
    for (std::size_t r = rows; r < slots_.size(); ++r) Release(slots_[r]);
    slots_.resize(rows, kFresh);
}

void CellRows::InsertRow(std::size_t before) {
    slots_.insert(slots_.begin() + static_cast<std::ptrdiff_t>(before), kFresh);
}

void CellRows::EraseRow(std::size_t row) {
    Release(slots_[row]);
    slots_.erase(slots_.begin() + static_cast<std::ptrdiff_t>(row));
}

template <class ColumnMap>
void CellRows::Rebuild(std::size_t width, ColumnMap target) {
    CellRows rebuilt;
    rebuilt.width_ = width;
    rebuilt.slots_.resize(slots_.size(), kFresh);
    for (std::size_t r = 0; r < slots_.size(); ++r) {
        if (slots_[r] == kFresh || width == 0) continue;
        GridCell* from = CellsOf(slots_[r]);
        GridCell* to = rebuilt.Row(r);
        for (std::size_t c = 0; c < width_; ++c) {
            const std::ptrdiff_t column = target(c);
            if (column >= 0) to[column] = std::move(from[c]);
        }
    }
    *this = std::move(rebuilt);
}

void CellRows::InsertColumn(std::size_t column) {
    Rebuild(width_ + 1, [column](std::size_t c) { return static_cast<std::ptrdiff_t>(c < column ? c : c + 1); });
}

void CellRows::EraseColumn(std::size_t column) {
    Rebuild(width_ - 1, [column](std::size_t c) {
        return c == column ? std::ptrdiff_t{-1} : static_cast<std::ptrdiff_t>(c < column ? c : c - 1);
    });
}

void CellRows::Clear() { *this = CellRows(); }

void CellRows::ShrinkToFit() {
    Rebuild(width_, [](std::size_t c) { return static_cast<std::ptrdiff_t>(c); });
    slots_.shrink_to_fit();
}

}  // namespace grid
