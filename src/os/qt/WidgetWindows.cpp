#include "os/qt/WidgetWindows.h"

#include <QWidget>

#include "os/qt/EventBridge.h"
#include "os/windows/WindowRegistry.h"

namespace os {

namespace {

HWND RegisteredParentOf(const QWidget& widget) {
    for (const QWidget* ancestor = widget.parentWidget(); ancestor != nullptr; ancestor = ancestor->parentWidget()) {
        if (HWND handle = WindowOf(ancestor)) return handle;
    }
    return 0;
}

}  // namespace

HWND RegisterWidget(QWidget* widget, const std::string& className) {
    if (widget == nullptr) return 0;
    if (HWND existing = WindowOf(widget)) return existing;
    WindowRecord& record = WindowRegistry::Add(className, RegisteredParentOf(*widget));
    WindowRegistry::BindWidget(record, widget);
    const HWND handle = record.handle;
    new EventBridge(handle, *widget);
    QObject::connect(widget, &QObject::destroyed, [handle] { WindowRegistry::Remove(handle); });
    return handle;
}

QWidget* WidgetOf(HWND window) {
    const WindowRecord* record = WindowRegistry::Find(window);
    return record == nullptr ? nullptr : record->widget;
}

HWND WindowOf(const QWidget* widget) {
    const WindowRecord* record = WindowRegistry::FindByWidget(widget);
    return record == nullptr ? 0 : record->handle;
}

}  // namespace os
