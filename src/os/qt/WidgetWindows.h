#pragma once

#include <string>

#include "os/windows/Types.h"

class QWidget;

namespace os {

// Gives an existing widget a window handle, so that its Qt events reach the
// program as messages through the window's procedure. The handle lives as
// long as the widget (or until DestroyWindow); registering twice returns
// the same handle. The widget stays owned by the caller.
HWND RegisterWidget(QWidget* widget, const std::string& className);

// The widget behind a window, nullptr for a window without one.
QWidget* WidgetOf(HWND window);
// The handle of a registered widget, 0 when it has none.
HWND WindowOf(const QWidget* widget);

}  // namespace os
