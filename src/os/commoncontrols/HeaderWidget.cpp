#include "os/commoncontrols/HeaderWidget.h"

#include <QApplication>
#include <QMouseEvent>

#include "os/windows/CursorPosition.h"
#include "os/windows/Messages.h"
#include "os/windows/Messaging.h"
#include "os/painting/Painting.h"
#include "os/windows/Window.h"
#include "os/qt/WidgetWindows.h"

namespace os {

HeaderWidget::HeaderWidget(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

HeaderWidget* HeaderWidget::Of(HWND window) { return qobject_cast<HeaderWidget*>(WidgetOf(window)); }

bool HeaderWidget::HasStyle(DWORD style) const {
    return (static_cast<DWORD>(GetWindowLong(window_, GWL_STYLE)) & style) != 0;
}

LRESULT HeaderWidget::Notify(std::int32_t code, int item, HDITEM* details) {
    NMHEADER notification;
    notification.hdr = {window_, 0, code};
    notification.iItem = item;
    notification.pitem = details;
    return SendMessage(GetParent(window_), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notification));
}

LRESULT HeaderWidget::NotifyWidth(std::int32_t code, int item, int width) {
    HDITEM details;
    details.mask = HDI_WIDTH;
    details.cxy = width;
    return Notify(code, item, &details);
}

void HeaderWidget::mousePressEvent(QMouseEvent* event) {
    NoteCursorPosition(event->globalPosition().toPoint());
    const int x = event->position().toPoint().x();
    if (event->button() == Qt::RightButton) {
        NMHDR notification{window_, 0, NM_RCLICK};
        SendMessage(GetParent(window_), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notification));
    } else if (event->button() == Qt::LeftButton && mode_ == Mode::Idle) {
        OnPress(x);
    }
    event->accept();
}

void HeaderWidget::OnPress(int x) {
    const int divider = items_.DividerAt(x);
    if (divider >= 0) {
        if (NotifyWidth(HDN_BEGINTRACK, divider, items_.At(divider).width) != 0) return;
        mode_ = Mode::Tracking;
        active_ = divider;
        trackWidth_ = items_.At(divider).width;
        return;
    }
    active_ = items_.ItemAt(x);
    if (active_ < 0) return;
    mode_ = Mode::Pressing;
    pressX_ = x;
    Redraw();
}

void HeaderWidget::mouseMoveEvent(QMouseEvent* event) {
    NoteCursorPosition(event->globalPosition().toPoint());
    const int x = event->position().toPoint().x();
    if (event->buttons() & Qt::LeftButton) {
        OnDrag(x);
    } else {
        setCursor(items_.DividerAt(x) >= 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
        SetHot(items_.ItemAt(x));
    }
    event->accept();
}

void HeaderWidget::OnDrag(int x) {
    switch (mode_) {
    case Mode::Tracking: {
        const int width = std::max(0, x - items_.Left(active_));
        if (NotifyWidth(HDN_TRACK, active_, width) != 0) {
            mode_ = Mode::Idle;
            active_ = -1;
            return;
        }
        trackWidth_ = width;
        return;
    }
    case Mode::Pressing:
        if (!HasStyle(HDS_DRAGDROP) || std::abs(x - pressX_) < QApplication::startDragDistance()) return;
        if (Notify(HDN_BEGINDRAG, active_) != 0) return;
        mode_ = Mode::Dragging;
        [[fallthrough]];
    case Mode::Dragging:
        dragX_ = x;
        Redraw();
        return;
    case Mode::Idle: return;
    }
}

void HeaderWidget::mouseReleaseEvent(QMouseEvent* event) {
    NoteCursorPosition(event->globalPosition().toPoint());
    if (event->button() != Qt::LeftButton) return;
    const int x = event->position().toPoint().x();
    const Mode mode = std::exchange(mode_, Mode::Idle);
    const int item = active_;
    if (mode == Mode::Tracking) {
        mode_ = Mode::Tracking;
        EndTracking();
    } else if (mode == Mode::Dragging) {
        EndDragging(x);
    } else if (mode == Mode::Pressing && items_.ItemAt(x) == item && HasStyle(HDS_BUTTONS)) {
        active_ = -1;
        Redraw();
        Notify(HDN_ITEMCLICK, item);
    }
    active_ = -1;
    Redraw();
    event->accept();
}

void HeaderWidget::EndTracking() {
    const int item = active_;
    const int width = trackWidth_;
    const unsigned before = changes_;
    mode_ = Mode::Idle;
    if (NotifyWidth(HDN_ENDTRACK, item, width) != 0 || changes_ != before || !items_.Has(item)) return;
    items_.At(item).width = width;
}

void HeaderWidget::EndDragging(int x) {
    const int item = active_;
    HDITEM details;
    details.mask = HDI_ORDER;
    details.iOrder = items_.OrderAt(x);
    const unsigned before = changes_;
    if (Notify(HDN_ENDDRAG, item, &details) != 0 || changes_ != before || !items_.Has(item)) return;
    items_.Move(item, details.iOrder);
}

void HeaderWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    NoteCursorPosition(event->globalPosition().toPoint());
    if (event->button() != Qt::LeftButton) return;
    const int x = event->position().toPoint().x();
    mode_ = Mode::Idle;
    active_ = -1;
    const int divider = items_.DividerAt(x);
    if (divider >= 0) {
        Notify(HDN_DIVIDERDBLCLICK, divider);
    } else if (const int item = items_.ItemAt(x); item >= 0) {
        Notify(HDN_ITEMDBLCLICK, item);
    }
    event->accept();
}

void HeaderWidget::leaveEvent(QEvent* event) {
    SetHot(-1);
    QWidget::leaveEvent(event);
}

void HeaderWidget::SetHot(int item) {
    if (!HasStyle(HDS_HOTTRACK)) item = -1;
    if (item == hot_) return;
    hot_ = item;
    Redraw();
}

void HeaderWidget::Redraw() { InvalidateRect(window_, nullptr, false); }

}  // namespace os
