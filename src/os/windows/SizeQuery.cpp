#include "os/windows/SizeQuery.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "os/windows/Messages.h"
#include "os/windows/Messaging.h"

namespace os {

namespace {

QSize FrameExtra(const QWidget& widget) { return widget.frameGeometry().size() - widget.size(); }

MINMAXINFO CurrentLimits(const QWidget& widget) {
    const QSize extra = FrameExtra(widget);
    const QScreen* screen = widget.screen() != nullptr ? widget.screen() : QGuiApplication::primaryScreen();
    const QSize screenSize = screen == nullptr ? QSize(0, 0) : screen->availableGeometry().size();
    MINMAXINFO info{};
    info.ptMaxSize = {screenSize.width(), screenSize.height()};
    info.ptMinTrackSize = {widget.minimumWidth() + extra.width(), widget.minimumHeight() + extra.height()};
    info.ptMaxTrackSize = {std::min(widget.maximumWidth(), screenSize.width() + extra.width()),
                           std::min(widget.maximumHeight(), screenSize.height() + extra.height())};
    return info;
}

}  // namespace

void QueryMinimumSize(HWND window, QWidget& widget) {
    // Applying the answer may resize the window, which asks again.
    static bool querying = false;
    if (querying) return;
    querying = true;
    MINMAXINFO info = CurrentLimits(widget);
    SendMessage(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    const QSize extra = FrameExtra(widget);
    widget.setMinimumSize(std::max(0, info.ptMinTrackSize.x - extra.width()),
                          std::max(0, info.ptMinTrackSize.y - extra.height()));
    querying = false;
}

}  // namespace os
