#include "os/painting/DrawTargets.h"

#include <QWidget>

#include "os/painting/Surface.h"

namespace os {

QPainter& PainterFor(const DrawTarget& target) {
    QPainter& painter = target.pixels.Painter();
    if (target.clipSerial == 0 || target.clipSerial != target.pixels.appliedClip) {
        if (target.clip != nullptr) {
            painter.setClipRegion(*target.clip);
        } else {
            painter.setClipping(false);
        }
        target.pixels.appliedClip = target.clipSerial;
    }
    return painter;
}

void ForgetClip(const DrawTarget& target) { target.pixels.appliedClip = 0; }

QRegion DrawableArea(const DrawTarget& target, const QRect& rect) {
    QRegion area = QRegion(rect & target.pixels.Bounds());
    if (target.clip != nullptr) area &= *target.clip;
    return area;
}

std::vector<ScreenTarget> ScreenTargets(const DeviceContext& context) {
    std::vector<ScreenTarget> targets;
    for (HWND window : Surface::All()) {
        const Surface* surface = Surface::Of(window);
        const QWidget* widget = surface == nullptr ? nullptr : surface->Widget();
        if (widget == nullptr || !widget->isVisible()) continue;
        const QPoint origin = -widget->mapToGlobal(QPoint(0, 0));
        QRegion clip(surface->Pixels()->Bounds());
        if (context.clip) clip &= context.clip->translated(origin);
        targets.push_back({surface->Pixels(), origin, clip, window});
    }
    return targets;
}

}  // namespace os
