#pragma once

#include <QObject>
#include <QPointer>

#include "os/commoncontrols/ScrollBarWidget.h"

namespace os {

// The horizontal and vertical bar of one window, kept along its right and
// bottom edges, with the square where they meet.
class WindowScrollBars : public QObject {
    Q_OBJECT
public:
    WindowScrollBars(HWND window, QWidget& widget);

    // The window's bars; nullptr without a widget (create: make them now).
    static WindowScrollBars* Of(HWND window, bool create);

    ScrollBarWidget& Bar(int bar) { return bar == SB_VERT ? *vertical_ : *horizontal_; }
    void Show(int bar, bool show);
    bool IsShown(int bar) const;
    SIZE Insets() const;
    void Place();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OnWheel(const class QWheelEvent& event);

    QWidget& widget_;
    ScrollBarWidget* horizontal_;
    ScrollBarWidget* vertical_;
    QWidget* corner_;
    bool shown_[2] = {false, false};
};

}  // namespace os
