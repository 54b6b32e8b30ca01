#pragma once

#include <cstdint>
#include <string>

#include "os/types/GdiTypes.h"
#include "os/windows/ControlOwner.h"
#include "os/types/Types.h"

namespace os {

// A single-line text box as a child window of parent, hidden at first.
// A key reaches the window's procedure as WM_KEYDOWN first; what the
// procedure passes on goes to the owner's KeyDown, then (for a character)
// KeyPress, and only then to the text box, unless the owner set the code
// to 0. KeyUp and the loss of the focus go to the owner as well. Keys never
// travel on to the parent. The owner must outlive the window.
HWND CreateEditBox(ControlOwner& owner, HWND parent);

std::string EditBoxText(HWND box);
void SetEditBoxText(HWND box, const std::string& text);
// Replaces the selected text (or inserts at the caret); the caret stands after it.
void ReplaceEditBoxSelection(HWND box, const std::string& text);
// The caret position in characters; a position past the end means the end.
void SetEditBoxCaret(HWND box, std::int32_t position);
std::int32_t EditBoxCaret(HWND box);

// Horizontal alignment of the text: 0 left, 1 centred, 2 right.
void SetEditBoxAlignment(HWND box, std::int32_t alignment);
std::int32_t EditBoxAlignment(HWND box);
void SetEditBoxBackColor(HWND box, COLORREF colour);
COLORREF EditBoxBackColor(HWND box);
// Flat: no sunken border; otherwise the three-dimensional frame.
void SetEditBoxFlat(HWND box, bool flat);
bool EditBoxFlat(HWND box);

}  // namespace os
