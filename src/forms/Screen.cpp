#include "forms/Screen.h"

#include <QGuiApplication>
#include <QScreen>

#include "os/painting/Twips.h"

namespace forms {

namespace {

QSize ScreenPixels() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? QSize(0, 0) : screen->geometry().size();
}

QSize AvailablePixels() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? QSize(0, 0) : screen->availableGeometry().size();
}

}  // namespace

double AvailableWidth() { return AvailablePixels().width() * os::TwipsPerPixelX(); }
double AvailableHeight() { return AvailablePixels().height() * os::TwipsPerPixelY(); }
double ScreenWidth() { return ScreenPixels().width() * os::TwipsPerPixelX(); }
double ScreenHeight() { return ScreenPixels().height() * os::TwipsPerPixelY(); }
double TwipsPerPixelX() { return os::TwipsPerPixelX(); }
double TwipsPerPixelY() { return os::TwipsPerPixelY(); }

}  // namespace forms
