#pragma once

#include <QObject>

namespace forms {

class Control;

// Raises a control's events on its form: change, click, mouse down and move,
// got and lost focus, from the widget's signals and events.
class ControlEventRelay : public QObject {
    Q_OBJECT
public:
    explicit ControlEventRelay(Control& control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectSignals();
    bool ReportsEveryMove() const;
    template <class Raise>
    void RaiseEvent(Raise&& raise);

    Control& control_;
    bool leftPressed_ = false;  // a left press on the control awaits its release
};

}  // namespace forms
