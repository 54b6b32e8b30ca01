#pragma once

#include <cstdint>

#include "grid/paint/DrawPass.h"
#include "grid/view/GridParts.h"
#include "os/types/GdiTypes.h"

namespace grid {

// Draws one cell of the grid into a device context: background, grid
// lines, focus rectangle, icons, picture and text.
class CellPainter {
public:
    CellPainter(const GridParts& parts, const DrawPass& pass, os::HDC dc) : parts_(parts), pass_(pass), dc_(dc) {}

    // `rect` is where the cell lies in the context. Returns true when the
    // cell must stay dirty (it carries the focus rectangle).
    bool Paint(std::int32_t row, std::int32_t position, const os::RECT& rect);

private:
    struct Look {
        bool fixed = false;
        bool selectedLook = false;
        os::COLORREF text = 0;
    };
    Look Background(std::int32_t row, std::int32_t position, const os::RECT& rect, bool focus);
    void GridLines(bool fixed, const os::RECT& rect);
    void Icon(std::int32_t index, bool atRight, bool selected, os::RECT& textRect);
    void Picture(std::int32_t row, std::int32_t dataIndex, os::RECT& textRect);
    void Fill(const os::RECT& rect, os::COLORREF colour);

    const GridParts& parts_;
    const DrawPass& pass_;
    os::HDC dc_;
};

}  // namespace grid
