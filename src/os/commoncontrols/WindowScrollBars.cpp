#include "os/commoncontrols/WindowScrollBars.h"

#include <QEvent>
#include <QWheelEvent>
#include <QWidget>

#include "os/commoncontrols/ScrollBars.h"
#include "os/painting/SystemMetrics.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"
#include "runtime/HandlerBoundary.h"

namespace os {

namespace {

// The thickness the desktop gives scroll bars, so that what the program
// reserves for them matches what they take.
int BarExtent(const QScrollBar& bar) {
    return GetSystemMetrics(bar.orientation() == Qt::Vertical ? SM_CXVSCROLL : SM_CYHSCROLL);
}

}  // namespace

WindowScrollBars::WindowScrollBars(HWND window, QWidget& widget)
    : QObject(&widget),
      widget_(widget),
      horizontal_(new ScrollBarWidget(window, SB_HORZ, &widget)),
      vertical_(new ScrollBarWidget(window, SB_VERT, &widget)),
      corner_(new QWidget(&widget)) {
    setObjectName("WindowScrollBars");
    corner_->setAutoFillBackground(true);
    corner_->setBackgroundRole(QPalette::Button);
    corner_->hide();
    widget.installEventFilter(this);
    SetClientInsetsQuery(&ScrollBarInsets);
}

WindowScrollBars* WindowScrollBars::Of(HWND window, bool create) {
    QWidget* widget = WidgetOf(window);
    if (widget == nullptr) return nullptr;
    auto* bars = widget->findChild<WindowScrollBars*>("WindowScrollBars", Qt::FindDirectChildrenOnly);
    if (bars == nullptr && create) bars = new WindowScrollBars(window, *widget);
    return bars;
}

void WindowScrollBars::Show(int bar, bool show) {
    shown_[bar == SB_VERT ? 1 : 0] = show;
    Place();
}

bool WindowScrollBars::IsShown(int bar) const { return shown_[bar == SB_VERT ? 1 : 0]; }

SIZE WindowScrollBars::Insets() const {
    return {shown_[1] ? BarExtent(*vertical_) : 0, shown_[0] ? BarExtent(*horizontal_) : 0};
}

void WindowScrollBars::Place() {
    const SIZE insets = Insets();
    const int width = widget_.width();
    const int height = widget_.height();
    horizontal_->setGeometry(0, height - insets.cy, width - insets.cx, insets.cy);
    vertical_->setGeometry(width - insets.cx, 0, insets.cx, height - insets.cy);
    corner_->setGeometry(width - insets.cx, height - insets.cy, insets.cx, insets.cy);
    horizontal_->setVisible(shown_[0]);
    vertical_->setVisible(shown_[1]);
    corner_->setVisible(shown_[0] && shown_[1]);
    for (QWidget* part : {static_cast<QWidget*>(horizontal_), static_cast<QWidget*>(vertical_), corner_}) {
        part->raise();
    }
}

bool WindowScrollBars::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &widget_) return false;
    if (event->type() == QEvent::Resize) runtime::RunHandler([&] { Place(); });
    if (event->type() != QEvent::Wheel) return false;
    bool consumed = false;
    runtime::RunHandler([&] { consumed = OnWheel(*static_cast<QWheelEvent*>(event)); });
    return consumed;
}

// The wheel over the window scrolls it through its vertical bar.
bool WindowScrollBars::OnWheel(const QWheelEvent& event) {
    if (!shown_[1] || !vertical_->isEnabled()) return false;
    const int lines = WheelLines(event.angleDelta().y());
    for (int i = 0; i < std::abs(lines); ++i) vertical_->Request(lines < 0 ? SB_LINEUP : SB_LINEDOWN);
    if (lines != 0) vertical_->Request(SB_ENDSCROLL);
    return true;
}

}  // namespace os
