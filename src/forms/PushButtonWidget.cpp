#include "forms/PushButtonWidget.h"

#include <QMouseEvent>

namespace forms {

void PushButtonWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) {
        QPushButton::mousePressEvent(event);
        return;
    }
    rightPressed_ = true;
    setDown(true);
    event->accept();
}

void PushButtonWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton || !rightPressed_) {
        QPushButton::mouseReleaseEvent(event);
        return;
    }
    rightPressed_ = false;
    setDown(false);
    event->accept();
    if (hitButton(event->position().toPoint())) click();
}

}  // namespace forms
