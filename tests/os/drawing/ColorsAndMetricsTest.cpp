#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>
#include <QStyle>

#include "os/drawing/Gdi.h"

namespace {

using namespace os;

COLORREF FromPalette(QPalette::ColorGroup group, QPalette::ColorRole role) {
    const QColor color = QApplication::palette().color(group, role);
    return RGB(color.red(), color.green(), color.blue());
}

TEST(SystemColours, ComeFromThePalette) {
    struct Case { int index; QPalette::ColorGroup group; QPalette::ColorRole role; };
    const Case cases[] = {
        {COLOR_ACTIVECAPTION, QPalette::Active, QPalette::Highlight},
        {COLOR_WINDOW, QPalette::Active, QPalette::Base},
        {COLOR_WINDOWTEXT, QPalette::Active, QPalette::Text},
        {COLOR_APPWORKSPACE, QPalette::Active, QPalette::Mid},
        {COLOR_HIGHLIGHT, QPalette::Active, QPalette::Highlight},
        {COLOR_HIGHLIGHTTEXT, QPalette::Active, QPalette::HighlightedText},
        {COLOR_BTNFACE, QPalette::Active, QPalette::Button},
        {COLOR_BTNSHADOW, QPalette::Active, QPalette::Dark},
        {COLOR_GRAYTEXT, QPalette::Disabled, QPalette::Text},
        {COLOR_BTNTEXT, QPalette::Active, QPalette::ButtonText},
        {COLOR_BTNHIGHLIGHT, QPalette::Active, QPalette::Light},
    };
    for (const Case& c : cases) EXPECT_EQ(GetSysColor(c.index), FromPalette(c.group, c.role)) << c.index;
    EXPECT_EQ(GetSysColor(-1), 0u);
    EXPECT_EQ(GetSysColor(99), 0u);
}

TEST(SystemColours, FollowAChangedPalette) {
    const QPalette original = QApplication::palette();
    QPalette changed = original;
    changed.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    QApplication::setPalette(changed);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(1, 2, 3));
    QApplication::setPalette(original);
}

TEST(OleColours, TranslateRgbSystemAndInvalidValues) {
    struct Case { OLE_COLOR color; std::int32_t expected; };
    const Case cases[] = {
        {0x000000FF, 0x000000FF},
        {0x00123456, 0x00123456},
        {0x80000005, static_cast<std::int32_t>(GetSysColor(COLOR_WINDOW))},
        {0x8000000F, static_cast<std::int32_t>(GetSysColor(COLOR_BTNFACE))},
        {0x800000FF, -1},
        {0x01000000, -1},
        {0xFFFFFFFF, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(TranslateColor(c.color), c.expected) << std::hex << c.color;
    COLORREF untouched = 7;
    EXPECT_NE(OleTranslateColor(0x800000FF, 0, untouched), 0);
    EXPECT_EQ(untouched, 7u);
}

TEST(SystemMetrics, ScrollBarsScreenAndTwips) {
    const int extent = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), extent);
    EXPECT_EQ(GetSystemMetrics(SM_CYHSCROLL), extent);
    EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
    EXPECT_DOUBLE_EQ(ScreenWidthTwips(), GetSystemMetrics(SM_CXSCREEN) * 1440.0 / GetDeviceCaps(0, LOGPIXELSX));
    EXPECT_EQ(GetSystemMetrics(-5), 0);
}

TEST(Rects, Arithmetic) {
    RECT rect{10, 10, 20, 20};
    InflateRect(rect, 2, -1);
    EXPECT_EQ(rect, (RECT{8, 11, 22, 19}));
    RECT overlap;
    EXPECT_TRUE(IntersectRect(overlap, {0, 0, 10, 10}, {5, 5, 15, 15}));
    EXPECT_EQ(overlap, (RECT{5, 5, 10, 10}));
    EXPECT_FALSE(IntersectRect(overlap, {0, 0, 10, 10}, {10, 0, 20, 10}));
    RECT both;
    UnionRect(both, {0, 0, 1, 1}, {5, 5, 6, 6});
    EXPECT_EQ(both, (RECT{0, 0, 6, 6}));
    EXPECT_TRUE(PtInRect({0, 0, 10, 10}, {9, 9}));
    EXPECT_FALSE(PtInRect({0, 0, 10, 10}, {10, 5}));
}

TEST(Regions, CombineAndRead) {
    struct Case { RECT a, b; int mode; int kind; std::vector<RECT> rects; };
    const Case cases[] = {
        {{0, 0, 10, 10}, {20, 0, 30, 10}, RGN_OR, COMPLEXREGION, {{0, 0, 10, 10}, {20, 0, 30, 10}}},
        {{0, 0, 10, 10}, {10, 0, 20, 10}, RGN_OR, SIMPLEREGION, {{0, 0, 20, 10}}},
        {{0, 0, 10, 10}, {5, 5, 15, 15}, RGN_AND, SIMPLEREGION, {{5, 5, 10, 10}}},
        {{0, 0, 10, 10}, {0, 0, 10, 10}, RGN_DIFF, NULLREGION, {}},
        {{0, 0, 10, 10}, {0, 0, 0, 0}, RGN_COPY, SIMPLEREGION, {{0, 0, 10, 10}}},
    };
    for (const Case& c : cases) {
        const HRGN a = CreateRectRgnIndirect(c.a);
        const HRGN b = CreateRectRgnIndirect(c.b);
        const HRGN result = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(CombineRgn(result, a, b, c.mode), c.kind);
        std::vector<RECT> rects;
        ASSERT_TRUE(GetRegionData(result, rects));
        EXPECT_EQ(rects, c.rects);
        for (HRGN r : {a, b, result}) DeleteObject(r);
    }
    const HRGN region = CreateRectRgn(0, 0, 0, 0);
    SetRectRgn(region, 3, 4, 5, 6);
    RECT box;
    EXPECT_EQ(GetRgnBox(region, box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{3, 4, 5, 6}));
    EXPECT_TRUE(PtInRegion(region, 4, 5));
    DeleteObject(region);
    EXPECT_EQ(CombineRgn(region, region, region, RGN_OR), RGN_ERROR) << "a deleted region";
}

}  // namespace
