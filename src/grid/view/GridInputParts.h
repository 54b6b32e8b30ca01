#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "grid/model/CellRows.h"
#include "grid/model/GridCanvas.h"
#include "grid/model/GridColumnModel.h"
#include "grid/model/GridSettings.h"
#include "grid/model/RowStore.h"
#include "grid/view/GridHost.h"
#include "grid/view/GridViewState.h"

namespace grid {

// The parts of a grid its input helpers (selection, keyboard, mouse,
// editing, scrolling) work on, filled once by the grid: the view state, the
// columns, rows and cells (whose dirty and selected marks they set), the
// settings, the canvas, and the grid itself for what only it may do.
struct GridInputParts {
    GridViewState& view;
    const GridColumnModel& columns;
    RowStore& rows;
    CellRows& cells;
    const GridSettings& settings;
    GridCanvas& canvas;
    GridHost& host;

    std::int32_t Rows() const { return rows.Count(); }
    std::int32_t Cols() const { return columns.Count(); }
    bool FocusInside() const { return view.FocusInside(Rows(), Cols()); }
    // The row as laid out; a row outside the table throws std::out_of_range.
    GridRow RowAt(std::int32_t row) const {
        if (row < 0 || row >= Rows()) throw std::out_of_range("row " + std::to_string(row));
        return rows.At(row);
    }
    // A fresh row's cells wait to be drawn already.
    void SetCellDirty(std::int32_t row, std::int32_t dataIndex) const {
        if (cells.Stored(static_cast<std::size_t>(row))) cells.Row(static_cast<std::size_t>(row))[dataIndex].dirty = true;
    }
};

}  // namespace grid
