#pragma once

#include <string>

#include "os/windows/ControlOwner.h"
#include "os/types/Types.h"

namespace os {

// A child window that the program draws itself. It takes the keyboard focus
// on click and tab, and its original procedure delivers its control events
// to the owner, which must outlive the window or destroy it first.
HWND CreateControlWindow(ControlOwner& owner, const std::string& className, HWND parent, const RECT& bounds);

}  // namespace os
