#pragma once

#include "os/types/Types.h"

class QWidget;

namespace os {

// Sends WM_GETMINMAXINFO to a top-level window and makes the minimum
// tracking size of the answer its minimum outer size.
void QueryMinimumSize(HWND window, QWidget& widget);

}  // namespace os
