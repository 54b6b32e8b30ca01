#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <string>
#include <vector>

#include "os/painting/ControlWindow.h"
#include "os/desktop/EventLoop.h"
#include "os/drawing/Gdi.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"

namespace drawing_tests {

// Counts the Paint events of a program-drawn window.
class PaintCounter : public os::ControlOwner {
public:
    int paints = 0;
    int resizes = 0;
    void Paint() override { ++paints; }
    void Resize() override { ++resizes; }
};

// A shown form holding one program-drawn window of 200 x 100 pixels, and a
// device context on it.
class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = os::CreateWidgetWindow("Form", 0, {0, 0, 320, 240});
        control = os::CreateControlWindow(owner, "Canvas", form, {10, 10, 210, 110});
        os::ShowWindow(form, os::SW_SHOW);
        os::ProcessPendingEvents();
        dc = os::GetDC(control);
        Fill({0, 0, 200, 100}, White);
    }
    void TearDown() override {
        os::ReleaseDC(control, dc);
        os::DestroyWindow(form);
    }

    void Fill(const os::RECT& rect, os::COLORREF color) const {
        const os::HBRUSH brush = os::CreateSolidBrush(color);
        os::FillRect(dc, rect, brush);
        os::DeleteObject(brush);
    }
    os::COLORREF Pixel(int x, int y) const { return os::GetPixel(dc, x, y); }
    // How many pixels of the rectangle are not white.
    int Inked(const os::RECT& rect) const {
        int count = 0;
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) count += Pixel(x, y) != White ? 1 : 0;
        }
        return count;
    }
    // The bounding box of the pixels that are not white; empty when none.
    os::RECT InkBox(const os::RECT& within = {0, 0, 200, 100}) const {
        os::RECT box{within.right, within.bottom, within.left, within.top};
        for (int y = within.top; y < within.bottom; ++y) {
            for (int x = within.left; x < within.right; ++x) {
                if (Pixel(x, y) == White) continue;
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
            }
        }
        return box;
    }
    // What the window shows on the screen, through its Qt paint.
    QImage Screen() const { return os::WidgetOf(control)->grab().toImage(); }

    static constexpr os::COLORREF White = os::RGB(255, 255, 255);
    static constexpr os::COLORREF Black = os::RGB(0, 0, 0);
    static constexpr os::COLORREF Red = os::RGB(255, 0, 0);
    static constexpr os::COLORREF Blue = os::RGB(0, 0, 255);

    PaintCounter owner;
    os::HWND form = 0;
    os::HWND control = 0;
    os::HDC dc = 0;
};

inline std::vector<os::RECT> RegionRects(os::HRGN region) {
    std::vector<os::RECT> rects;
    os::GetRegionData(region, rects);
    return rects;
}

}  // namespace drawing_tests
