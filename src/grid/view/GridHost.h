#pragma once

#include <cstdint>
#include <string>

#include "grid/model/GridEvents.h"
#include "grid/model/GridInteraction.h"
#include "grid/model/GridRecords.h"
#include "os/types/GdiTypes.h"
#include "runtime/Variant.h"

namespace grid {

// What the grid's helpers (selection, keyboard, mouse, editing, scrolling)
// ask of the grid itself: the operations that keep the grid's bookkeeping,
// and the few settings the grid holds. The grid implements it; the helpers
// work on the view state and the model otherwise.
class GridHost {
public:
    virtual ~GridHost() = default;

    // The host's event handlers (handlers that do nothing without a host).
    virtual GridEvents& Events() const = 0;
    // Draws what is dirty now, or after the delay when the grid delays.
    virtual void RequestRepaint(bool resize) = 0;
    // Scrolls the cell into view (with force, its row to the top); true
    // when the view moved.
    virtual bool EnsureVisible(std::int32_t row, std::int32_t dataIndex, bool force) = 0;

    // Moves the view by the bars' small change or large change (page).
    virtual void ScrollByStep(bool vertical, std::int32_t direction, bool page) = 0;
    // The scroll bars moved the view to these offsets: repaint what changed.
    virtual void FollowScrollBars(std::int32_t horizontal, std::int32_t vertical) = 0;

    // The cell under a point in client pixels (row and data index -1 when
    // none); the last two arguments are not used.
    virtual void CellFromPoint(std::int32_t x, std::int32_t y, std::int32_t& row, std::int32_t& dataIndex,
                               std::int32_t fromCol, std::int32_t fromRow) const = 0;
    // The point (client pixels) lies on the cells: below the header, above
    // the end of the rows and left of the end of the columns.
    virtual bool OnCells(std::int32_t x, std::int32_t y) const = 0;
    // The height in pixels the scrolling rows have on screen.
    virtual std::int32_t ScrollingRowsHeight() const = 0;
    // A cell (row, data index) and its text as shown; a cell outside the
    // table raises the grid's error.
    virtual const GridCell& CellAt(std::int32_t row, std::int32_t dataIndex) const = 0;
    virtual std::string TextMatrix(std::int32_t row, std::int32_t dataIndex) const = 0;
    // The width in pixels the cell's text needs.
    virtual std::int32_t EvaluateTextWidth(std::int32_t row, std::int32_t dataIndex, bool forceNoModify) const = 0;
    // A cell's value, and a new one as the host would set it.
    virtual runtime::Variant CellText(std::int32_t row, std::int32_t dataIndex) const = 0;
    virtual void SetCellText(std::int32_t row, std::int32_t dataIndex, const runtime::Variant& value) = 0;
    // The cell's text formatted as shown, its effective drawing flags, its
    // background (OLE, -1 for the grid's) and the grid's background.
    virtual std::string CellFormattedText(std::int32_t row, std::int32_t dataIndex) const = 0;
    virtual std::int32_t EffectiveTextFlags(std::int32_t row, std::int32_t dataIndex) const = 0;
    virtual std::int32_t CellBackColor(std::int32_t row, std::int32_t dataIndex) const = 0;
    virtual std::int32_t BackColor() const = 0;
    // The cell's rectangle in client pixels, as the painter lays it out.
    virtual os::RECT CellRect(std::int32_t row, std::int32_t dataIndex) const = 0;
    // Stores an edited text as the cell's value with its shown text and
    // marks it for repainting; a failure leaves the cell as it was.
    virtual void StoreEditedText(std::int32_t row, std::int32_t dataIndex, const std::string& text) = 0;
    // Empties the cell as the host would.
    virtual void ClearCell(std::int32_t row, std::int32_t dataIndex) = 0;
    // The row the key search finds for the text, -1 when none.
    virtual std::int32_t FindSearchMatchRow(const std::string& text, bool loop, bool visibleRowsOnly) const = 0;
    // The grid's own tooltip.
    virtual std::string ToolTip() const = 0;

    // The in-place editor, when the grid has one.
    virtual GridCellEditor* CellEditor() const = 0;

    // The grid takes input at all.
    virtual bool Enabled() const = 0;
    // The fixed rows and columns at the top and left; no action reaches them.
    virtual std::int32_t FixedRows() const = 0;
    virtual std::int32_t FixedCols() const = 0;
    // The column the key search looks in (a data index); below 1 no search.
    virtual std::int32_t KeySearchColumn() const = 0;
    // More than one row (column, cell) may be selected.
    virtual bool MultiSelect() const = 0;
    // The display position of the first row-text column, -1 for none.
    virtual std::int32_t RowTextStartColumn() const = 0;
    // In pixels: what the header and the fixed columns take off the client
    // area, what the scroll bars range over, a new row's height.
    virtual std::int32_t HeaderHeightPixels() const = 0;
    virtual std::int32_t FixedWidth() const = 0;
    virtual std::int32_t ScrollableHeight() const = 0;
    virtual std::int32_t ScrollableWidth() const = 0;
    virtual std::int32_t DefaultRowHeightPixels() const = 0;
    // The host of a virtual grid still has rows to give.
    virtual bool ServingVirtualRows() const = 0;
};

}  // namespace grid
