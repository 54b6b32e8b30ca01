#include "forms/ControlEventRelay.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include "forms/Control.h"
#include "forms/Form.h"
#include "os/painting/Twips.h"
#include "runtime/HandlerBoundary.h"

namespace forms {

namespace {

std::int16_t ButtonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

std::int16_t ShiftCode(Qt::KeyboardModifiers modifiers) {
    return static_cast<std::int16_t>((modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
                                     (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
                                     (modifiers.testFlag(Qt::AltModifier) ? 4 : 0));
}

}  // namespace

ControlEventRelay::ControlEventRelay(Control& control) : QObject(control.Widget()), control_(control) {
    control.Widget()->installEventFilter(this);
    ConnectSignals();
}

template <class Raise>
void ControlEventRelay::RaiseEvent(Raise&& raise) {
    Form& form = control_.Parent();
    if (!form.RaisingEvents()) return;
    runtime::RunHandler([&] { raise(form.Events()); });
}

void ControlEventRelay::ConnectSignals() {
    QWidget* widget = control_.Widget();
    auto change = [this] { RaiseEvent([this](FormEvents& events) { events.Change(control_); }); };
    auto click = [this] { RaiseEvent([this](FormEvents& events) { events.Click(control_); }); };
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        connect(edit, &QLineEdit::textChanged, this, change);
    } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        connect(option, &QRadioButton::toggled, this, [click](bool on) {
            if (on) click();
        });
    } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        connect(check, &QCheckBox::stateChanged, this, click);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        connect(button, &QPushButton::clicked, this, click);
    }
}

bool ControlEventRelay::eventFilter(QObject* watched, QEvent* event) {
    if (watched != control_.Widget()) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const std::int16_t button = ButtonCode(mouse->button());
        const std::int16_t shift = ShiftCode(mouse->modifiers());
        const auto x = static_cast<float>(mouse->position().x() * os::TwipsPerPixelX());
        const auto y = static_cast<float>(mouse->position().y() * os::TwipsPerPixelY());
        RaiseEvent([&](FormEvents& events) { events.MouseDown(control_, button, shift, x, y); });
        break;
    }
    case QEvent::FocusIn: RaiseEvent([this](FormEvents& events) { events.GotFocus(control_); }); break;
    case QEvent::FocusOut: RaiseEvent([this](FormEvents& events) { events.LostFocus(control_); }); break;
    default: break;
    }
    return false;
}

}  // namespace forms
