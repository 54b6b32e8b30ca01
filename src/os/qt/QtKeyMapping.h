#pragma once

#include <QFlags>
#include <Qt>
#include <cstdint>

class QKeyEvent;

namespace os {

// The virtual-key code of a Qt key (0 for keys without one); keypad digits
// map to the numeric-pad codes when the keypad modifier is set.
int VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers);
// The shift state (ShiftMask, CtrlMask, AltMask) of Qt modifiers.
std::int16_t ShiftStateFromQt(Qt::KeyboardModifiers modifiers);
// The character of a key press as the KeyPress event carries it; 0 when the
// key produces none (arrows, function keys) or more than one 16-bit unit.
std::int16_t KeyCharacterFromQt(const QKeyEvent& event);
// The button code (LeftButton, ...) of Qt mouse buttons.
std::int16_t ButtonFromQt(Qt::MouseButtons buttons);

}  // namespace os
