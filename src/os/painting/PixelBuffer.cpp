#include "os/painting/PixelBuffer.h"

#include <QCoreApplication>
#include <cmath>

namespace os {

namespace {

int Physical(int logical, qreal ratio) { return static_cast<int>(std::floor(logical * ratio + 1e-9)); }

}  // namespace

PixelBuffer::PixelBuffer(QSize logicalSize, qreal ratio, QColor fill, QImage::Format format) : format_(format) {
    MakeImage(logicalSize, ratio, fill);
}

PixelBuffer::~PixelBuffer() { EndPainting(); }

void PixelBuffer::MakeImage(QSize logicalSize, qreal ratio, QColor fill) {
    EndPainting();
    size_ = logicalSize.expandedTo(QSize(0, 0));
    ratio_ = ratio > 0 ? ratio : 1.0;
    const QSize physical(std::max(1, Physical(size_.width(), ratio_)), std::max(1, Physical(size_.height(), ratio_)));
    image_ = QImage(physical, format_);
    image_.fill(fill);
}

QRect PixelBuffer::PhysicalRect(const QRect& logical) const {
    if (ratio_ == 1.0) return logical;
    const int left = Physical(logical.left(), ratio_);
    const int top = Physical(logical.top(), ratio_);
    return QRect(left, top, Physical(logical.left() + logical.width(), ratio_) - left,
                 Physical(logical.top() + logical.height(), ratio_) - top);
}

QPainter& PixelBuffer::Painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        if (ratio_ != 1.0) painter_->scale(ratio_, ratio_);
        appliedClip = 0;
        appliedFont = nullptr;
    }
    return *painter_;
}

void PixelBuffer::EndPainting() {
    if (painter_) painter_->end();
    painter_.reset();
}

void PixelBuffer::Resize(QSize logicalSize, QColor fill) {
    if (logicalSize == size_) return;
    EndPainting();
    const QImage old = image_;
    const QSize oldSize = size_;
    MakeImage(logicalSize, ratio_, fill);
    QPainter copier(&image_);
    copier.setCompositionMode(QPainter::CompositionMode_Source);
    copier.drawImage(QPoint(0, 0), old, QRect(QPoint(0, 0), PhysicalRect(QRect(QPoint(0, 0), oldSize)).size()));
}

void PixelBuffer::Rebuild(QSize logicalSize, qreal ratio, QColor fill) { MakeImage(logicalSize, ratio, fill); }

void PixelBuffer::Touched(const QRect& logical) {
    if (screen_.isNull() || logical.isEmpty()) return;
    pendingScreen_ |= logical;
    QueueFlush();
}

void PixelBuffer::QueueFlush() {
    if (flushQueued_ || QCoreApplication::instance() == nullptr) return;
    flushQueued_ = true;
    std::weak_ptr<PixelBuffer> self = weak_from_this();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [self] {
            if (auto buffer = self.lock()) buffer->FlushToScreen();
        },
        Qt::QueuedConnection);
}

void PixelBuffer::FlushToScreen() {
    flushQueued_ = false;
    if (!screen_.isNull() && !pendingScreen_.isEmpty()) screen_->update(pendingScreen_);
    pendingScreen_ = QRect();
}

}  // namespace os
