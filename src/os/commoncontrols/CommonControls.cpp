#include "os/commoncontrols/CommonControls.h"

#include <QCursor>
#include <QGuiApplication>
#include <QWidget>
#include <optional>
#include <set>

#include "os/windows/CursorPosition.h"
#include "os/commoncontrols/Header.h"
#include "os/commoncontrols/HeaderWidget.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"

namespace os {

namespace {

thread_local DWORD lastError = 0;

std::set<std::string>& RegisteredClasses() {
    static std::set<std::string> classes{WC_HEADER};
    return classes;
}

std::optional<QPoint>& NotedCursor() {
    static std::optional<QPoint> noted;
    return noted;
}

bool HasRealPointer() {
    const QString platform = QGuiApplication::platformName();
    return !platform.isEmpty() && platform != "offscreen" && platform != "minimal";
}

}  // namespace

DWORD GetLastError() { return lastError; }
void SetLastError(DWORD code) { lastError = code; }

bool InitCommonControlsEx(const INITCOMMONCONTROLSEX& /*classes*/) {
    RegisteredClasses().insert(WC_HEADER);
    return true;
}

bool UnregisterClass(const std::string& className) { return RegisteredClasses().erase(className) > 0; }

HWND CreateWindowEx(DWORD /*exStyle*/, const std::string& className, const std::string& /*title*/, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU /*id*/) {
    if (!RegisteredClasses().contains(className)) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return 0;
    }
    if (WidgetOf(parent) == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    return CreateHeaderWindow(parent, {x, y, x + width, y + height}, style);
}

HWND FindWindowEx(HWND parent, HWND childAfter, const std::string& className) {
    QWidget* widget = WidgetOf(parent);
    if (widget == nullptr) return 0;
    bool passed = childAfter == 0;
    for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const HWND handle = WindowOf(child);
        if (handle == 0) continue;
        if (passed && GetClassName(handle) == className) return handle;
        if (handle == childAfter) passed = true;
    }
    return 0;
}

bool EnableWindow(HWND window, bool enable) {
    QWidget* widget = WidgetOf(window);
    if (widget == nullptr) return false;
    const bool wasDisabled = !widget->isEnabled();
    widget->setEnabled(enable);
    const auto style = static_cast<DWORD>(GetWindowLong(window, GWL_STYLE));
    SetWindowLong(window, GWL_STYLE, static_cast<LONG_PTR>(enable ? style & ~WS_DISABLED : style | WS_DISABLED));
    return wasDisabled;
}

bool IsWindowEnabled(HWND window) {
    const QWidget* widget = WidgetOf(window);
    return widget != nullptr && widget->isEnabled();
}

void NoteCursorPosition(QPoint global) { NotedCursor() = global; }

// A real screen knows where its pointer is, even outside the program's
// windows; without one the pointer is where input was last seen.
bool GetCursorPos(POINT& point) {
    const QPoint at = HasRealPointer() ? QCursor::pos() : NotedCursor().value_or(QCursor::pos());
    point = {at.x(), at.y()};
    return true;
}

}  // namespace os
