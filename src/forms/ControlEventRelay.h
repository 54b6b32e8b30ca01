#pragma once

#include <QObject>

namespace forms {

class Control;

// Raises a control's events on its form: change, click, mouse down, got and
// lost focus, from the widget's signals and events.
class ControlEventRelay : public QObject {
    Q_OBJECT
public:
    explicit ControlEventRelay(Control& control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectSignals();
    template <class Raise>
    void RaiseEvent(Raise&& raise);

    Control& control_;
};

}  // namespace forms
