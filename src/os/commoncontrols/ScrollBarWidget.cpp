#include "os/commoncontrols/ScrollBarWidget.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>

#include "os/windows/Messages.h"
#include "os/windows/Messaging.h"

namespace os {

namespace {

constexpr int LinesPerNotch = 3;
constexpr int DegreesPerNotch = 120;  // angle delta units of one notch

const char* FlatSheet() {
    return "QScrollBar { border: none; background: palette(button); }"
           "QScrollBar::handle { background: palette(mid); border: none; min-width: 12px; min-height: 12px; }"
           "QScrollBar::add-line, QScrollBar::sub-line { background: palette(button); border: none; }";
}

int RequestOfAction(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: return SB_LINEUP;
    case QAbstractSlider::SliderSingleStepAdd: return SB_LINEDOWN;
    case QAbstractSlider::SliderPageStepSub: return SB_PAGEUP;
    case QAbstractSlider::SliderPageStepAdd: return SB_PAGEDOWN;
    case QAbstractSlider::SliderToMinimum: return SB_TOP;
    case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
    default: return -1;
    }
}

}  // namespace

int WheelLines(int angleDelta) { return -angleDelta * LinesPerNotch / DegreesPerNotch; }

ScrollBarWidget::ScrollBarWidget(HWND window, int bar, QWidget* parent)
    : QScrollBar(bar == SB_VERT ? Qt::Vertical : Qt::Horizontal, parent), window_(window), bar_(bar) {
    info_.nMax = 100;
    setFocusPolicy(Qt::NoFocus);
    setTracking(false);
    hide();
    ShowState();
    connect(this, &QAbstractSlider::actionTriggered, this, &ScrollBarWidget::OnAction);
    connect(this, &QAbstractSlider::sliderMoved, this, &ScrollBarWidget::OnSliderMoved);
    connect(this, &QAbstractSlider::sliderReleased, this, &ScrollBarWidget::OnSliderReleased);
}

void ScrollBarWidget::Read(SCROLLINFO& info) const {
    const UINT mask = info.fMask;
    if (mask & SIF_RANGE) {
        info.nMin = info_.nMin;
        info.nMax = info_.nMax;
    }
    if (mask & SIF_PAGE) info.nPage = info_.nPage;
    if (mask & SIF_POS) info.nPos = info_.nPos;
    if (mask & SIF_TRACKPOS) info.nTrackPos = isSliderDown() ? sliderPosition() : info_.nPos;
}

int ScrollBarWidget::LastPosition() const {
    const int page = static_cast<int>(info_.nPage);
    return std::max(info_.nMin, info_.nMax - std::max(page - 1, 0));
}

int ScrollBarWidget::Write(const SCROLLINFO& info, bool redraw) {
    if (info.fMask & SIF_RANGE) {
        info_.nMin = info.nMin;
        info_.nMax = std::max(info.nMin, info.nMax);
    }
    if (info.fMask & SIF_PAGE) info_.nPage = info.nPage;
    const auto span = static_cast<UINT>(info_.nMax - info_.nMin + 1);
    info_.nPage = std::min(info_.nPage, span);
    if (info.fMask & SIF_POS) info_.nPos = info.nPos;
    info_.nPos = std::clamp(info_.nPos, info_.nMin, LastPosition());
    ShowState();
    if (redraw) update();
    return info_.nPos;
}

void ScrollBarWidget::ShowState() {
    showing_ = true;
    const bool dragging = isSliderDown();
    setRange(info_.nMin, LastPosition());
    setPageStep(std::max(1, static_cast<int>(info_.nPage)));
    if (!dragging) setValue(info_.nPos);
    showing_ = false;
}

void ScrollBarWidget::SetFlat(bool flat) {
    flat_ = flat;
    setStyleSheet(flat ? FlatSheet() : "");
}

void ScrollBarWidget::Request(int request, int position) {
    const UINT message = bar_ == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
    const auto wParam = static_cast<WPARAM>(MAKELPARAM(request, position)) & 0xFFFFFFFFu;
    SendMessage(window_, message, wParam, 0);
}

// Qt has already stepped the slider; the step is taken back, and the
// program decides where the bar goes.
void ScrollBarWidget::OnAction(int action) {
    if (showing_) return;
    const int request = RequestOfAction(action);
    setSliderPosition(info_.nPos);
    if (request >= 0) Request(request);
}

void ScrollBarWidget::OnSliderMoved(int position) {
    if (!showing_) Request(SB_THUMBTRACK, position);
}

void ScrollBarWidget::OnSliderReleased() {
    const int dropped = sliderPosition();
    Request(SB_THUMBPOSITION, dropped);
    setSliderPosition(info_.nPos);
}

void ScrollBarWidget::mouseReleaseEvent(QMouseEvent* event) {
    QScrollBar::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) Request(SB_ENDSCROLL);
}

void ScrollBarWidget::wheelEvent(QWheelEvent* event) {
    const int lines = WheelLines(event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x());
    for (int i = 0; i < std::abs(lines); ++i) Request(lines < 0 ? SB_LINEUP : SB_LINEDOWN);
    if (lines != 0) Request(SB_ENDSCROLL);
    event->accept();
}

}  // namespace os
