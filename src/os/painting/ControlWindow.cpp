#include "os/painting/ControlWindow.h"

#include "os/painting/ControlWidget.h"
#include "os/painting/Painting.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/WindowRegistry.h"

namespace os {

HWND CreateControlWindow(ControlOwner& owner, const std::string& className, HWND parent, const RECT& bounds) {
    auto* widget = new ControlWidget(owner, WidgetOf(parent));
    widget->setGeometry(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    const HWND handle = RegisterWidget(widget, className);
    WindowRecord* record = WindowRegistry::Find(handle);
    record->ownsWidget = true;
    record->controlOwner = &owner;
    AttachSurface(handle);
    return handle;
}

}  // namespace os
