#include "grid/model/CellRows.h"

#include <algorithm>
#include <utility>

namespace grid {

const GridCell& CellRows::At(std::size_t row, std::size_t column) const {
    static const GridCell fresh;
    const std::uint32_t slot = SlotOf(row);
    return slot == kFresh ? fresh : CellsOf(slot)[column];
}

std::uint32_t& CellRows::SlotFor(std::size_t row) {
    Page& page = pages_[row / kPageRows];
    if (!page) page = std::make_unique<std::uint32_t[]>(kPageRows);
    return page[row % kPageRows];
}

GridCell* CellRows::MakeRow(std::size_t row) {
    std::uint32_t& slot = SlotFor(row);
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

// Slots past the count are always fresh, so a page that comes back into use
// reads as fresh rows.
void CellRows::Resize(std::size_t rows) {
    for (std::size_t r = rows; r < count_; ++r) {
        const Page& page = pages_[r / kPageRows];
        if (!page) {
            r += kPageRows - 1 - r % kPageRows;  // on to the next page
            continue;
        }
        Release(page[r % kPageRows]);
        page[r % kPageRows] = kFresh;
    }
    pages_.resize(PagesFor(rows));
    count_ = rows;
}

// Every slot from `before` on moves up one place, the last of each page
// into the first of the next, from the last page down.
void CellRows::InsertRow(std::size_t before) {
    ++count_;
    pages_.resize(PagesFor(count_));
    const std::size_t firstPage = before / kPageRows;
    for (std::size_t p = pages_.size(); p-- > firstPage;) {
        Page& page = pages_[p];
        if (!page) continue;
        const std::size_t start = p == firstPage ? before % kPageRows : 0;
        if (page[kPageRows - 1] != kFresh) SlotFor((p + 1) * kPageRows) = page[kPageRows - 1];
        std::copy_backward(&page[start], &page[kPageRows - 1], &page[kPageRows]);
        page[start] = kFresh;
    }
}

// Every slot after `row` moves down one place, the first of each page into
// the last of the one before.
void CellRows::EraseRow(std::size_t row) {
    Release(SlotOf(row));
    const std::size_t firstPage = row / kPageRows;
    for (std::size_t p = firstPage; p < pages_.size(); ++p) {
        const std::uint32_t incoming = p + 1 < pages_.size() ? SlotOf((p + 1) * kPageRows) : kFresh;
        Page& page = pages_[p];
        if (page) {
            const std::size_t start = p == firstPage ? row % kPageRows : 0;
            std::copy(&page[start + 1], &page[kPageRows], &page[start]);
            page[kPageRows - 1] = incoming;
        } else if (incoming != kFresh) {
            SlotFor((p + 1) * kPageRows - 1) = incoming;
        }
    }
    --count_;
    pages_.resize(PagesFor(count_));
}

template <class ColumnMap>
void CellRows::Rebuild(std::size_t width, ColumnMap target) {
    CellRows rebuilt;
    rebuilt.width_ = width;
    rebuilt.Resize(count_);
    for (std::size_t r = 0; r < count_; ++r) {
        const Page& page = pages_[r / kPageRows];
        if (!page) {
            r += kPageRows - 1 - r % kPageRows;
            continue;
        }
        if (page[r % kPageRows] == kFresh || width == 0) continue;
        GridCell* from = CellsOf(page[r % kPageRows]);
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
    pages_.shrink_to_fit();
}

}  // namespace grid
