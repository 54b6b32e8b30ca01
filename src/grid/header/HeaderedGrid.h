#pragma once

#include <cstdint>
#include <vector>

#include "grid/model/GridColumnModel.h"
#include "grid/model/GridEvents.h"

namespace grid {

// What the header binding asks of the grid beyond reading its parts: the
// columns to move and follow, the host's events, and the grid's own width
// changes. The grid implements it.
class HeaderedGrid {
public:
    virtual GridColumnModel& ColumnModel() = 0;
    virtual GridEvents& Events() const = 0;
    // A width change as the user makes it by the header: with its events,
    // and shared with the columns that resize automatically.
    virtual void ChangeColumnWidth(std::int32_t position, std::int32_t widthPixels) = 0;
    // The width (pixels) that shows the whole content of the column at a position.
    virtual std::int32_t FittingWidth(std::int32_t position) const = 0;
    // The visible columns other than the one at position that resize
    // themselves, by display position.
    virtual std::vector<std::int32_t> OtherAutoResizeColumns(std::int32_t position) const = 0;

protected:
    ~HeaderedGrid() = default;
};

}  // namespace grid
