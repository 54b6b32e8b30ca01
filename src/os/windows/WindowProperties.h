#pragma once

#include <string>
#include <vector>

#include "os/types/Types.h"

namespace os {

// Named pointer-sized values on a window. Names are compared without regard
// to case; a missing property reads as 0.
LONG_PTR GetProp(HWND window, const std::string& name);
bool SetProp(HWND window, const std::string& name, LONG_PTR value);
// Returns the value the property had, 0 when there was none.
LONG_PTR RemoveProp(HWND window, const std::string& name);
// Names of the window's properties, in lower case.
std::vector<std::string> EnumPropNames(HWND window);

}  // namespace os
