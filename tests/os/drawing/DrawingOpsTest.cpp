#include "DrawingFixture.h"
#include "os/drawing/DrawRecording.h"

namespace {

using namespace os;
using drawing_tests::DrawingTest;

TEST_F(DrawingTest, FillRectCoversExactlyItsPixels) {
    struct Case { RECT rect; };
    for (const Case& c : {Case{{0, 0, 1, 1}}, Case{{10, 20, 30, 25}}, Case{{199, 0, 200, 100}}}) {
        Fill({0, 0, 200, 100}, White);
        Fill(c.rect, Red);
        EXPECT_EQ(InkBox(), c.rect);
        EXPECT_EQ(Inked({0, 0, 200, 100}), (c.rect.right - c.rect.left) * (c.rect.bottom - c.rect.top));
    }
}

TEST_F(DrawingTest, SystemColourBrushesFillInTheirColour) {
    FillRect(dc, {0, 0, 5, 5}, GetSysColorBrush(COLOR_HIGHLIGHT));
    EXPECT_EQ(Pixel(2, 2), GetSysColor(COLOR_HIGHLIGHT));
    FillRect(dc, {5, 0, 10, 5}, static_cast<HBRUSH>(COLOR_BTNFACE + 1));
    EXPECT_EQ(Pixel(7, 2), GetSysColor(COLOR_BTNFACE));
}

TEST_F(DrawingTest, LinesLeaveOutTheirEndPoint) {
    struct Case { POINT from, to; RECT pixels; };
    const Case cases[] = {
        {{10, 5}, {20, 5}, {10, 5, 20, 6}},    // rightwards
        {{20, 7}, {10, 7}, {11, 7, 21, 8}},    // leftwards
        {{30, 10}, {30, 40}, {30, 10, 31, 40}},  // downwards
        {{32, 40}, {32, 10}, {32, 11, 33, 41}},  // upwards
        {{50, 50}, {60, 60}, {50, 50, 60, 60}},  // diagonal
    };
    const HPEN pen = CreatePen(PS_SOLID, 1, Black);
    const HPEN previous = SelectObject(dc, pen);
    for (const Case& c : cases) {
        Fill({0, 0, 200, 100}, White);
        MoveToEx(dc, c.from.x, c.from.y, nullptr);
        LineTo(dc, c.to.x, c.to.y);
        EXPECT_EQ(InkBox(), c.pixels) << c.from.x << "," << c.from.y << " to " << c.to.x << "," << c.to.y;
    }
    POINT position;
    MoveToEx(dc, 0, 0, &position);
    EXPECT_EQ(position, (POINT{60, 60})) << "the end point becomes the current position";
    EXPECT_EQ(SelectObject(dc, previous), pen);
    DeleteObject(pen);
}

TEST_F(DrawingTest, WidePensAndNullPens) {
    const HPEN wide = CreatePen(PS_SOLID, 3, Black);
    const HPEN previous = SelectObject(dc, wide);
    MoveToEx(dc, 20, 50, nullptr);
    LineTo(dc, 80, 50);
    const RECT box = InkBox();
    EXPECT_EQ(box.bottom - box.top, 3);
    Fill({0, 0, 200, 100}, White);
    SelectObject(dc, GetStockObject(NULL_PEN));
    LineTo(dc, 20, 50);
    EXPECT_EQ(Inked({0, 0, 200, 100}), 0);
    SelectObject(dc, previous);
    DeleteObject(wide);
}

TEST_F(DrawingTest, RectangleIsOutlinedByThePenAndFilledByTheBrush) {
    const HBRUSH brush = CreateSolidBrush(Blue);
    const HBRUSH previous = SelectObject(dc, brush);
    Rectangle(dc, 10, 10, 20, 20);
    EXPECT_EQ(Pixel(10, 10), Black);
    EXPECT_EQ(Pixel(19, 19), Black);
    EXPECT_EQ(Pixel(15, 15), Blue);
    EXPECT_EQ(Pixel(20, 20), White);
    EXPECT_EQ(SelectObject(dc, previous), brush);
    DeleteObject(brush);
}

TEST_F(DrawingTest, AFocusRectangleDrawnTwiceIsGone) {
    const RECT rect{10, 10, 40, 30};
    DrawFocusRect(dc, rect);
    const int dots = Inked({0, 0, 200, 100});
    EXPECT_EQ(InkBox(), rect);
    EXPECT_GT(dots, 40);
    EXPECT_LT(dots, 60) << "dotted: about every other pixel of the 96-pixel frame";
    EXPECT_EQ(Pixel(20, 20), White) << "the inside stays";
    DrawFocusRect(dc, rect);
    EXPECT_EQ(Inked({0, 0, 200, 100}), 0);
}

TEST_F(DrawingTest, AClipRegionKeepsDrawingInsideIt) {
    const HRGN left = CreateRectRgn(0, 0, 20, 20);
    const HRGN right = CreateRectRgn(100, 50, 120, 70);
    const HRGN both = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(both, left, right, RGN_OR), COMPLEXREGION);
    EXPECT_EQ(SelectClipRgn(dc, both), COMPLEXREGION);
    Fill({0, 0, 200, 100}, Red);
    EXPECT_EQ(Pixel(50, 50), CLR_INVALID) << "outside the clip";
    SelectClipRgn(dc, 0);
    EXPECT_EQ(Inked({0, 0, 200, 100}), 2 * 400);
    EXPECT_EQ(Pixel(10, 10), Red);
    EXPECT_EQ(Pixel(110, 60), Red);
    EXPECT_EQ(Pixel(50, 50), White);
    IntersectClipRect(dc, 0, 0, 5, 5);
    Fill({0, 0, 200, 100}, Blue);
    SelectClipRgn(dc, 0);
    EXPECT_EQ(Pixel(4, 4), Blue);
    EXPECT_EQ(Pixel(6, 6), Red);
    for (HRGN r : {left, right, both}) DeleteObject(r);
}

TEST_F(DrawingTest, BitBltCopiesFromAnOffScreenBitmap) {
    const HDC memory = CreateCompatibleDC(dc);
    const HBITMAP bitmap = CreateCompatibleBitmap(dc, 30, 10);
    const HBITMAP previous = SelectObject(memory, bitmap);
    BITMAP size;
    ASSERT_TRUE(GetObject(bitmap, size));
    EXPECT_EQ(size.bmWidth, 30);
    const HBRUSH red = CreateSolidBrush(Red);
    FillRect(memory, {0, 0, 30, 10}, red);
    FillRect(memory, {10, 0, 20, 10}, GetStockObject(BLACK_BRUSH));
    BitBlt(dc, 50, 60, 30, 10, memory, 0, 0, SRCCOPY);
    EXPECT_EQ(InkBox(), (RECT{50, 60, 80, 70}));
    EXPECT_EQ(Pixel(55, 65), Red);
    EXPECT_EQ(Pixel(65, 65), Black);
    SelectObject(memory, previous);
    DeleteObject(red);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

TEST_F(DrawingTest, BitBltWithinOneSurfaceMovesPixels) {
    Fill({0, 0, 10, 10}, Red);
    BitBlt(dc, 5, 5, 10, 10, dc, 0, 0, SRCCOPY);
    EXPECT_EQ(InkBox(), (RECT{0, 0, 15, 15}));
    EXPECT_EQ(Pixel(12, 12), Red);
    EXPECT_EQ(Pixel(3, 12), White);
    EXPECT_EQ(Pixel(12, 3), White);
}

TEST_F(DrawingTest, InvertingOperationsAreUndoneBySecondCall) {
    Fill({0, 0, 20, 20}, Red);
    const HDC memory = CreateCompatibleDC(dc);
    const HBITMAP bitmap = CreateCompatibleBitmap(dc, 40, 40);
    SelectObject(memory, bitmap);
    FillRect(memory, {0, 0, 40, 40}, GetStockObject(GRAY_BRUSH));
    BitBlt(dc, 0, 0, 40, 40, memory, 0, 0, SRCINVERT);
    EXPECT_EQ(Pixel(5, 5), RGB(255, 0, 0) ^ RGB(128, 128, 128));
    BitBlt(dc, 0, 0, 40, 40, memory, 0, 0, SRCINVERT);
    EXPECT_EQ(Pixel(5, 5), Red);
    EXPECT_EQ(Pixel(30, 30), White);
    PatBlt(dc, 0, 0, 40, 40, DSTINVERT);
    EXPECT_EQ(Pixel(5, 5), RGB(0, 255, 255));
    PatBlt(dc, 0, 0, 40, 40, DSTINVERT);
    EXPECT_EQ(Pixel(5, 5), Red);
    DeleteDC(memory);
    DeleteObject(bitmap);
}

TEST_F(DrawingTest, StretchBltScalesTheSource) {
    const HDC memory = CreateCompatibleDC(dc);
    const HBITMAP bitmap = CreateCompatibleBitmap(dc, 2, 1);
    SelectObject(memory, bitmap);
    SetPixel(memory, 0, 0, Red);
    SetPixel(memory, 1, 0, Blue);
    StretchBlt(dc, 10, 10, 20, 10, memory, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(InkBox(), (RECT{10, 10, 30, 20}));
    EXPECT_EQ(Pixel(19, 15), Red);
    EXPECT_EQ(Pixel(20, 15), Blue);
    DeleteDC(memory);
    DeleteObject(bitmap);
}

TEST_F(DrawingTest, ScrollDCMovesPixelsAndReportsWhatItUncovered) {
    Fill({0, 0, 200, 10}, Red);
    const RECT area{0, 0, 200, 100};
    const HRGN uncovered = CreateRectRgn(0, 0, 0, 0);
    RECT uncoveredBox;
    ScrollDC(dc, 0, 30, &area, &area, uncovered, &uncoveredBox);
    EXPECT_EQ(Pixel(100, 35), Red);
    EXPECT_EQ(Pixel(100, 45), White);
    EXPECT_EQ(uncoveredBox, (RECT{0, 0, 200, 30}));
    EXPECT_EQ(drawing_tests::RegionRects(uncovered), (std::vector<RECT>{{0, 0, 200, 30}}));
    DeleteObject(uncovered);
}

TEST_F(DrawingTest, PixelsOutsideTheSurfaceAreInvalid) {
    EXPECT_EQ(GetPixel(dc, -1, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(dc, 200, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(0x1234, 0, 0), CLR_INVALID);
}

TEST_F(DrawingTest, TheRecorderListsCallsWithTheirWindowAndRectangle) {
    DrawingRecorder recorder;
    Fill({1, 2, 3, 4}, Red);
    const HDC memory = CreateCompatibleDC(dc);
    FillRect(memory, {0, 0, 1, 1}, GetStockObject(BLACK_BRUSH));
    RECT textRect{0, 0, 100, 20};
    DrawText(dc, "cell", textRect, DT_SINGLELINE | DT_NOPREFIX);
    const auto fills = recorder.Of("FillRect");
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0].window, control);
    EXPECT_EQ(fills[0].rect, (RECT{1, 2, 3, 4}));
    EXPECT_EQ(fills[0].color, Red);
    EXPECT_EQ(fills[1].window, 0) << "an off-screen context draws on no window";
    ASSERT_EQ(recorder.Of("DrawText", control).size(), 1u);
    EXPECT_EQ(recorder.Of("DrawText", control)[0].text, "cell");
    EXPECT_TRUE(recorder.Of("LineTo").empty());
    DeleteDC(memory);
}

TEST_F(DrawingTest, SelectObjectReturnsWhatItReplaces) {
    const HFONT font = CreateFont(-20, 0, 0, 0, FW_BOLD, false, false, false, "Liberation Sans");
    const HFONT original = SelectObject(dc, font);
    EXPECT_NE(original, 0);
    EXPECT_EQ(SelectObject(dc, original), font);
    EXPECT_EQ(GetObjectType(font), OBJ_FONT);
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_EQ(GetObjectType(font), 0);
    EXPECT_EQ(SelectObject(dc, font), 0) << "a deleted object cannot be selected";
    EXPECT_TRUE(DeleteObject(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(GetObjectType(GetStockObject(WHITE_BRUSH)), OBJ_BRUSH) << "stock objects stay";
    EXPECT_EQ(GetObjectType(dc), OBJ_DC);
}

}  // namespace
