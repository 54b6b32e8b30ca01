#include "os/testing/WindowInput.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>

#include "os/types/QtConversions.h"
#include "os/windows/CursorPosition.h"
#include "os/commoncontrols/ScrollBars.h"
#include "os/qt/WidgetWindows.h"
#include "os/commoncontrols/WindowScrollBars.h"

namespace os::testing {

namespace {

QPoint ToQPoint(POINT point) { return {point.x, point.y}; }

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
    if (widget == nullptr) return;
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

ScrollBarWidget* BarOf(HWND window, int bar) {
    WindowScrollBars* bars = WindowScrollBars::Of(window, false);
    return bars == nullptr ? nullptr : &bars->Bar(bar);
}

QRect ThumbRect(QScrollBar& bar) {
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.pageStep = bar.pageStep();
    option.singleStep = bar.singleStep();
    option.subControls = QStyle::SC_All;
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &bar);
}

}  // namespace

void MousePress(HWND window, POINT point) {
    SendMouse(WidgetOf(window), QEvent::MouseButtonPress, ToQPoint(point), Qt::LeftButton, Qt::LeftButton);
}

void MouseMoveTo(HWND window, POINT point, bool buttonDown) {
    SendMouse(WidgetOf(window), QEvent::MouseMove, ToQPoint(point), Qt::NoButton,
              buttonDown ? Qt::LeftButton : Qt::NoButton);
}

void MouseRelease(HWND window, POINT point) {
    SendMouse(WidgetOf(window), QEvent::MouseButtonRelease, ToQPoint(point), Qt::LeftButton, Qt::NoButton);
}

void MouseDoubleClick(HWND window, POINT point) {
    QWidget* widget = WidgetOf(window);
    const QPoint at = ToQPoint(point);
    SendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    SendMouse(widget, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void RightClick(HWND window, POINT point) {
    QWidget* widget = WidgetOf(window);
    SendMouse(widget, QEvent::MouseButtonPress, ToQPoint(point), Qt::RightButton, Qt::RightButton);
    SendMouse(widget, QEvent::MouseButtonRelease, ToQPoint(point), Qt::RightButton, Qt::NoButton);
}

void MoveCursorTo(POINT screenPoint) {
    QCursor::setPos(ToQPoint(screenPoint));
    NoteCursorPosition(ToQPoint(screenPoint));
}

void MouseLeave(HWND window) {
    if (QWidget* widget = WidgetOf(window)) {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(widget, &event);
    }
}

void WheelNotches(HWND window, POINT point, int notches) {
    QWidget* widget = WidgetOf(window);
    if (widget == nullptr) return;
    const QPointF at(ToQPoint(point));
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

void ClickScrollBar(HWND window, int bar, POINT barPoint) {
    if (ScrollBarWidget* widget = BarOf(window, bar)) QTest::mouseClick(widget, Qt::LeftButton, {}, ToQPoint(barPoint));
}

void DragScrollThumb(HWND window, int bar, int distance) {
    ScrollBarWidget* widget = BarOf(window, bar);
    if (widget == nullptr) return;
    const QPoint start = ThumbRect(*widget).center();
    const QPoint step = widget->orientation() == Qt::Vertical ? QPoint(0, distance) : QPoint(distance, 0);
    SendMouse(widget, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseMove, start + step / 2, Qt::NoButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseMove, start + step, Qt::NoButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, start + step, Qt::LeftButton, Qt::NoButton);
}

int ScrollBarLength(HWND window, int bar) {
    const ScrollBarWidget* widget = BarOf(window, bar);
    if (widget == nullptr) return 0;
    return widget->orientation() == Qt::Vertical ? widget->height() : widget->width();
}

COLORREF ShownPixel(HWND window, POINT point) {
    QWidget* widget = WidgetOf(window);
    if (widget == nullptr) return CLR_INVALID;
    const QImage image = widget->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    return ToCOLORREF(image.pixel(static_cast<int>(point.x * ratio), static_cast<int>(point.y * ratio)));
}

}  // namespace os::testing
