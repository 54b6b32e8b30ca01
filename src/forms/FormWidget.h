#pragma once

#include <QWidget>

namespace forms {

class Form;

// The top-level widget of a form: raises the form's resize and unload events
// and on Enter clicks the push button that has the focus, else the default
// button; on Escape the cancel button.
class FormWidget : public QWidget {
    Q_OBJECT
public:
    explicit FormWidget(Form& form);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Form& form_;
};

}  // namespace forms
