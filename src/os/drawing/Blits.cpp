#include "os/drawing/DrawRecording.h"
#include "os/painting/DrawTargets.h"
#include "os/drawing/Drawing.h"
#include "os/types/QtConversions.h"
#include "os/drawing/RasterOps.h"
#include "os/drawing/Regions.h"
#include "os/drawing/RegionsQt.h"

namespace os {

namespace {

struct BlitSource {
    const PixelBuffer& pixels;
    QRect rect;  // logical
};

QRgb PatternOf(const DeviceContext& context) {
    return context.brushData && !context.brushData->hollow ? context.brushData->color.rgb() : qRgb(0, 0, 0);
}

// Source pixels scaled to the destination's physical rectangle, or used in
// place when no copy is needed.
RasterSource AlignedSource(const BlitSource& source, const PixelBuffer& destination, const QRect& placed,
                           QImage& scratch) {
    const QRect from = source.pixels.PhysicalRect(source.rect);
    const QRect to = destination.PhysicalRect(placed);
    if (&source.pixels != &destination && from.size() == to.size()) {
        return {&source.pixels.Image(), to.topLeft() - from.topLeft()};
    }
    scratch = source.pixels.Image().copy(from);
    if (scratch.size() != to.size()) scratch = scratch.scaled(to.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return {&scratch, to.topLeft()};
}

void CopyPixels(const DrawTarget& target, const BlitSource& source, const QRect& placed, bool smooth) {
    QPainter& painter = PainterFor(target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    const QRect from = source.pixels.PhysicalRect(source.rect);
    if (&source.pixels == &target.pixels) {
        const QImage copy = source.pixels.Image().copy(from);
        painter.drawImage(QRectF(placed), copy);
    } else {
        painter.drawImage(QRectF(placed), source.pixels.Image(), QRectF(from));
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

bool Blit(HDC destination, const QRect& rect, HDC sourceDc, const QRect& sourceRect, DWORD rop, const char* name) {
    const DeviceContext* source = DcTable::Find(sourceDc);
    const DeviceContext* target = DcTable::Find(destination);
    if (target == nullptr) return false;
    if (!UsesSource(rop)) return PatBlt(destination, rect.x(), rect.y(), rect.width(), rect.height(), rop);
    if (source == nullptr || !source->target || rect.isEmpty() || sourceRect.isEmpty()) return false;
    RecordDrawing(name, destination, ToRECT(rect));
    const BlitSource from{*source->target, sourceRect};
    const bool smooth = target->stretchMode == 4;
    const QRgb pattern = PatternOf(*target);
    return ForEachTarget(destination, [&](DeviceContext&, const DrawTarget& drawn) {
        const QRect placed = rect.translated(drawn.origin);
        if (IsSourceCopy(rop)) {
            CopyPixels(drawn, from, placed, smooth);
        } else {
            QImage scratch;
            const RasterSource aligned = AlignedSource(from, drawn.pixels, placed, scratch);
            CombinePixels(drawn.pixels, DrawableArea(drawn, placed), aligned, pattern, rop);
        }
        drawn.pixels.Touched(placed);
    });
}

void ReportUncovered(const QRegion& uncovered, HRGN update, RECT* updateRect) {
    if (QRegion* region = RegionOf(update)) *region = uncovered;
    if (updateRect != nullptr) *updateRect = uncovered.isEmpty() ? RECT{} : ToRECT(uncovered.boundingRect());
}

}  // namespace

bool BitBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop) {
    return Blit(destination, QRect(x, y, width, height), source, QRect(sourceX, sourceY, width, height), rop,
                "BitBlt");
}

bool StretchBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, DWORD rop) {
    return Blit(destination, QRect(x, y, width, height).normalized(), source,
                QRect(sourceX, sourceY, sourceWidth, sourceHeight).normalized(), rop, "StretchBlt");
}

bool ScrollDC(HDC dc, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update, RECT* updateRect) {
    DeviceContext* context = DcTable::Find(dc);
    if (context == nullptr || !context->target || context->kind == DcKind::Screen) return false;
    PixelBuffer& pixels = *context->target;
    const QRect bounds = pixels.Bounds();
    const QRect limit = clip != nullptr ? ToQRect(*clip) & bounds : bounds;
    const QRect moved = (scroll != nullptr ? ToQRect(*scroll) : bounds) & limit;
    RecordDrawing("ScrollDC", dc, ToRECT(moved));
    const QRect landed = moved.translated(dx, dy) & limit;
    ReportUncovered(QRegion(moved) - QRegion(landed), update, updateRect);
    if (landed.isEmpty()) return true;
    const QImage copy = pixels.Image().copy(pixels.PhysicalRect(landed.translated(-dx, -dy)));
    const DrawTarget target{pixels, QPoint(0, 0), context->clip ? &*context->clip : nullptr, context->clipSerial,
                            context->window};
    QPainter& painter = PainterFor(target);
    painter.setClipRegion(DrawableArea(target, landed));
    ForgetClip(target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRectF(landed), copy);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    pixels.Touched(landed);
    return true;
}

}  // namespace os
