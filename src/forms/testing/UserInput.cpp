#include "forms/testing/UserInput.h"

#include <QLineEdit>
#include <QPixmap>
#include <QTest>

#include "forms/Control.h"
#include "forms/Form.h"

namespace forms::testing {

namespace {

Qt::MouseButton QtButton(std::int16_t button) {
    if (button == 2) return Qt::RightButton;
    if (button == 4) return Qt::MiddleButton;
    return Qt::LeftButton;
}

}  // namespace

void TypeText(Control& control, const std::string& text) {
    QWidget* widget = control.Widget();
    widget->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->end(false);
    QTest::keyClicks(widget, QString::fromStdString(text));
}

void TypeAtCaret(Control& control, const std::string& text) {
    QTest::keyClicks(control.Widget(), QString::fromStdString(text));
}

void ClearByTyping(Control& control) {
    QWidget* widget = control.Widget();
    widget->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_Delete);
}

void ClickWith(Control& control, std::int16_t button) {
    QWidget* widget = control.Widget();
    QTest::mouseClick(widget, QtButton(button), {}, widget->rect().center());
}

void PressEnter(Control& control) { QTest::keyClick(control.Widget(), Qt::Key_Return); }

bool ActivateWindow(const Form& form) {
    QWidget* widget = form.Widget();
    widget->activateWindow();
    return QTest::qWaitForWindowActive(widget);
}

bool SaveScreenshot(const Form& form, const std::string& path) {
    return form.Widget()->grab().save(QString::fromStdString(path), "PNG");
}

}  // namespace forms::testing
