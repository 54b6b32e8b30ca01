#pragma once

#include <QPointer>
#include <QRegion>
#include <memory>
#include <vector>

#include "os/painting/PixelBuffer.h"
#include "os/windows/WindowRecord.h"

class QPaintEvent;

namespace os {

// The persistent drawing surface of a window that the program draws
// itself, with the window's update region. Qt paints of the widget are
// served by copying from the surface; the program's paint message comes
// only from invalidation.
class Surface : public WindowAttachment {
public:
    Surface(HWND window, QWidget& widget);
    ~Surface() override;

    static Surface* Of(HWND window);
    static std::vector<HWND> All();

    HWND Window() const { return window_; }
    QWidget* Widget() const { return widget_; }
    const std::shared_ptr<PixelBuffer>& Pixels() const { return pixels_; }
    QColor Background() const;

    const QRegion& UpdateRegion() const { return update_; }
    bool ErasePending() const { return erase_; }
    void Invalidate(const QRegion& area, bool erase);
    void Validate(const QRegion& area);
    // Empties the update region, filling it first with the background when
    // an erase was asked for; returns what it held.
    QRegion BeginPaint(bool* erased = nullptr);

    void OnResize(QSize size);
    void ServePaint(const QPaintEvent& event);

private:
    void MatchRatio();

    HWND window_;
    QPointer<QWidget> widget_;
    QPointer<QObject> events_;
    std::shared_ptr<PixelBuffer> pixels_;
    QRegion update_;
    bool erase_ = false;
};

// Paint messages: one is sent, when the event loop is next idle, to each
// window whose update region is not empty.
void SchedulePaint(HWND window);
void CancelPaint(HWND window);

}  // namespace os
