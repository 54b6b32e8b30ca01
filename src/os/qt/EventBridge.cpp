#include "os/qt/EventBridge.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include "os/windows/Menu.h"
#include "os/windows/Messages.h"
#include "os/windows/Messaging.h"
#include "os/windows/QtEventDelivery.h"
#include "os/qt/QtKeyMapping.h"
#include "os/windows/SizeQuery.h"
#include "os/windows/Window.h"
#include "runtime/HandlerBoundary.h"

namespace os {

namespace {

// lParam of WM_KEYDOWN: repeat count 1, bit 30 set for a repeated key.
LPARAM KeyDownFlags(const QKeyEvent& event) { return 1 | (event.isAutoRepeat() ? (1 << 30) : 0); }

bool IsSystemMenuKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Space && event.modifiers().testFlag(Qt::AltModifier);
}

bool IsSystemKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Alt || event.modifiers().testFlag(Qt::AltModifier);
}

POINT GlobalPoint(const QPointF& point) {
    const QPoint rounded = point.toPoint();
    return {rounded.x(), rounded.y()};
}

}  // namespace

EventBridge::EventBridge(HWND window, QWidget& widget) : QObject(&widget), window_(window), widget_(widget) {
    widget.installEventFilter(this);
}

bool EventBridge::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &widget_ || IsInQtHandling(event) || !IsWindow(window_)) return false;
    bool consumed = false;
    runtime::RunHandler([&] { consumed = Translate(event); });
    return consumed;
}

bool EventBridge::Translate(QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: return OnKeyPress(static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress: return OnMousePress(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove: return OnMouseMove(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease: return OnMouseRelease(static_cast<QMouseEvent*>(event));
    case QEvent::WindowActivate: return OnActivation(event, WA_ACTIVE);
    case QEvent::WindowDeactivate: return OnActivation(event, WA_INACTIVE);
    case QEvent::Show:
    case QEvent::Resize:
        if (widget_.isWindow()) QueryMinimumSize(window_, widget_);
        return false;
    default: return false;
    }
}

bool EventBridge::OnKeyPress(QKeyEvent* event) {
    if (widget_.isWindow() && IsSystemMenuKey(*event)) {
        ShowSystemMenu(window_, GlobalPoint(widget_.mapToGlobal(QPointF(0, 0))));
        return true;
    }
    // Keys with Alt held are system keys, not WM_KEYDOWN; Qt handles them.
    if (IsPropagatedKey() || IsSystemKey(*event)) return false;
    const int virtualKey = VirtualKeyFromQt(event->key(), event->modifiers());
    return ForwardAsMessage(event, WM_KEYDOWN, static_cast<WPARAM>(virtualKey), KeyDownFlags(*event));
}

bool EventBridge::OnMousePress(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && widget_.isWindow()) {
        ShowSystemMenu(window_, GlobalPoint(event->globalPosition()));
        return true;
    }
    if (event->button() != Qt::LeftButton) return false;
    const POINT global = GlobalPoint(event->globalPosition());
    if (SendMessage(window_, WM_NCHITTEST, 0, MAKELPARAM(global.x, global.y)) != HTCAPTION) return false;
    // A window manager moves the window itself where it can; otherwise the
    // window follows the mouse until the button is released.
    QWindow* handle = widget_.window()->windowHandle();
    if (handle != nullptr && handle->startSystemMove()) return true;
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - widget_.window()->pos();
    return true;
}

bool EventBridge::OnMouseMove(QMouseEvent* event) {
    if (!dragging_) return false;
    widget_.window()->move(event->globalPosition().toPoint() - dragOffset_);
    return true;
}

bool EventBridge::OnMouseRelease(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) return dragging_;
    dragging_ = false;
    return true;
}

bool EventBridge::OnActivation(QEvent* event, WPARAM state) {
    if (!widget_.isWindow()) return false;
    return ForwardAsMessage(event, WM_ACTIVATE, state, 0);
}

bool EventBridge::ForwardAsMessage(QEvent* event, UINT message, WPARAM wParam, LPARAM lParam) {
    const DeliveryOutcome outcome = DeliverQtEventAsMessage(window_, message, wParam, lParam, &widget_, event);
    if (outcome.qtHandled) return outcome.qtAnswer;
    event->accept();
    return true;
}

// A key event that a focused child ignored travels on to its parents; the
// window system gives keys to the focused window only.
bool EventBridge::IsPropagatedKey() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && focus != &widget_ && widget_.isAncestorOf(focus);
}

}  // namespace os
