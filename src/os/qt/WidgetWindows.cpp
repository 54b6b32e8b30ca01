#include "os/qt/WidgetWindows.h"

#include <QPointer>
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

// Ends the translation of a widget's events with its window: the bridge is
// a child of the widget, which may outlive the handle (DestroyWindow on a
// widget the caller owns) or go first (the widget deleted).
class BridgeLifetime : public WindowAttachment {
public:
    explicit BridgeLifetime(EventBridge* bridge) : bridge_(bridge) {}
    ~BridgeLifetime() override { delete bridge_.data(); }

private:
    QPointer<EventBridge> bridge_;
};

}  // namespace

HWND RegisterWidget(QWidget* widget, const std::string& className) {
    if (widget == nullptr) return 0;
    if (HWND existing = WindowOf(widget)) return existing;
    WindowRecord& record = WindowRegistry::Add(className, RegisteredParentOf(*widget));
    WindowRegistry::BindWidget(record, widget);
    const HWND handle = record.handle;
    record.eventBridge = std::make_unique<BridgeLifetime>(new EventBridge(handle, *widget));
    QObject::connect(widget, &QObject::destroyed, [handle] { WindowRegistry::Remove(handle); });
    return handle;
}

HWND CreateWidgetWindow(const std::string& className, HWND parent, const RECT& bounds) {
    auto* widget = new QWidget(WidgetOf(parent));
    if (bounds.right > bounds.left && bounds.bottom > bounds.top) {
        widget->setGeometry(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    }
    const HWND handle = RegisterWidget(widget, className);
    WindowRegistry::Find(handle)->ownsWidget = true;
    return handle;
}

}  // namespace os
