#pragma once

#include <QObject>
#include <QPoint>

#include "os/types/Types.h"

class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace os {

// Watches the Qt events of one window's widget and sends those the program
// hooks as messages through the window's current procedure.
class EventBridge : public QObject {
    Q_OBJECT
public:
    EventBridge(HWND window, QWidget& widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Translate(QEvent* event);
    bool OnKeyPress(QKeyEvent* event);
    bool OnMousePress(QMouseEvent* event);
    bool OnMouseMove(QMouseEvent* event);
    bool OnMouseRelease(QMouseEvent* event);
    bool OnActivation(QEvent* event, WPARAM state);
    bool ForwardAsMessage(QEvent* event, UINT message, WPARAM wParam, LPARAM lParam);
    bool IsPropagatedKey() const;

    HWND window_;
    QWidget& widget_;
    bool dragging_ = false;       // the window follows the mouse (hit test answered caption)
    QPoint dragOffset_;           // pointer position relative to the window's top-left corner
};

}  // namespace os
