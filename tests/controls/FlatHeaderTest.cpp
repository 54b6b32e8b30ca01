#include <gtest/gtest.h>

#include "controls/cFlatHeader.h"
#include "controls/cHeaderControl.h"
#include "os/drawing/Colors.h"
#include "os/drawing/DeviceContext.h"
#include "os/drawing/Drawing.h"
#include "os/painting/Painting.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"
#include "os/testing/WindowInput.h"
#include "runtime/Error.h"

namespace {

class FlatHeaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent = os::CreateWidgetWindow("Grid", 0, {0, 0, 400, 300});
        os::ShowWindow(parent, os::SW_SHOW);
        header.Init(parent, true);
        header.Insert("No", 100);
        header.Insert("A", 100);
    }
    void TearDown() override {
        flat.Detach();
        header.Destroy();
        os::DestroyWindow(parent);
    }

    os::COLORREF Pixel(int x, int y) {
        os::InvalidateRect(header.hWnd(), nullptr, false);
        os::UpdateWindow(header.hWnd());
        const os::HDC dc = os::GetDC(header.hWnd());
        const os::COLORREF colour = os::GetPixel(dc, x, y);
        os::ReleaseDC(header.hWnd(), dc);
        return colour;
    }

    os::HWND parent = 0;
    controls::cHeaderControl header;
    controls::cFlatHeader flat;
};

TEST_F(FlatHeaderTest, AttachFindsTheHeaderItselfOrAmongTheChildren) {
    flat.Attach(parent);
    EXPECT_EQ(flat.Header(), header.hWnd());
    flat.Attach(header.hWnd());
    EXPECT_EQ(flat.Header(), header.hWnd());
}

TEST_F(FlatHeaderTest, AWindowWithoutHeaderRaises26020) {
    const os::HWND plain = os::CreateWidgetWindow("Plain", 0, {0, 0, 50, 50});
    try {
        flat.Attach(plain);
        ADD_FAILURE() << "no error raised";
    } catch (const runtime::Error& error) {
        EXPECT_EQ(error.Number(), controls::ErrorNoHeaderControl);
        EXPECT_EQ(error.Description(), "Invalid Window Passed to cFlatHeader - no header control detected.");
        EXPECT_TRUE(error.Source().ends_with(".cFlatHeader"));
    }
    os::DestroyWindow(plain);
}

TEST_F(FlatHeaderTest, FlatEdgesAreSingleLines) {
    const int bottom = header.Height();
    const os::COLORREF face = os::GetSysColor(os::COLOR_BTNFACE);
    const os::COLORREF shadow = os::GetSysColor(os::COLOR_BTNSHADOW);
    flat.Attach(header.hWnd());
    EXPECT_EQ(Pixel(99, 5), shadow);            // outer right edge of item 0
    EXPECT_EQ(Pixel(50, bottom - 1), shadow);   // its bottom edge
    EXPECT_EQ(Pixel(98, 5), face);              // inner raised edge painted over
    EXPECT_EQ(Pixel(50, bottom - 2), face);
    EXPECT_EQ(Pixel(300, bottom - 2), face);    // beyond the items
}

TEST_F(FlatHeaderTest, APressedItemKeepsItsLighterEdge) {
    const int bottom = header.Height();
    flat.Attach(header.hWnd());
    os::testing::MousePress(header.hWnd(), {50, 10});
    EXPECT_EQ(Pixel(99, 5), os::GetSysColor(os::COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(Pixel(50, bottom - 1), os::GetSysColor(os::COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(Pixel(199, 5), os::GetSysColor(os::COLOR_BTNSHADOW));  // the item not pressed
    os::testing::MouseRelease(header.hWnd(), {50, 10});
    EXPECT_EQ(Pixel(99, 5), os::GetSysColor(os::COLOR_BTNSHADOW));
}

TEST_F(FlatHeaderTest, DetachedHeaderPaintsItsOwnEdges) {
    flat.Attach(header.hWnd());
    flat.Detach();
    EXPECT_NE(Pixel(98, 5), os::GetSysColor(os::COLOR_BTNFACE));
}

}  // namespace
