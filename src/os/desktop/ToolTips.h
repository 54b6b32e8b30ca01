#pragma once

#include <string>

#include "os/types/Types.h"

namespace os {

// The tooltip text a window shows when the pointer rests on it ("" none).
bool SetWindowToolTip(HWND window, const std::string& text);
std::string WindowToolTip(HWND window);

}  // namespace os
