#pragma once

#include <functional>
#include <string>

#include "os/types/Types.h"

namespace os {

// Buttons and icons of a message box, and its answers.
inline constexpr UINT MB_OK = 0x0;
inline constexpr UINT MB_ICONERROR = 0x10;
inline constexpr UINT MB_ICONEXCLAMATION = 0x30;
inline constexpr UINT MB_ICONINFORMATION = 0x40;
inline constexpr int IDOK = 1;

// Shows a modal message with an OK button over the owner window and returns
// the button pressed.
int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

// Test seam: takes the message in place of the screen and answers for the
// user. An empty presenter brings the message box back. Returns the
// presenter that was in place.
using MessageBoxPresenter = std::function<int(HWND owner, const std::string& text, const std::string& caption, UINT type)>;
MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter);

}  // namespace os
