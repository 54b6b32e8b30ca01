#include "forms/FormWidget.h"

#include <QPushButton>
#include <QCloseEvent>
#include <QKeyEvent>

#include "forms/Form.h"
#include "runtime/HandlerBoundary.h"

namespace forms {

FormWidget::FormWidget(Form& form) : QWidget(nullptr), form_(form) {}

void FormWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (form_.RaisingEvents() && form_.Loaded()) runtime::RunHandler([this] { form_.Events().Resize(); });
}

void FormWidget::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    if (form_.RaisingEvents()) runtime::RunHandler([&] { form_.Events().Unload(cancel); });
    if (cancel) event->ignore(); else event->accept();
}

void FormWidget::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escape = event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier;
    // Enter presses the push button that has the focus, else the default
    // button; Escape presses the cancel button.
    QAbstractButton* widget = enter ? qobject_cast<QPushButton*>(focusWidget()) : nullptr;
    if (widget == nullptr) {
        Control* button = enter ? form_.DefaultButton() : escape ? form_.CancelButton() : nullptr;
        widget = button == nullptr ? nullptr : qobject_cast<QAbstractButton*>(button->Widget());
    }
    if (widget != nullptr && widget->isEnabled() && widget->isVisible()) {
        widget->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace forms
