#pragma once

#include <QWidget>

#include "os/windows/ControlOwner.h"

namespace os {

// The widget behind a program-drawn window. Qt's handling of its events is
// the delivery of the matching control events to the owner.
class ControlWidget : public QWidget {
    Q_OBJECT
public:
    ControlWidget(ControlOwner& owner, QWidget* parent);

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    enum class MouseHandler { Down, Move, Up };
    void DeliverMouse(MouseHandler handler, Qt::MouseButtons buttons, const QMouseEvent& event);

    ControlOwner& owner_;
    bool pressInside_ = false;  // a plain press whose release makes a click
};

}  // namespace os
