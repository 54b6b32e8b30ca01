#pragma once

#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <memory>

namespace os {

// Pixels that device contexts draw into: a window's surface or an
// off-screen bitmap. Coordinates are logical pixels; the image holds
// ratio x ratio physical pixels for each, so drawing stays crisp on
// high-density screens. The painter stays open between drawing calls,
// since opening one costs more than most of the calls themselves.
class PixelBuffer : public std::enable_shared_from_this<PixelBuffer> {
public:
    PixelBuffer(QSize logicalSize, qreal ratio, QColor fill, QImage::Format format = QImage::Format_RGB32);
    ~PixelBuffer();
    PixelBuffer(const PixelBuffer&) = delete;
    PixelBuffer& operator=(const PixelBuffer&) = delete;

    QSize Size() const { return size_; }
    qreal Ratio() const { return ratio_; }
    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }
    QRect Bounds() const { return QRect(QPoint(0, 0), size_); }
    QRect PhysicalRect(const QRect& logical) const;

    QPainter& Painter();
    void EndPainting();

    // A new size; what fits of the old content stays, the rest is filled.
    void Resize(QSize logicalSize, QColor fill);
    // A new size and ratio; the content is lost.
    void Rebuild(QSize logicalSize, qreal ratio, QColor fill);

    // The widget that shows these pixels; drawn areas reach it in batches.
    void ShowOn(QWidget* widget) { screen_ = widget; }
    void Touched(const QRect& logical);
    void FlushToScreen();

    // What the open painter was last set to, so that repeated calls with
    // the same clip or font do not set them again.
    std::uint64_t appliedClip = 0;
    const void* appliedFont = nullptr;

private:
    void MakeImage(QSize logicalSize, qreal ratio, QColor fill);
    void QueueFlush();

    QSize size_;
    qreal ratio_ = 1.0;
    QImage::Format format_;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
    QPointer<QWidget> screen_;
    QRect pendingScreen_;
    bool flushQueued_ = false;
};

}  // namespace os
