#include "os/painting/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace os {

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double DefaultTwipsPerPixel = 15.0;

const QScreen* PrimaryScreen() {
    return QGuiApplication::instance() == nullptr ? nullptr : QGuiApplication::primaryScreen();
}

}  // namespace

double TwipsPerPixelX() {
    const QScreen* screen = PrimaryScreen();
    return screen == nullptr ? DefaultTwipsPerPixel : TwipsPerInch / screen->logicalDotsPerInchX();
}

double TwipsPerPixelY() {
    const QScreen* screen = PrimaryScreen();
    return screen == nullptr ? DefaultTwipsPerPixel : TwipsPerInch / screen->logicalDotsPerInchY();
}

}  // namespace os
