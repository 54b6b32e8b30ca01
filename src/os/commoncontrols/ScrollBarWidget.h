#pragma once

#include <QScrollBar>

#include "os/commoncontrols/ScrollBars.h"

namespace os {

// One scroll bar of a window. The program owns its range, page and
// position; the user's actions on it are sent to the window as scroll
// requests instead of moving it, as the window system's bars behave.
class ScrollBarWidget : public QScrollBar {
    Q_OBJECT
public:
    ScrollBarWidget(HWND window, int bar, QWidget* parent);

    void Read(SCROLLINFO& info) const;
    int Write(const SCROLLINFO& info, bool redraw);
    void SetFlat(bool flat);
    bool IsFlat() const { return flat_; }
    // Sends a request as the bar's scroll message.
    void Request(int request, int position = 0);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void OnAction(int action);
    void OnSliderMoved(int position);
    void OnSliderReleased();
    void ShowState();
    int LastPosition() const;

    HWND window_;
    int bar_;
    SCROLLINFO info_;
    bool flat_ = false;
    bool showing_ = false;  // the program's state is being copied to Qt
};

// Line requests a wheel turn makes: three lines a notch, negative upwards.
int WheelLines(int angleDelta);

}  // namespace os
