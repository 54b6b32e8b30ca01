#include "os/windows/Focus.h"

#include <QApplication>
#include <QWidget>

#include "os/windows/BackingWidget.h"

namespace os {

HWND GetFocus() {
    // A focused widget without a window of its own belongs to the nearest
    // registered ancestor.
    for (const QWidget* widget = QApplication::focusWidget(); widget != nullptr; widget = widget->parentWidget())
        if (const HWND window = WindowOf(widget)) return window;
    return 0;
}

HWND SetFocus(HWND window) {
    const HWND previous = GetFocus();
    if (QWidget* widget = WidgetOf(window)) widget->setFocus(Qt::OtherFocusReason);
    return previous;
}

bool BringWindowToTop(HWND window) {
    QWidget* widget = WidgetOf(window);
    if (widget == nullptr) return false;
    widget->raise();
    return true;
}

}  // namespace os
