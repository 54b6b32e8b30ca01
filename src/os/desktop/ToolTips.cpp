#include "os/desktop/ToolTips.h"

#include <QWidget>

#include "os/windows/BackingWidget.h"

namespace os {

bool SetWindowToolTip(HWND window, const std::string& text) {
    QWidget* widget = WidgetOf(window);
    if (widget == nullptr) return false;
    const QString tip = QString::fromStdString(text);
    if (widget->toolTip() != tip) widget->setToolTip(tip);
    return true;
}

std::string WindowToolTip(HWND window) {
    const QWidget* widget = WidgetOf(window);
    return widget == nullptr ? std::string() : widget->toolTip().toStdString();
}

}  // namespace os
