#include "os/testing/SimulatedInput.h"

#include <QLineEdit>
#include <QTest>
#include <unordered_map>

#include "os/windows/VirtualKeys.h"
#include "os/qt/WidgetWindows.h"

namespace os::testing {

namespace {

Qt::Key QtKeyFromVirtual(int virtualKey) {
    if (virtualKey >= 'A' && virtualKey <= 'Z') return static_cast<Qt::Key>(Qt::Key_A + (virtualKey - 'A'));
    if (virtualKey >= '0' && virtualKey <= '9') return static_cast<Qt::Key>(Qt::Key_0 + (virtualKey - '0'));
    static const std::unordered_map<int, Qt::Key> keys = {
        {VK_BACK, Qt::Key_Backspace}, {VK_TAB, Qt::Key_Tab},     {VK_RETURN, Qt::Key_Return},
        {VK_ESCAPE, Qt::Key_Escape},  {VK_SPACE, Qt::Key_Space}, {VK_PRIOR, Qt::Key_PageUp},
        {VK_NEXT, Qt::Key_PageDown},  {VK_END, Qt::Key_End},     {VK_HOME, Qt::Key_Home},
        {VK_LEFT, Qt::Key_Left},      {VK_UP, Qt::Key_Up},       {VK_RIGHT, Qt::Key_Right},
        {VK_DOWN, Qt::Key_Down},      {VK_INSERT, Qt::Key_Insert}, {VK_DELETE, Qt::Key_Delete},
    };
    auto found = keys.find(virtualKey);
    return found == keys.end() ? Qt::Key_unknown : found->second;
}

Qt::KeyboardModifiers QtModifiers(std::int16_t shift) {
    Qt::KeyboardModifiers modifiers;
    if (shift & ShiftMask) modifiers |= Qt::ShiftModifier;
    if (shift & CtrlMask) modifiers |= Qt::ControlModifier;
    if (shift & AltMask) modifiers |= Qt::AltModifier;
    return modifiers;
}

Qt::MouseButton QtButton(std::int16_t button) {
    if (button == RightButton) return Qt::RightButton;
    if (button == MiddleButton) return Qt::MiddleButton;
    return Qt::LeftButton;
}

class CountingLineEdit : public QLineEdit {
public:
    explicit CountingLineEdit(QWidget* parent) : QLineEdit(parent) {
        connect(this, &QLineEdit::returnPressed, this, [this] { ++enterCount; });
    }
    int enterCount = 0;
};

}  // namespace

void KeyClick(HWND window, int virtualKey, std::int16_t shift) {
    if (QWidget* widget = WidgetOf(window)) QTest::keyClick(widget, QtKeyFromVirtual(virtualKey), QtModifiers(shift));
}

void MouseClick(HWND window, std::int16_t button, POINT clientPoint, std::int16_t shift) {
    if (QWidget* widget = WidgetOf(window)) {
        QTest::mouseClick(widget, QtButton(button), QtModifiers(shift), QPoint(clientPoint.x, clientPoint.y));
    }
}

HWND CreateTextBox(HWND parent) { return RegisterWidget(new CountingLineEdit(WidgetOf(parent)), "Edit"); }

std::string TextBoxText(HWND textBox) {
    auto* edit = dynamic_cast<QLineEdit*>(WidgetOf(textBox));
    return edit == nullptr ? std::string() : edit->text().toStdString();
}

int TextBoxEnterCount(HWND textBox) {
    auto* edit = dynamic_cast<CountingLineEdit*>(WidgetOf(textBox));
    return edit == nullptr ? 0 : edit->enterCount;
}

}  // namespace os::testing
