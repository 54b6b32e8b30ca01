#pragma once

#include <string>

#include "os/types/Types.h"
#include "os/windows/BackingWidget.h"

class QWidget;

namespace os {

// Gives an existing widget a window handle, so that its Qt events reach the
// program as messages through the window's procedure. The handle lives as
// long as the widget (or until DestroyWindow); registering twice returns
// the same handle. The widget stays owned by the caller.
HWND RegisterWidget(QWidget* widget, const std::string& className);

// A window backed by a plain widget; a child widget when the parent has one,
// otherwise a top-level window. Nothing is shown until ShowWindow.
// DestroyWindow deletes the widget.
HWND CreateWidgetWindow(const std::string& className, HWND parent, const RECT& bounds = {});

}  // namespace os
