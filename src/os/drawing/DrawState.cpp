#include "os/drawing/DrawState.h"

#include "os/painting/PictureDrawing.h"

namespace os {

bool DrawState(HDC dc, HBRUSH /*brush*/, std::intptr_t data, std::uintptr_t /*extra*/, int x, int y, int cx, int cy,
               UINT flags) {
    const UINT kind = flags & 0xF;
    if (kind != DST_ICON && kind != DST_BITMAP) return false;
    QImage picture = PictureOf(data);
    if (picture.isNull()) return false;
    if ((flags & DSS_DISABLED) != 0) picture = Disabled(picture);
    const QRect rect(x, y, cx > 0 ? cx : picture.width(), cy > 0 ? cy : picture.height());
    return DrawPicture(dc, picture, rect, "DrawState");
}

}  // namespace os
