#pragma once

#include <QPoint>

namespace os {

// Remembers where the mouse was last seen by a window, so that
// GetCursorPos answers the pointer of the input being handled even where
// the platform has no real pointer (offscreen).
void NoteCursorPosition(QPoint global);

}  // namespace os
