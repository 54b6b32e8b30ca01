#include <QPen>
#include <cstdlib>

#include "os/drawing/DrawRecording.h"
#include "os/painting/DrawTargets.h"
#include "os/drawing/Drawing.h"
#include "os/drawing/GdiObjects.h"
#include "os/types/QtConversions.h"

namespace os {

namespace {

// The pixels of a 1-pixel horizontal or vertical line from a up to, not
// including, b.
QRect AxisLine(QPoint a, QPoint b) {
    if (a.y() == b.y()) {
        const int left = a.x() < b.x() ? a.x() : b.x() + 1;
        return QRect(left, a.y(), std::abs(b.x() - a.x()), 1);
    }
    const int top = a.y() < b.y() ? a.y() : b.y() + 1;
    return QRect(a.x(), top, 1, std::abs(b.y() - a.y()));
}

// The last point before b on the way from a, so that b is left out.
QPoint PointBefore(QPoint a, QPoint b) {
    const int dx = b.x() - a.x();
    const int dy = b.y() - a.y();
    const int steps = std::max(std::abs(dx), std::abs(dy));
    if (steps <= 1) return a;
    const double back = (steps - 1.0) / steps;
    return QPoint(a.x() + static_cast<int>(std::lround(dx * back)), a.y() + static_cast<int>(std::lround(dy * back)));
}

Qt::PenStyle QtStyle(int style) {
    switch (style) {
    case PS_DASH: return Qt::DashLine;
    case PS_DOT: return Qt::DotLine;
    default: return Qt::SolidLine;
    }
}

void DrawLine(const DrawTarget& target, const PenData& pen, QPoint a, QPoint b) {
    QPainter& painter = PainterFor(target);
    if (pen.width == 1 && pen.style == PS_SOLID && (a.x() == b.x() || a.y() == b.y())) {
        const QRect pixels = AxisLine(a, b);
        painter.fillRect(pixels, pen.color);
        target.pixels.Touched(pixels);
        return;
    }
    const QPen qtPen(pen.color, pen.width == 1 ? 0 : pen.width, QtStyle(pen.style), Qt::RoundCap);
    painter.setPen(qtPen);
    painter.drawLine(a, pen.width == 1 ? PointBefore(a, b) : b);
    target.pixels.Touched(QRect(a, b).normalized().adjusted(-pen.width, -pen.width, pen.width, pen.width));
}

}  // namespace

bool MoveToEx(HDC dc, int x, int y, POINT* previous) {
    DeviceContext* context = DcTable::Find(dc);
    if (context == nullptr) return false;
    if (previous != nullptr) *previous = context->position;
    context->position = {x, y};
    return true;
}

bool LineTo(HDC dc, int x, int y) {
    DeviceContext* context = DcTable::Find(dc);
    if (context == nullptr) return false;
    const POINT from = std::exchange(context->position, POINT{x, y});
    if (!context->penData || context->penData->IsNull() || (from.x == x && from.y == y)) return true;
    const PenData pen = *context->penData;
    RecordDrawing("LineTo", dc, {std::min(from.x, x), std::min(from.y, y), std::max(from.x, x), std::max(from.y, y)},
                  ToCOLORREF(pen.color));
    return ForEachTarget(dc, [&](DeviceContext&, const DrawTarget& target) {
        DrawLine(target, pen, QPoint(from.x, from.y) + target.origin, QPoint(x, y) + target.origin);
    });
}

}  // namespace os
