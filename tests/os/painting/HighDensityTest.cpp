#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QWidget>

#include "os/painting/ControlWindow.h"
#include "os/desktop/EventLoop.h"
#include "os/drawing/Gdi.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"

// Runs on a screen of two physical pixels per logical pixel.
namespace {

using namespace os;

class NoEvents : public ControlOwner {};

TEST(HighDensitySurface, OnePixelLinesCoverWholePhysicalPixels) {
    NoEvents owner;
    const HWND form = CreateWidgetWindow("Form", 0, {0, 0, 120, 80});
    const HWND control = CreateControlWindow(owner, "Canvas", form, {0, 0, 100, 50});
    ShowWindow(form, SW_SHOW);
    ProcessPendingEvents();
    ASSERT_EQ(WidgetOf(control)->devicePixelRatioF(), 2.0);
    const HDC dc = GetDC(control);
    FillRect(dc, {0, 0, 100, 50}, GetStockObject(WHITE_BRUSH));
    MoveToEx(dc, 10, 20, nullptr);
    LineTo(dc, 60, 20);
    EXPECT_EQ(GetPixel(dc, 30, 20), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 30, 21), RGB(255, 255, 255));
    ReleaseDC(control, dc);
    ProcessPendingEvents();

    const QImage screen = WidgetOf(control)->grab().toImage();
    ASSERT_EQ(screen.width(), 200) << "the screen image has physical pixels";
    for (int y : {40, 41}) EXPECT_EQ(screen.pixelColor(60, y), QColor(Qt::black)) << y;
    for (int y : {39, 42}) EXPECT_EQ(screen.pixelColor(60, y), QColor(Qt::white)) << "crisp, no blur at " << y;
    EXPECT_EQ(screen.pixelColor(19, 40), QColor(Qt::white));
    EXPECT_EQ(screen.pixelColor(20, 40), QColor(Qt::black));
    DestroyWindow(form);
}

TEST(HighDensitySurface, CompatibleBitmapsCopyWithoutScaling) {
    NoEvents owner;
    const HWND form = CreateWidgetWindow("Form", 0, {0, 0, 120, 80});
    const HWND control = CreateControlWindow(owner, "Canvas", form, {0, 0, 100, 50});
    const HDC dc = GetDC(control);
    const HDC memory = CreateCompatibleDC(dc);
    const HBITMAP bitmap = CreateCompatibleBitmap(memory, 10, 10);
    SelectObject(memory, bitmap);
    FillRect(memory, {0, 0, 10, 10}, GetStockObject(WHITE_BRUSH));
    SetPixel(memory, 4, 4, RGB(255, 0, 0));
    BitBlt(dc, 20, 20, 10, 10, memory, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(dc, 24, 24), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 25, 24), RGB(255, 255, 255));
    DeleteDC(memory);
    DeleteObject(bitmap);
    ReleaseDC(control, dc);
    DestroyWindow(form);
}

}  // namespace
