#pragma once

#include <cstdint>
#include <vector>

#include "os/types/GdiTypes.h"

namespace grid {

// The drawing objects of one draw pass: made at its start, released at its
// end, whatever happens in between.
class DrawPass {
public:
    DrawPass() = default;
    ~DrawPass();
    DrawPass(const DrawPass&) = delete;
    DrawPass& operator=(const DrawPass&) = delete;

    os::HPEN gridPen = 0;
    os::HPEN fixedPen = 0;
    std::vector<os::HFONT> fonts;  // by font-table index; 0 is the grid's font
    os::COLORREF textColour = 0;
    os::COLORREF foreFixed = 0;
    os::COLORREF backSel = 0;
    os::COLORREF foreSel = 0;
    os::COLORREF backFixed = 0;
};

}  // namespace grid
