#include <QWidget>

#include "DrawingFixture.h"
#include "HookedProcedure.h"
#include "os/windows/Messages.h"

namespace {

using namespace os;
using drawing_tests::DrawingTest;
using drawing_tests::RegionRects;
using testing_support::HookedProcedure;

// Records the update region each paint message carries, then passes it on.
class PaintMessages : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        ProcessPendingEvents();
        owner.paints = 0;
        hook = std::make_unique<HookedProcedure>(control, [this](HookedProcedure& self, HWND h, UINT m, WPARAM w, LPARAM l) {
            if (m == WM_PAINT) {
                const HRGN region = CreateRectRgn(0, 0, 0, 0);
                GetUpdateRgn(h, region, false);
                regions.push_back(RegionRects(region));
                DeleteObject(region);
                if (swallow) return LRESULT{0};
            }
            return self.PassOn(h, m, w, l);
        });
    }
    void TearDown() override {
        hook.reset();
        DrawingTest::TearDown();
    }
    bool UpdateRegionEmpty() const {
        const HRGN region = CreateRectRgn(0, 0, 0, 0);
        const int kind = GetUpdateRgn(control, region, false);
        DeleteObject(region);
        return kind == NULLREGION;
    }

    std::unique_ptr<HookedProcedure> hook;
    std::vector<std::vector<RECT>> regions;
    bool swallow = false;
};

TEST_F(PaintMessages, OneMessageCarriesTheUnionOfTheInvalidatedRectangles) {
    const RECT first{0, 0, 20, 10};
    const RECT second{50, 40, 70, 60};
    InvalidateRect(control, &first, false);
    InvalidateRect(control, &second, false);
    EXPECT_EQ(owner.paints, 0) << "the paint waits for the event loop";
    ProcessPendingEvents();
    ASSERT_EQ(regions.size(), 1u);
    EXPECT_EQ(regions[0], (std::vector<RECT>{first, second}));
    EXPECT_EQ(owner.paints, 1);
    EXPECT_TRUE(UpdateRegionEmpty()) << "default paint handling empties the region";
}

TEST_F(PaintMessages, ManyInvalidationsMakeOnePaint) {
    for (int row = 0; row < 50; ++row) {
        const RECT cell{0, row * 2, 200, row * 2 + 2};
        InvalidateRect(control, &cell, false);
    }
    ProcessPendingEvents();
    EXPECT_EQ(hook->Count(WM_PAINT), 1);
    EXPECT_EQ(owner.paints, 1);
}

TEST_F(PaintMessages, InvalidatingNothingOrOutsideMakesNoPaint) {
    const RECT outside{300, 300, 320, 320};
    InvalidateRect(control, &outside, false);
    ProcessPendingEvents();
    EXPECT_EQ(hook->Count(WM_PAINT), 0);
    EXPECT_TRUE(UpdateRegionEmpty());
}

TEST_F(PaintMessages, UpdateWindowSendsThePaintAtOnce) {
    InvalidateRect(control, nullptr, false);
    UpdateWindow(control);
    EXPECT_EQ(owner.paints, 1);
    ASSERT_EQ(regions.size(), 1u);
    EXPECT_EQ(regions[0], (std::vector<RECT>{{0, 0, 200, 100}}));
    ProcessPendingEvents();
    EXPECT_EQ(owner.paints, 1) << "no second paint once the region is empty";
    UpdateWindow(control);
    EXPECT_EQ(owner.paints, 1) << "nothing to paint, no message";
}

TEST_F(PaintMessages, AProcedureThatKeepsThePaintKeepsTheRegion) {
    swallow = true;
    InvalidateRect(control, nullptr, false);
    ProcessPendingEvents();
    EXPECT_EQ(hook->Count(WM_PAINT), 1);
    EXPECT_EQ(owner.paints, 0);
    EXPECT_FALSE(UpdateRegionEmpty());
}

TEST_F(PaintMessages, EraseFillsTheInvalidAreaWithTheBackgroundFirst) {
    Fill({0, 0, 200, 100}, Red);
    const RECT area{10, 10, 30, 30};
    InvalidateRect(control, &area, true);
    UpdateWindow(control);
    EXPECT_NE(Pixel(15, 15), Red);
    EXPECT_EQ(Pixel(40, 40), Red);
}

TEST_F(PaintMessages, BeginPaintClipsToTheUpdateRegion) {
    Fill({0, 0, 200, 100}, White);
    swallow = true;
    const RECT area{20, 20, 40, 30};
    InvalidateRect(control, &area, false);
    PAINTSTRUCT paint;
    const HDC painting = BeginPaint(control, paint);
    EXPECT_EQ(paint.rcPaint, area);
    const HBRUSH brush = CreateSolidBrush(Blue);
    FillRect(painting, {0, 0, 200, 100}, brush);
    DeleteObject(brush);
    EndPaint(control, paint);
    EXPECT_EQ(Pixel(25, 25), Blue);
    EXPECT_EQ(Pixel(50, 25), White);
    EXPECT_TRUE(UpdateRegionEmpty());
}

TEST_F(DrawingTest, DrawingOutsideAPaintReachesTheScreen) {
    Fill({5, 5, 15, 15}, Red);
    ProcessPendingEvents();
    const QImage screen = Screen();
    EXPECT_EQ(screen.pixelColor(7, 7), QColor(Qt::red));
    EXPECT_EQ(screen.pixelColor(20, 20), QColor(Qt::white));
}

TEST_F(DrawingTest, QtRepaintsComeFromTheSurfaceWithoutAPaintEvent) {
    ProcessPendingEvents();
    Fill({0, 0, 200, 100}, Blue);
    owner.paints = 0;
    WidgetOf(control)->repaint();
    EXPECT_EQ(owner.paints, 0);
    EXPECT_EQ(Screen().pixelColor(100, 50), QColor(Qt::blue));
}

TEST_F(DrawingTest, ResizeKeepsTheContentAndInvalidatesTheNewArea) {
    ProcessPendingEvents();
    Fill({0, 0, 10, 10}, Red);
    owner.resizes = 0;
    MoveWindow(control, 10, 10, 250, 150);
    EXPECT_GE(owner.resizes, 1);
    EXPECT_EQ(Pixel(5, 5), Red);
    const HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(control, region, false);
    const HRGN expected = CreateRectRgn(0, 0, 250, 150);
    const HRGN old = CreateRectRgn(0, 0, 200, 100);
    CombineRgn(expected, expected, old, RGN_DIFF);
    EXPECT_TRUE(EqualRgn(region, expected));
    for (HRGN r : {region, expected, old}) DeleteObject(r);
    RECT client;
    GetClientRect(control, client);
    EXPECT_EQ(client, (RECT{0, 0, 250, 150}));
}

TEST_F(DrawingTest, TheScreenContextDrawsOnTheWindowUnderThePoint) {
    ProcessPendingEvents();
    RECT onScreen;
    GetWindowRect(control, onScreen);
    const HDC screen = GetDC(0);
    PatBlt(screen, onScreen.left + 4, onScreen.top, 2, 50, DSTINVERT);
    EXPECT_EQ(Pixel(4, 10), Black);
    EXPECT_EQ(Pixel(6, 10), White);
    PatBlt(screen, onScreen.left + 4, onScreen.top, 2, 50, DSTINVERT);
    EXPECT_EQ(Pixel(4, 10), White) << "inverting twice restores";
    ReleaseDC(0, screen);
}

TEST_F(DrawingTest, GetDCGivesAnyWidgetWindowASurface) {
    const HWND plain = CreateWidgetWindow("Picture", form, {0, 150, 40, 190});
    EXPECT_FALSE(HasSurface(plain));
    const HDC picture = GetDC(plain);
    EXPECT_TRUE(HasSurface(plain));
    SetPixel(picture, 3, 3, Red);
    EXPECT_EQ(GetPixel(picture, 3, 3), Red);
    ReleaseDC(plain, picture);
    EXPECT_EQ(GetDC(0x7FFFFFF0), 0) << "no window, no context";
}

}  // namespace
