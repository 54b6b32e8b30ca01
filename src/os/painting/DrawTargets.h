#pragma once

#include <QPainter>
#include <QRegion>
#include <memory>
#include <vector>

#include "os/drawing/DcTable.h"

namespace os {

// One set of pixels a drawing call lands on. Positions in the context's
// coordinates are moved by origin to reach the pixels.
struct DrawTarget {
    PixelBuffer& pixels;
    QPoint origin;
    const QRegion* clip;       // in the pixels' coordinates; nullptr: none
    std::uint64_t clipSerial;  // 0: unknown, set it every time
    HWND window;
};

// The painter of the target, clipped as the context says.
QPainter& PainterFor(const DrawTarget& target);
// Forgets the clip the painter was given, after a call clipped it further.
void ForgetClip(const DrawTarget& target);
// The part of a rectangle (in the target's coordinates) that may be drawn.
QRegion DrawableArea(const DrawTarget& target, const QRect& rect);

// The screen context draws on every visible program-drawn window.
struct ScreenTarget {
    std::shared_ptr<PixelBuffer> pixels;
    QPoint origin;
    QRegion clip;
    HWND window;
};
std::vector<ScreenTarget> ScreenTargets(const DeviceContext& context);

// Runs draw(context, target) for each target of the context; false when the
// handle is not a device context.
template <class Draw>
bool ForEachTarget(HDC dc, Draw&& draw) {
    DeviceContext* context = DcTable::Find(dc);
    if (context == nullptr) return false;
    if (context->kind != DcKind::Screen) {
        if (!context->target) return false;
        const QRegion* clip = context->clip ? &*context->clip : nullptr;
        draw(*context, DrawTarget{*context->target, QPoint(0, 0), clip, context->clipSerial, context->window});
        return true;
    }
    for (ScreenTarget& screen : ScreenTargets(*context)) {
        draw(*context, DrawTarget{*screen.pixels, screen.origin, &screen.clip, 0, screen.window});
    }
    return true;
}

}  // namespace os
