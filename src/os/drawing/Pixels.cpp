#include "os/drawing/DrawRecording.h"
#include "os/painting/DrawTargets.h"
#include "os/drawing/Drawing.h"
#include "os/types/QtConversions.h"

namespace os {

COLORREF GetPixel(HDC dc, int x, int y) {
    COLORREF color = CLR_INVALID;
    ForEachTarget(dc, [&](DeviceContext&, const DrawTarget& target) {
        const QPoint point = QPoint(x, y) + target.origin;
        if (!DrawableArea(target, QRect(point, QSize(1, 1))).isEmpty()) {
            color = ToCOLORREF(target.pixels.Image().pixel(target.pixels.PhysicalRect(QRect(point, QSize(1, 1))).topLeft()));
        }
    });
    return color;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
    if (DcTable::Find(dc) == nullptr) return CLR_INVALID;
    RecordDrawing("SetPixel", dc, {x, y, x + 1, y + 1}, color);
    ForEachTarget(dc, [&](DeviceContext&, const DrawTarget& target) {
        const QRect pixel(QPoint(x, y) + target.origin, QSize(1, 1));
        PainterFor(target).fillRect(pixel, ToQColor(color));
        target.pixels.Touched(pixel);
    });
    return color & 0xFFFFFF;
}

}  // namespace os
