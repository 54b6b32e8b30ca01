#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "grid/model/GridRecords.h"

namespace grid {

// Told of every column move.
class ColumnMoveListener {
public:
    virtual ~ColumnMoveListener() = default;
    // The column that stood at position `from` stands at `to`; the columns
    // between moved one place towards `from`.
    virtual void ColumnMoved(std::int32_t from, std::int32_t to) = 0;
};

// The grid's columns in display order. A column number in the grid's code
// is one of two kinds, and its name says which:
// - a data index (`dataIndex`): where the column's cells are; given when
//   the column is made and kept while it moves;
// - a position (`position`): the column's place from the left among all
//   columns, hidden ones included (they keep their place).
// Move is the one way to change a column's position; the grid adds and
// removes columns, together with their cells.
class GridColumnModel {
public:
    std::int32_t Count() const { return static_cast<std::int32_t>(columns_.size()); }
    bool Empty() const { return columns_.empty(); }
    const GridColumn& At(std::int32_t position) const { return columns_.at(static_cast<std::size_t>(position)); }
    GridColumn& At(std::int32_t position) { return columns_.at(static_cast<std::size_t>(position)); }
    const std::vector<GridColumn>& Table() const { return columns_; }
    std::vector<GridColumn>::iterator begin() { return columns_.begin(); }
    std::vector<GridColumn>::iterator end() { return columns_.end(); }
    std::vector<GridColumn>::const_iterator begin() const { return columns_.begin(); }
    std::vector<GridColumn>::const_iterator end() const { return columns_.end(); }

    // The position of the column with the data index; an index that no
    // column has is taken as a position.
    std::int32_t PositionOf(std::int32_t dataIndex) const;
    // The position of the first column with the key, -1 when none has it.
    std::int32_t PositionOfKey(const std::string& key) const;

    // Moves the column at `from` to `to` and tells the listeners; false,
    // and nothing told, when either is no position or they are the same.
    bool Move(std::int32_t from, std::int32_t to);
    // Where the column at `position` stands after a move from `from` to `to`.
    static std::int32_t PositionAfterMove(std::int32_t position, std::int32_t from, std::int32_t to);

    void AddListener(ColumnMoveListener* listener) { listeners_.push_back(listener); }
    void RemoveListener(ColumnMoveListener* listener);

private:
    friend class VbGrid;  // which keeps the cells in step with these

    // A new column at `position` (0 to Count()) takes that position as its
    // data index; the data indices from it on grow by one.
    GridColumn& Insert(std::int32_t position);
    // Takes the column out; the data indices above its own shrink by one.
    GridColumn Remove(std::int32_t position);
    void Clear();
    void RebuildPositions();

    std::vector<GridColumn> columns_;
    std::vector<std::int32_t> positions_;  // by data index
    std::vector<ColumnMoveListener*> listeners_;
};

}  // namespace grid
