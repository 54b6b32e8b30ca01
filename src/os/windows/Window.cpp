#include "os/windows/Window.h"

#include <QWidget>
#include <algorithm>
#include <utility>

#include "os/windows/BackingWidget.h"
#include "os/windows/WindowRegistry.h"

namespace os {

namespace {

ClientInsetsQuery insetsQuery = nullptr;

QSize FrameExtra(const QWidget& widget) {
    if (!widget.isWindow()) return {0, 0};
    return widget.frameGeometry().size() - widget.size();
}

POINT BareOriginOnScreen(HWND window) {
    POINT origin;
    for (const WindowRecord* record = WindowRegistry::Find(window); record != nullptr;
         record = WindowRegistry::Find(record->parent)) {
        if (record->widget != nullptr) {
            const QPoint global = record->widget->mapToGlobal(QPoint(0, 0));
            origin.x += global.x();
            origin.y += global.y();
            break;
        }
        origin.x += record->bounds.left;
        origin.y += record->bounds.top;
    }
    return origin;
}

void DestroyBareChildren(HWND parent) {
    for (HWND child : WindowRegistry::ChildrenOf(parent)) DestroyWindow(child);
}

}  // namespace

HWND CreateBareWindow(const std::string& className, HWND parent, const RECT& bounds) {
    WindowRecord& record = WindowRegistry::Add(className, parent);
    record.bounds = bounds;
    return record.handle;
}

bool DestroyWindow(HWND window) {
    WindowRecord* record = WindowRegistry::Find(window);
    if (record == nullptr) return false;
    DestroyBareChildren(window);
    QWidget* widget = record->widget;
    const bool ownsWidget = record->ownsWidget;
    // Removing the record also ends the translation of the widget's events.
    WindowRegistry::Remove(window);
    if (ownsWidget) delete widget;
    return true;
}

bool IsWindow(HWND window) { return WindowRegistry::Find(window) != nullptr; }

std::string GetClassName(HWND window) {
    const WindowRecord* record = WindowRegistry::Find(window);
    return record == nullptr ? std::string() : record->className;
}

HWND GetParent(HWND window) {
    const WindowRecord* record = WindowRegistry::Find(window);
    if (record == nullptr) return 0;
    if (record->widget == nullptr) return record->parent;
    for (QWidget* ancestor = record->widget->parentWidget(); ancestor != nullptr;
         ancestor = ancestor->parentWidget()) {
        if (HWND handle = WindowOf(ancestor)) return handle;
    }
    return 0;
}

bool GetWindowRect(HWND window, RECT& rect) {
    const WindowRecord* record = WindowRegistry::Find(window);
    if (record == nullptr) return false;
    if (record->widget == nullptr) {
        const POINT origin = BareOriginOnScreen(window);
        rect = {origin.x, origin.y, origin.x + record->bounds.right - record->bounds.left,
                origin.y + record->bounds.bottom - record->bounds.top};
        return true;
    }
    const QWidget& widget = *record->widget;
    const QRect outer = widget.isWindow() ? widget.frameGeometry()
                                          : QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
    rect = {outer.left(), outer.top(), outer.left() + outer.width(), outer.top() + outer.height()};
    return true;
}

bool GetClientRect(HWND window, RECT& rect) {
    const WindowRecord* record = WindowRegistry::Find(window);
    if (record == nullptr) return false;
    if (record->widget == nullptr) {
        rect = {0, 0, record->bounds.right - record->bounds.left, record->bounds.bottom - record->bounds.top};
    } else {
        // The window's scroll bars lie outside its client area.
        const SIZE bars = insetsQuery == nullptr ? SIZE{} : insetsQuery(window);
        rect = {0, 0, std::max(0, record->widget->width() - bars.cx), std::max(0, record->widget->height() - bars.cy)};
    }
    return true;
}

ClientInsetsQuery SetClientInsetsQuery(ClientInsetsQuery query) { return std::exchange(insetsQuery, query); }

bool MoveWindow(HWND window, int x, int y, int width, int height) {
    WindowRecord* record = WindowRegistry::Find(window);
    if (record == nullptr) return false;
    if (record->widget == nullptr) {
        record->bounds = {x, y, x + width, y + height};
        return true;
    }
    QWidget& widget = *record->widget;
    if (widget.isWindow()) {
        const QSize extra = FrameExtra(widget);
        widget.move(x, y);
        widget.resize(width - extra.width(), height - extra.height());
    } else {
        widget.setGeometry(x, y, width, height);
    }
    return true;
}

bool ScreenToClient(HWND window, POINT& point) {
    const WindowRecord* record = WindowRegistry::Find(window);
    if (record == nullptr) return false;
    if (record->widget != nullptr) {
        const QPoint local = record->widget->mapFromGlobal(QPoint(point.x, point.y));
        point = {local.x(), local.y()};
    } else {
        const POINT origin = BareOriginOnScreen(window);
        point = {point.x - origin.x, point.y - origin.y};
    }
    return true;
}

bool ClientToScreen(HWND window, POINT& point) {
    const WindowRecord* record = WindowRegistry::Find(window);
    if (record == nullptr) return false;
    if (record->widget != nullptr) {
        const QPoint global = record->widget->mapToGlobal(QPoint(point.x, point.y));
        point = {global.x(), global.y()};
    } else {
        const POINT origin = BareOriginOnScreen(window);
        point = {point.x + origin.x, point.y + origin.y};
    }
    return true;
}

bool ShowWindow(HWND window, int command) {
    WindowRecord* record = WindowRegistry::Find(window);
    if (record == nullptr) return false;
    const bool wasVisible = IsWindowVisible(window);
    const bool show = command != SW_HIDE;
    if (record->widget != nullptr) {
        record->widget->setVisible(show);
    } else {
        record->visible = show;
    }
    return wasVisible;
}

bool IsWindowVisible(HWND window) {
    const WindowRecord* record = WindowRegistry::Find(window);
    if (record == nullptr) return false;
    if (record->widget != nullptr) return record->widget->isVisible();
    return record->visible && (record->parent == 0 || IsWindowVisible(record->parent));
}

LONG_PTR GetWindowLong(HWND window, int index) {
    const WindowRecord* record = WindowRegistry::Find(window);
    if (record == nullptr) return 0;
    if (index == GWL_STYLE) return static_cast<LONG_PTR>(record->style);
    if (index != GWL_WNDPROC) return 0;
    return record->procedure;
}

LONG_PTR SetWindowLong(HWND window, int index, LONG_PTR value) {
    WindowRecord* record = WindowRegistry::Find(window);
    if (record != nullptr && !record->foreign && index == GWL_STYLE) {
        return static_cast<LONG_PTR>(std::exchange(record->style, static_cast<DWORD>(value)));
    }
    if (record == nullptr || record->foreign || index != GWL_WNDPROC || !IsWindowProcedure(value)) return 0;
    const LONG_PTR previous = record->procedure;
    record->procedure = value;
    return previous;
}

}  // namespace os
