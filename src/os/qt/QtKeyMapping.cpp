#include "os/qt/QtKeyMapping.h"

#include <QKeyEvent>
#include <unordered_map>

#include "os/windows/VirtualKeys.h"

namespace os {

namespace {

const std::unordered_map<int, int>& NamedKeys() {
    static const std::unordered_map<int, int> keys = {
        {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB},       {Qt::Key_Backtab, VK_TAB},
        {Qt::Key_Return, VK_RETURN},  {Qt::Key_Enter, VK_RETURN},  {Qt::Key_Shift, VK_SHIFT},
        {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},     {Qt::Key_Escape, VK_ESCAPE},
        {Qt::Key_Space, VK_SPACE},    {Qt::Key_PageUp, VK_PRIOR},  {Qt::Key_PageDown, VK_NEXT},
        {Qt::Key_End, VK_END},        {Qt::Key_Home, VK_HOME},     {Qt::Key_Left, VK_LEFT},
        {Qt::Key_Up, VK_UP},          {Qt::Key_Right, VK_RIGHT},   {Qt::Key_Down, VK_DOWN},
        {Qt::Key_Insert, VK_INSERT},  {Qt::Key_Delete, VK_DELETE},
    };
    return keys;
}

}  // namespace

int VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        const int digit = qtKey - Qt::Key_0;
        return modifiers.testFlag(Qt::KeypadModifier) ? VK_NUMPAD0 + digit : '0' + digit;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return VK_F1 + (qtKey - Qt::Key_F1);
    auto found = NamedKeys().find(qtKey);
    return found == NamedKeys().end() ? 0 : found->second;
}

std::int16_t ShiftStateFromQt(Qt::KeyboardModifiers modifiers) {
    std::int16_t shift = 0;
    if (modifiers.testFlag(Qt::ShiftModifier)) shift |= ShiftMask;
    if (modifiers.testFlag(Qt::ControlModifier)) shift |= CtrlMask;
    if (modifiers.testFlag(Qt::AltModifier)) shift |= AltMask;
    return shift;
}

std::int16_t ButtonFromQt(Qt::MouseButtons buttons) {
    std::int16_t button = 0;
    if (buttons.testFlag(Qt::LeftButton)) button |= LeftButton;
    if (buttons.testFlag(Qt::RightButton)) button |= RightButton;
    if (buttons.testFlag(Qt::MiddleButton)) button |= MiddleButton;
    return button;
}

std::int16_t KeyCharacterFromQt(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.size() != 1) {
        return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter ? 13 : 0;
    }
    const char16_t unit = text.at(0).unicode();
    return unit == 0x7F ? 0 : static_cast<std::int16_t>(unit);
}

}  // namespace os
