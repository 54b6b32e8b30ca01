#include "os/painting/SystemMetrics.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

#include "os/painting/Twips.h"

namespace os {

namespace {

const QScreen* Screen() { return qGuiApp != nullptr ? QGuiApplication::primaryScreen() : nullptr; }

int ScrollBarExtent() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return 17;
    return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

int ScrollArrowLength() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return 17;
    return std::max(QApplication::style()->pixelMetric(QStyle::PM_ScrollBarSliderMin), ScrollBarExtent());
}

}  // namespace

int GetSystemMetrics(int index) {
    const QScreen* screen = Screen();
    switch (index) {
    case SM_CXSCREEN: return screen != nullptr ? screen->geometry().width() : 0;
    case SM_CYSCREEN: return screen != nullptr ? screen->geometry().height() : 0;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL: return ScrollBarExtent();
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return ScrollArrowLength();
    case SM_CYCAPTION: return 23;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXFRAME:
    case SM_CYFRAME: return 4;
    case SM_CXICON:
    case SM_CYICON: return 32;
    default: return 0;
    }
}

double ScreenWidthTwips() { return GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixelX(); }

double ScreenHeightTwips() { return GetSystemMetrics(SM_CYSCREEN) * TwipsPerPixelY(); }

}  // namespace os
