#include "os/windows/BackingWidget.h"

#include "os/windows/WindowRegistry.h"

namespace os {

QWidget* WidgetOf(HWND window) {
    const WindowRecord* record = WindowRegistry::Find(window);
    return record == nullptr ? nullptr : record->widget;
}

HWND WindowOf(const QWidget* widget) {
    const WindowRecord* record = WindowRegistry::FindByWidget(widget);
    return record == nullptr ? 0 : record->handle;
}

}  // namespace os
