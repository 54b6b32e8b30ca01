#include "os/painting/ControlWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "os/qt/QtKeyMapping.h"
#include "os/painting/Twips.h"
#include "runtime/HandlerBoundary.h"

namespace os {

ControlWidget::ControlWidget(ControlOwner& owner, QWidget* parent) : QWidget(parent), owner_(owner) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

// Tab and Shift+Tab are keys of the control like any other: the program's
// controls use them to walk their own cells.
bool ControlWidget::focusNextPrevChild(bool /*next*/) { return false; }

void ControlWidget::keyPressEvent(QKeyEvent* event) {
    runtime::RunHandler([&] {
        std::int16_t keyCode = static_cast<std::int16_t>(VirtualKeyFromQt(event->key(), event->modifiers()));
        std::int16_t shift = ShiftStateFromQt(event->modifiers());
        owner_.KeyDown(keyCode, shift);
        std::int16_t keyAscii = KeyCharacterFromQt(*event);
        if (keyAscii != 0) owner_.KeyPress(keyAscii);
    });
    event->accept();
}

void ControlWidget::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    runtime::RunHandler([&] {
        std::int16_t keyCode = static_cast<std::int16_t>(VirtualKeyFromQt(event->key(), event->modifiers()));
        std::int16_t shift = ShiftStateFromQt(event->modifiers());
        owner_.KeyUp(keyCode, shift);
    });
    event->accept();
}

void ControlWidget::mousePressEvent(QMouseEvent* event) {
    pressInside_ = true;
    DeliverMouse(MouseHandler::Down, event->button(), *event);
}

void ControlWidget::mouseMoveEvent(QMouseEvent* event) { DeliverMouse(MouseHandler::Move, event->buttons(), *event); }

void ControlWidget::mouseReleaseEvent(QMouseEvent* event) {
    DeliverMouse(MouseHandler::Up, event->button(), *event);
    const bool click = pressInside_ && rect().contains(event->position().toPoint());
    pressInside_ = false;
    if (click) runtime::RunHandler([&] { owner_.Click(); });
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt follows the second press of a double click with this event; the
    // release that ends it makes no second Click.
    pressInside_ = false;
    runtime::RunHandler([&] { owner_.DblClick(); });
    event->accept();
}

void ControlWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    runtime::RunHandler([&] { owner_.GotFocus(); });
}

void ControlWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    runtime::RunHandler([&] { owner_.LostFocus(); });
}

void ControlWidget::resizeEvent(QResizeEvent* /*event*/) {
    runtime::RunHandler([&] { owner_.Resize(); });
}

void ControlWidget::paintEvent(QPaintEvent* /*event*/) {
    runtime::RunHandler([&] { owner_.Paint(); });
}

void ControlWidget::DeliverMouse(MouseHandler handler, Qt::MouseButtons buttons, const QMouseEvent& event) {
    const std::int16_t button = ButtonFromQt(buttons);
    const std::int16_t shift = ShiftStateFromQt(event.modifiers());
    const float x = static_cast<float>(event.position().x() * TwipsPerPixelX());
    const float y = static_cast<float>(event.position().y() * TwipsPerPixelY());
    runtime::RunHandler([&] {
        switch (handler) {
        case MouseHandler::Down: owner_.MouseDown(button, shift, x, y); break;
        case MouseHandler::Move: owner_.MouseMove(button, shift, x, y); break;
        case MouseHandler::Up: owner_.MouseUp(button, shift, x, y); break;
        }
    });
}

}  // namespace os
