#pragma once

#include <cstdint>
#include <vector>

#include "grid/model/GridRecords.h"

namespace grid {

// The extras of the few rows that have any (key, bookmark, tag), so that a
// row itself holds only the number of its entry.
class RowExtrasPool {
public:
    // The row's extras, or the defaults when it has none.
    const RowExtras& Of(const RowShape& row) const;
    // Gives the row an entry on first use.
    RowExtras& For(RowShape& row);
    // The row goes away: its entry is free for another.
    void Release(RowShape& row);
    void Clear();

private:
    std::vector<RowExtras> entries_;
    std::vector<std::uint32_t> free_;
};

}  // namespace grid
