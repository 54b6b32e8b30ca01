#pragma once

#include <QPushButton>

namespace forms {

// A push button that the right mouse button clicks as well as the left one.
class PushButtonWidget : public QPushButton {
    Q_OBJECT
public:
    explicit PushButtonWidget(QWidget* parent) : QPushButton(parent) {}

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool rightPressed_ = false;
};

}  // namespace forms
