#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "grid/model/GridRecords.h"
#include "grid/model/RowExtrasPool.h"

namespace grid {

// The grid's rows as a count plus the rows that differ from the rest. A
// row is uniform while it has the shared height, is visible, not fixed and
// has no extras; only the other rows are kept, in row order, each with the
// sums of those before it, so that a row's top edge is computed instead of
// stored. Repaint marks take one bit a row. A grid over millions of uniform
// rows (a host's table) thus keeps nothing per row but that bit.
class RowStore {
public:
    std::int32_t Count() const { return count_; }
    // The row with its top edge among the rows of its kind and its repaint mark.
    GridRow At(std::int32_t row) const;
    RowShape Shape(std::int32_t row) const;
    // Gives the row a new height, visibility or fixedness. The later rows
    // whose top edge moves are marked for repainting: true when there were any.
    bool SetShape(std::int32_t row, const RowShape& shape);

    // The row's key, bookmark and tag; writing gives the row an entry.
    const RowExtras& Extras(std::int32_t row) const { return extras_.Of(Shape(row)); }
    bool HasExtras(std::int32_t row) const { return Shape(row).extras != 0; }
    RowExtras& MutableExtras(std::int32_t row);

    bool Dirty(std::int32_t row) const { return dirty_[static_cast<std::size_t>(row)]; }
    void SetDirty(std::int32_t row, bool dirty) { dirty_[static_cast<std::size_t>(row)] = dirty; }

    // The heights of the visible fixed rows.
    std::int32_t FixedHeight() const;
    // The heights of the visible other rows, 0 when the last row is fixed.
    std::int32_t ScrollingHeight() const;

    // New rows are marked for repainting. Rows that move, or whose top edge
    // may, are marked too.
    void Append(const RowShape& shape, std::int32_t rows = 1);
    void Insert(std::int32_t before, const RowShape& shape);
    void Erase(std::int32_t row);
    // Rows from `count` on go, with their extras.
    void Truncate(std::int32_t count);
    // Every row takes the height and is marked for repainting.
    void SetAllHeights(std::int32_t height);
    // The rows before `rows` become fixed, the others not; every row is
    // marked for repainting when any changed.
    void SetFixedRows(std::int32_t rows);
    void Reserve(std::int32_t rows) { dirty_.reserve(static_cast<std::size_t>(rows)); }
    void Clear() { *this = RowStore(); }
    void ShrinkToFit();

private:
    struct Exception {
        std::int32_t row;
        RowShape shape;
        // Over the exceptions before this one: what they add to the scrolling
        // rows' heights beyond uniform rows, and the heights of the fixed ones.
        std::int64_t roomBefore = 0;
        std::int64_t fixedBefore = 0;
    };

    bool Uniform(const RowShape& shape) const;
    RowShape UniformShape() const { return RowShape{height_}; }
    // What a row adds to the scrolling rows' heights beyond a uniform row.
    std::int64_t ExtraRoom(const RowShape& shape) const;
    static std::int32_t FixedRoom(const RowShape& shape) { return shape.visible && shape.fixed ? shape.height : 0; }
    // The first exception at or after the row.
    std::size_t Find(std::int32_t row) const;
    std::int64_t RoomBefore(std::size_t exception) const;
    std::int64_t FixedBefore(std::size_t exception) const;
    // Stores the shape of the row at exception index `at`, keeping or
    // dropping the exception; the sums are brought up to date from there.
    void Store(std::size_t at, std::int32_t row, const RowShape& shape);
    void Resum(std::size_t from);
    // Marks the rows after `row` of one kind for repainting: true when there were any.
    bool MarkScrollingRowsAfter(std::int32_t row);
    bool MarkFixedRowsAfter(std::int32_t row);
    void MarkFrom(std::int32_t row);

    std::int32_t count_ = 0;
    std::int32_t height_ = 16;  // the uniform rows' height
    std::vector<Exception> exceptions_;
    std::int64_t roomTotal_ = 0;
    std::int64_t fixedTotal_ = 0;
    RowExtrasPool extras_;
    std::vector<bool> dirty_;
};

}  // namespace grid
