#pragma once

#include <cstdint>
#include <string>

#include "grid/model/GridAppearance.h"
#include "grid/model/GridCanvas.h"
#include "grid/model/GridColumnModel.h"
#include "grid/model/GridRecords.h"
#include "grid/model/GridSettings.h"
#include "grid/model/RowStore.h"
#include "grid/view/GridViewState.h"

namespace grid {

// What the grid's layout and drawing read of the table that only the grid
// itself can answer; the grid implements it.
class GridSheet {
public:
    // The row as laid out; a row outside the table throws std::out_of_range.
    virtual GridRow RowAt(std::int32_t row) const = 0;
    virtual const GridCell& CellAt(std::int32_t row, std::int32_t dataIndex) const = 0;
    // The text a cell shows, as the table gives it.
    virtual std::string DisplayedText(std::int32_t row, std::int32_t dataIndex) const = 0;
    // The fore colour the table gives a cell, -1 for the grid's.
    virtual std::int32_t ShownForeColour(std::int32_t row, std::int32_t dataIndex) const = 0;
    // The cell's effective drawing flags.
    virtual std::int32_t EffectiveTextFlags(std::int32_t row, std::int32_t dataIndex) const = 0;
    virtual std::int32_t FixedRows() const = 0;
    virtual std::int32_t FixedWidth() const = 0;  // pixels
    virtual std::int32_t RowTextStartColumn() const = 0;
    virtual bool Enabled() const = 0;

protected:
    ~GridSheet() = default;
};

// The parts of a grid that its layout, painting and header helpers work
// on, in place of the whole grid. The grid fills it once; the references
// live as long as the grid.
struct GridParts {
    const GridColumnModel& columns;
    const RowStore& rows;
    const GridSettings& settings;
    const GridAppearance& look;
    GridViewState& view;
    GridCanvas& canvas;
    const GridSheet& sheet;
};

}  // namespace grid
