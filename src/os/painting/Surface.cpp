#include "os/painting/Surface.h"

#include <QEvent>
#include <QPaintEvent>
#include <QResizeEvent>
#include <algorithm>

#include "os/windows/WindowRegistry.h"
#include "runtime/HandlerBoundary.h"

namespace os {

namespace {

std::vector<HWND>& SurfaceWindows() {
    static std::vector<HWND> windows;
    return windows;
}

// Serves the widget's Qt paints from the surface and keeps the surface the
// size of the widget.
class SurfaceEvents : public QObject {
public:
    SurfaceEvents(Surface& surface, QWidget& widget) : QObject(&widget), surface_(surface) {}

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Paint:
            runtime::RunHandler([&] { surface_.ServePaint(*static_cast<QPaintEvent*>(event)); });
            return true;
        case QEvent::Resize:
            runtime::RunHandler([&] { surface_.OnResize(static_cast<QResizeEvent*>(event)->size()); });
            return false;
        default: return false;
        }
    }

private:
    Surface& surface_;
};

}  // namespace

Surface::Surface(HWND window, QWidget& widget) : window_(window), widget_(&widget) {
    widget.setAttribute(Qt::WA_OpaquePaintEvent);
    pixels_ = std::make_shared<PixelBuffer>(widget.size(), widget.devicePixelRatioF(), Background());
    pixels_->ShowOn(&widget);
    auto* events = new SurfaceEvents(*this, widget);
    widget.installEventFilter(events);
    events_ = events;
    SurfaceWindows().push_back(window);
    Invalidate(QRegion(pixels_->Bounds()), true);
}

Surface::~Surface() {
    delete events_.data();
    std::erase(SurfaceWindows(), window_);
    CancelPaint(window_);
    pixels_->ShowOn(nullptr);
}

Surface* Surface::Of(HWND window) {
    WindowRecord* record = WindowRegistry::Find(window);
    return record == nullptr ? nullptr : dynamic_cast<Surface*>(record->surface.get());
}

std::vector<HWND> Surface::All() { return SurfaceWindows(); }

QColor Surface::Background() const {
    return widget_.isNull() ? QColor(Qt::white) : widget_->palette().color(widget_->backgroundRole());
}

void Surface::Invalidate(const QRegion& area, bool erase) {
    const QRegion added = area & QRegion(pixels_->Bounds());
    if (added.isEmpty()) return;
    update_ |= added;
    erase_ = erase_ || erase;
    SchedulePaint(window_);
}

void Surface::Validate(const QRegion& area) {
    update_ -= area;
    if (update_.isEmpty()) erase_ = false;
}

QRegion Surface::BeginPaint(bool* erased) {
    QRegion painted;
    std::swap(painted, update_);
    if (erased != nullptr) *erased = erase_;
    if (erase_ && !painted.isEmpty()) {
        QPainter& painter = pixels_->Painter();
        painter.setClipping(false);
        pixels_->appliedClip = 0;
        const QColor background = Background();
        for (const QRect& rect : painted) painter.fillRect(rect, background);
        pixels_->Touched(painted.boundingRect());
    }
    erase_ = false;
    return painted;
}

void Surface::OnResize(QSize size) {
    const QRegion before(pixels_->Bounds());
    pixels_->Resize(size, Background());
    update_ &= QRegion(pixels_->Bounds());
    Invalidate(QRegion(pixels_->Bounds()) - before, false);
}

void Surface::MatchRatio() {
    if (widget_.isNull() || widget_->devicePixelRatioF() == pixels_->Ratio()) return;
    pixels_->Rebuild(pixels_->Size(), widget_->devicePixelRatioF(), Background());
    Invalidate(QRegion(pixels_->Bounds()), true);
}

void Surface::ServePaint(const QPaintEvent& event) {
    MatchRatio();
    QPainter painter(widget_.data());
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QImage& image = pixels_->Image();
    for (const QRect& rect : event.region()) {
        const QRect visible = rect & pixels_->Bounds();
        if (!visible.isEmpty()) painter.drawImage(QRectF(visible), image, QRectF(pixels_->PhysicalRect(visible)));
    }
}

}  // namespace os
