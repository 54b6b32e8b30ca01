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

// The buttons held, as a sum of 1 left, 2 right, 4 middle.
std::int16_t ButtonsCode(Qt::MouseButtons buttons) {
    return static_cast<std::int16_t>((buttons.testFlag(Qt::LeftButton) ? 1 : 0) |
                                     (buttons.testFlag(Qt::RightButton) ? 2 : 0) |
                                     (buttons.testFlag(Qt::MiddleButton) ? 4 : 0));
}

}  // namespace

ControlEventRelay::ControlEventRelay(Control& control) : QObject(control.Widget()), control_(control) {
    control.Widget()->installEventFilter(this);
    // Labels and pictures hear of the mouse passing over them, not only of drags.
    if (ReportsEveryMove()) control.Widget()->setMouseTracking(true);
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

bool ControlEventRelay::ReportsEveryMove() const {
    return control_.Kind() == ControlKind::Label || control_.Kind() == ControlKind::Picture;
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
        leftPressed_ = mouse->button() == Qt::LeftButton;
        RaiseEvent([&](FormEvents& events) { events.MouseDown(control_, button, shift, x, y); });
        break;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const std::int16_t buttons = ButtonsCode(mouse->buttons());
        const std::int16_t shift = ShiftCode(mouse->modifiers());
        const auto x = static_cast<float>(mouse->position().x() * os::TwipsPerPixelX());
        const auto y = static_cast<float>(mouse->position().y() * os::TwipsPerPixelY());
        RaiseEvent([&](FormEvents& events) { events.MouseMove(control_, buttons, shift, x, y); });
        break;
    }
    case QEvent::MouseButtonRelease: {
        // A label has no click signal: a left press and release over it is its click.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool click = leftPressed_ && mouse->button() == Qt::LeftButton &&
                           control_.Kind() == ControlKind::Label &&
                           control_.Widget()->rect().contains(mouse->position().toPoint());
        leftPressed_ = false;
        if (click) RaiseEvent([this](FormEvents& events) { events.Click(control_); });
        break;
    }
    case QEvent::FocusIn: RaiseEvent([this](FormEvents& events) { events.GotFocus(control_); }); break;
    case QEvent::FocusOut: RaiseEvent([this](FormEvents& events) { events.LostFocus(control_); }); break;
    default: break;
    }
    return false;
}

}  // namespace forms
