#pragma once

#include <cstdint>
#include <string>

namespace forms {
class Control;
class Form;
}

namespace forms::testing {

// Input a user gives to a control through Qt, for window tests.
// Gives the control the focus, puts the caret at the end and types the text.
void TypeText(Control& control, const std::string& text);
// Types the text where the caret is.
void TypeAtCaret(Control& control, const std::string& text);
// Empties a text box by selecting all and deleting, as a user does.
void ClearByTyping(Control& control);
// Presses and releases a mouse button (1 left, 2 right, 4 middle) in the middle of the control.
void ClickWith(Control& control, std::int16_t button);
// Presses Enter in the control that has the focus.
void PressEnter(Control& control);
// Makes the form the active window, so that its controls take the focus.
bool ActivateWindow(const Form& form);
// The form's window as an image file (PNG), for looking at the layout.
bool SaveScreenshot(const Form& form, const std::string& path);

}  // namespace forms::testing
