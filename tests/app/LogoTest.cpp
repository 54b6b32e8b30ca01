#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "app/about/cLogo.h"
#include "os/drawing/Colors.h"
#include "os/drawing/DeviceContext.h"
#include "os/drawing/Drawing.h"
#include "os/drawing/GdiObjects.h"
#include "os/painting/Painting.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"

namespace {

constexpr int kStrip = 18;

// A window the logo draws on, with pixels read back from its surface.
class LogoTest : public ::testing::Test {
protected:
    void Open(int height) {
        height_ = height;
        window_ = os::CreateWidgetWindow("LogoTest", 0, {0, 0, 60, height});
        os::AttachSurface(window_);
        logo.SetDrawingObject(window_);
        logo.SetRect(0, 0, kStrip, height);
    }
    ~LogoTest() override {
        if (window_ != 0) os::DestroyWindow(window_);
    }
    os::COLORREF Pixel(int x, int y) const {
        const os::HDC dc = os::GetDC(window_);
        const os::COLORREF colour = os::GetPixel(dc, x, y);
        os::ReleaseDC(window_, dc);
        return colour;
    }
    std::vector<os::COLORREF> Pixels() const {
        std::vector<os::COLORREF> all;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < 60; ++x) all.push_back(Pixel(x, y));
        return all;
    }
    static os::COLORREF Rgb(os::OLE_COLOR colour) { return static_cast<os::COLORREF>(os::TranslateColor(colour)); }

    app::cLogo logo;
    os::HWND window_ = 0;
    int height_ = 0;
};

TEST_F(LogoTest, DefaultsAndColoursAsSet) {
    EXPECT_EQ(logo.StartColor(), 0u);
    EXPECT_EQ(logo.EndColor(), os::SystemColorBase + os::COLOR_BTNFACE);
    logo.SetStartColor(os::SystemColorBase + os::COLOR_ACTIVECAPTION);
    EXPECT_EQ(logo.StartColor(), os::SystemColorBase + os::COLOR_ACTIVECAPTION);
}

// The bottom rows take StartColor, the top row EndColor, in bands of
// height / 255 pixels, across the strip's width only.
TEST_F(LogoTest, GradientRunsFromStartAtTheBottomToEndAtTheTop) {
    struct Case {
        os::OLE_COLOR start;
        os::OLE_COLOR end;
        int height;
        int band;
    };
    const Case cases[] = {
        {0, os::RGB(255, 255, 255), 190, 1},
        {os::RGB(250, 10, 30), os::RGB(10, 240, 90), 600, 2},
        {os::RGB(0, 0, 255), os::SystemColorBase + os::COLOR_BTNFACE, 9, 1},
        {os::SystemColorBase + os::COLOR_ACTIVECAPTION, 0, 1020, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        Open(c.height);
        logo.SetStartColor(c.start);
        logo.SetEndColor(c.end);
        logo.Draw();
        const int bottom = c.height - 1;
        EXPECT_EQ(Pixel(0, bottom), Rgb(c.start));
        EXPECT_EQ(Pixel(kStrip - 1, bottom), Rgb(c.start));
        EXPECT_EQ(Pixel(kStrip - 1, 0), Rgb(c.end));
        EXPECT_NE(Pixel(kStrip, bottom), Rgb(c.start));
        // The whole bottom band is one colour, the band above it another.
        EXPECT_EQ(Pixel(5, bottom - (c.band - 1)), Rgb(c.start));
        if (c.height >= 100) {
            EXPECT_NE(Pixel(5, bottom - c.band), Rgb(c.start));
        }
        os::DestroyWindow(window_);
        window_ = 0;
    }
}

TEST_F(LogoTest, CaptionInkLiesInTheStripAndReadsUpwards) {
    Open(190);
    logo.SetEndColor(os::RGB(0, 0, 96));
    os::LOGFONT font;
    font.lfFaceName = "Liberation Sans";
    font.lfHeight = os::FontHeightForPoints(8);
    font.lfWeight = os::FW_BOLD;
    logo.SetFont(font);
    logo.Draw();
    const std::vector<os::COLORREF> plain = Pixels();
    logo.SetCaption("KESTRANY");
    logo.Draw();
    const std::vector<os::COLORREF> captioned = Pixels();
    int left = 60, right = -1, top = 190, bottom = -1;
    for (int i = 0; i < static_cast<int>(plain.size()); ++i) {
        if (plain[i] == captioned[i]) continue;
        const int x = i % 60, y = i / 60;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    ASSERT_GE(right, 0) << "no caption drawn";
    EXPECT_GE(left, 3);
    EXPECT_LT(right, kStrip);
    EXPECT_LE(bottom, 190 - 16);
    EXPECT_GT(bottom - top, 3 * (right - left));  // a line of text standing on end
}

TEST_F(LogoTest, RotatedFontIsMadeOnFirstDrawAndReleasedWithTheLogo) {
    Open(100);
    auto owned = std::make_unique<app::cLogo>();
    owned->SetDrawingObject(window_);
    owned->SetRect(0, 0, kStrip, 100);
    owned->SetCaption("K");
    EXPECT_EQ(owned->RotatedFont(), 0);
    owned->Draw();
    const os::HFONT font = owned->RotatedFont();
    ASSERT_EQ(os::GetObjectType(font), os::OBJ_FONT);
    os::LOGFONT made;
    ASSERT_TRUE(os::GetObject(font, made));
    EXPECT_EQ(made.lfEscapement, 900);
    owned->Draw();
    EXPECT_EQ(owned->RotatedFont(), font);
    owned.reset();
    EXPECT_EQ(os::GetObjectType(font), 0);
}

TEST_F(LogoTest, NothingIsDrawnWithoutAWindowOrOnAnEmptyStrip) {
    Open(50);
    const std::vector<os::COLORREF> before = Pixels();
    const os::RECT strips[] = {{0, 20, kStrip, 20}, {0, 30, kStrip, 10}, {5, 0, 5, 50}};
    for (const os::RECT& strip : strips) {
        logo.SetRect(strip.left, strip.top, strip.right, strip.bottom);
        logo.Draw();
    }
    logo.SetRect(0, 0, kStrip, 50);
    logo.SetDrawingObject(0);
    logo.Draw();
    EXPECT_EQ(Pixels(), before);
}

}  // namespace
