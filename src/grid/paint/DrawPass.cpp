#include "grid/paint/DrawPass.h"

#include "os/drawing/GdiObjects.h"

namespace grid {

DrawPass::~DrawPass() {
    if (gridPen) os::DeleteObject(gridPen);
    if (fixedPen) os::DeleteObject(fixedPen);
    for (os::HFONT font : fonts)
        if (font) os::DeleteObject(font);
}

}  // namespace grid
