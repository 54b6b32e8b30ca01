#include "os/painting/PictureDrawing.h"

#include "os/drawing/Colors.h"
#include "os/drawing/DrawRecording.h"
#include "os/painting/DrawTargets.h"
#include "os/types/QtConversions.h"

namespace os {

namespace {

// Dark, opaque pixels form the shape a disabled picture shows.
QImage ShapeIn(const QImage& picture, const QColor& color) {
    QImage shape(picture.size(), QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    const QRgb ink = color.rgb();
    for (int y = 0; y < picture.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        auto* target = reinterpret_cast<QRgb*>(shape.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = source[x];
            if (qAlpha(pixel) >= 128 && qGray(pixel) < 192) target[x] = ink;
        }
    }
    return shape;
}

}  // namespace

bool DrawPicture(HDC dc, const QImage& picture, const QRect& rect, const char* operation) {
    if (picture.isNull() || DcTable::Find(dc) == nullptr) return false;
    RecordDrawing(operation, dc, ToRECT(rect));
    return ForEachTarget(dc, [&](DeviceContext&, const DrawTarget& target) {
        const QRect placed = rect.translated(target.origin);
        PainterFor(target).drawImage(QRectF(placed), picture);
        target.pixels.Touched(placed);
    });
}

QImage PictureOf(HGDIOBJ object) {
    if (const auto icon = GdiTable::Get<IconData>(object)) return icon->image;
    if (const auto bitmap = GdiTable::Get<BitmapData>(object)) return bitmap->pixels->Image();
    return QImage();
}

QImage Blended(const QImage& picture, const QColor& color, qreal amount) {
    QImage blended = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&blended);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.setOpacity(amount);
    painter.fillRect(blended.rect(), color);
    return blended;
}

QImage Disabled(const QImage& picture) {
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    QImage result(source.width() + 1, source.height() + 1, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.drawImage(QPoint(1, 1), ShapeIn(source, ToQColor(GetSysColor(COLOR_BTNHIGHLIGHT))));
    painter.drawImage(QPoint(0, 0), ShapeIn(source, ToQColor(GetSysColor(COLOR_BTNSHADOW))));
    return result.copy(0, 0, source.width(), source.height());
}

}  // namespace os
