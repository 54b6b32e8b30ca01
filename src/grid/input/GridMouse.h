#pragma once

#include <cstdint>

#include "grid/view/GridInputParts.h"
#include "os/types/GdiTypes.h"

namespace grid {

// The grid under the mouse: a press moves the focus cell and selects, a
// Shift press selects a block, a press on the focus cell or a double click
// acts on it, dragging with the left button toggles the cells entered, the
// pointer's cell gives the tooltip, a release inside the cells is a click.
// Positions arrive in twips of the grid's window.
class GridMouse {
public:
    explicit GridMouse(const GridInputParts& parts) : parts_(parts), host_(parts.host), view_(parts.view) {}

    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y);
    void DblClick();

private:
    struct Hit {
        std::int32_t row = -1;
        std::int32_t col = -1;  // data index
        bool Inside() const { return row >= 0 && col >= 0; }
    };
    Hit HitTest(float x, float y) const;
    os::POINT Pixels(float x, float y) const;
    // False when the press ended there (an action on the focus cell, a block).
    bool PressOnCell(const Hit& hit, std::int16_t shift);
    void SelectBlock(const Hit& hit);
    void SelectByClick(const Hit& hit, std::int16_t shift);
    void ShowToolTip(const Hit& hit);
    void DragSelect(float x, float y);

    GridInputParts parts_;
    GridHost& host_;
    GridViewState& view_;
};

}  // namespace grid
