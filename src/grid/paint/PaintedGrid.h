#pragma once

#include <cstdint>

namespace grid {

// What the renderer asks of the grid it paints beyond reading its parts:
// the grid's own operations around a draw pass. The grid implements it.
class PaintedGrid {
public:
    virtual bool Redraw() const = 0;
    virtual bool Loading() const = 0;
    // The height (pixels) the off-screen row buffer is made for.
    virtual std::int32_t BufferRowHeight() const = 0;
    // Brings the scroll bars up to date; true when a bar came or went.
    virtual bool UpdateScrollBars() = 0;
    // Places the header over the client area again.
    virtual void LayoutHeader() = 0;
    // Widens (or narrows) the columns that resize themselves to fill the width.
    virtual void FitAutoResizeColumns(std::int32_t dataWidth) = 0;
    // Rows are asked of the host while drawing, until it has no more.
    virtual bool ServingVirtualRows() const = 0;
    // True when the host added rows.
    virtual bool RequestVirtualRows() = 0;
    // A draw pass, now or after the delay.
    virtual void RequestRepaint(bool resize) = 0;

    // The repaint marks of cells and rows.
    virtual void SetCellDirty(std::int32_t row, std::int32_t dataIndex) = 0;
    virtual void SetRowDirty(std::int32_t row) = 0;
    virtual void ClearCellDirty(std::int32_t row, std::int32_t dataIndex) = 0;
    virtual void ClearRowDirty(std::int32_t row) = 0;

protected:
    ~PaintedGrid() = default;
};

}  // namespace grid
