#pragma once

#include "os/types/Types.h"

class QWidget;

namespace os {

// The widget behind a window, nullptr for a window without one.
QWidget* WidgetOf(HWND window);
// The handle of a registered widget, 0 when it has none.
HWND WindowOf(const QWidget* widget);

}  // namespace os
