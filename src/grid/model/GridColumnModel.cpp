#include "grid/model/GridColumnModel.h"

#include <algorithm>

namespace grid {

std::int32_t GridColumnModel::PositionOf(std::int32_t dataIndex) const {
    if (dataIndex >= 0 && dataIndex < static_cast<std::int32_t>(positions_.size()))
        return positions_[static_cast<std::size_t>(dataIndex)];
    for (std::int32_t p = 0; p < Count(); ++p)
        if (At(p).dataIndex == dataIndex) return p;
    return dataIndex;
}

std::int32_t GridColumnModel::PositionOfKey(const std::string& key) const {
    for (std::int32_t p = 0; p < Count(); ++p)
        if (At(p).key == key) return p;
    return -1;
}

bool GridColumnModel::Move(std::int32_t from, std::int32_t to) {
    if (from == to || from < 0 || from >= Count() || to < 0 || to >= Count()) return false;
    GridColumn moved = std::move(columns_[static_cast<std::size_t>(from)]);
    columns_.erase(columns_.begin() + from);
    columns_.insert(columns_.begin() + to, std::move(moved));
    RebuildPositions();
    // A listener may stop listening while told.
    const std::vector<ColumnMoveListener*> listeners = listeners_;
    for (ColumnMoveListener* listener : listeners) listener->ColumnMoved(from, to);
    return true;
}

std::int32_t GridColumnModel::PositionAfterMove(std::int32_t position, std::int32_t from, std::int32_t to) {
    if (position == from) return to;
    if (from < to && position > from && position <= to) return position - 1;
    if (to < from && position >= to && position < from) return position + 1;
    return position;
}

void GridColumnModel::RemoveListener(ColumnMoveListener* listener) { std::erase(listeners_, listener); }

GridColumn& GridColumnModel::Insert(std::int32_t position) {
    for (GridColumn& c : columns_)
        if (c.dataIndex >= position) ++c.dataIndex;
    GridColumn column;
    column.dataIndex = position;
    const auto inserted = columns_.insert(columns_.begin() + position, std::move(column));
    RebuildPositions();
    return *inserted;
}

GridColumn GridColumnModel::Remove(std::int32_t position) {
    GridColumn removed = std::move(columns_.at(static_cast<std::size_t>(position)));
    columns_.erase(columns_.begin() + position);
    for (GridColumn& c : columns_)
        if (c.dataIndex > removed.dataIndex) --c.dataIndex;
    RebuildPositions();
    return removed;
}

void GridColumnModel::Clear() {
    columns_.clear();
    positions_.clear();
}

void GridColumnModel::RebuildPositions() {
    positions_.assign(columns_.size(), 0);
    for (std::int32_t p = 0; p < Count(); ++p) {
        const std::int32_t d = At(p).dataIndex;
        if (d >= 0 && d < static_cast<std::int32_t>(positions_.size())) positions_[static_cast<std::size_t>(d)] = p;
    }
}

}  // namespace grid
