#include "grid/model/RowExtrasPool.h"

namespace grid {

const RowExtras& RowExtrasPool::Of(const RowShape& row) const {
    static const RowExtras none;
    return row.extras == 0 ? none : entries_[row.extras - 1];
}

RowExtras& RowExtrasPool::For(RowShape& row) {
    if (row.extras == 0) {
        if (!free_.empty()) {
            row.extras = free_.back();
            free_.pop_back();
        } else {
            entries_.emplace_back();
            row.extras = static_cast<std::uint32_t>(entries_.size());
        }
    }
    return entries_[row.extras - 1];
}

void RowExtrasPool::Release(RowShape& row) {
    if (row.extras == 0) return;
    entries_[row.extras - 1] = RowExtras();
    free_.push_back(row.extras);
    row.extras = 0;
}

void RowExtrasPool::Clear() {
    entries_ = {};
    free_ = {};
}

}  // namespace grid
