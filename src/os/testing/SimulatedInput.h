#pragma once

#include <cstdint>
#include <string>

#include "os/types/Types.h"

namespace os::testing {

// Real Qt input delivered to a widget-backed window, as a user would give it.
// Keys are virtual-key codes; shift is a sum of ShiftMask, CtrlMask, AltMask.
void KeyClick(HWND window, int virtualKey, std::int16_t shift = 0);
void MouseClick(HWND window, std::int16_t button, POINT clientPoint, std::int16_t shift = 0);

// A single-line text box as a window, for tests of hooked editors.
HWND CreateTextBox(HWND parent);
std::string TextBoxText(HWND textBox);
// How often the text box itself saw Enter.
int TextBoxEnterCount(HWND textBox);

}  // namespace os::testing
