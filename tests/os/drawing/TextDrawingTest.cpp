#include "DrawingFixture.h"

namespace {

using namespace os;
using drawing_tests::DrawingTest;

class TextTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        SetBkMode(dc, TRANSPARENT);
    }
    int Height(std::string_view text, UINT format, int width) {
        RECT rect{0, 0, width, 0};
        return DrawText(dc, text, rect, format | DT_CALCRECT);
    }
};

TEST_F(TextTest, TextLandsInsideItsRectangleForEachAlignment) {
    struct Case { UINT format; const char* where; };
    const RECT cell{20, 10, 180, 90};
    const Case cases[] = {
        {DT_LEFT | DT_TOP, "left top"},       {DT_CENTER | DT_TOP, "centre top"},
        {DT_RIGHT | DT_TOP, "right top"},     {DT_LEFT | DT_VCENTER, "left middle"},
        {DT_CENTER | DT_VCENTER, "centre middle"}, {DT_RIGHT | DT_BOTTOM, "right bottom"},
    };
    for (const Case& c : cases) {
        Fill({0, 0, 200, 100}, White);
        RECT rect = cell;
        DrawText(dc, "Gear 40", rect, c.format | DT_SINGLELINE | DT_NOPREFIX);
        const RECT ink = InkBox();
        SCOPED_TRACE(c.where);
        ASSERT_FALSE(IsRectEmpty(ink));
        EXPECT_GE(ink.left, cell.left);
        EXPECT_LE(ink.right, cell.right);
        EXPECT_GE(ink.top, cell.top);
        EXPECT_LE(ink.bottom, cell.bottom);
        const int middleX = (ink.left + ink.right) / 2;
        const int middleY = (ink.top + ink.bottom) / 2;
        if (c.format & DT_CENTER) {
            EXPECT_NEAR(middleX, 100, 3);
        }
        if (c.format & DT_RIGHT) {
            EXPECT_GE(ink.right, cell.right - 3);
        }
        if ((c.format & (DT_CENTER | DT_RIGHT)) == 0) {
            EXPECT_LE(ink.left, cell.left + 3);
        }
        if (c.format & DT_VCENTER) {
            EXPECT_NEAR(middleY, 50, 4);
        }
        if (c.format & DT_BOTTOM) {
            EXPECT_GE(ink.bottom, cell.bottom - 5);
        }
        if ((c.format & (DT_VCENTER | DT_BOTTOM)) == 0) {
            EXPECT_LE(ink.top, cell.top + 5);
        }
    }
}

TEST_F(TextTest, TextIsClippedToItsRectangleUnlessAskedNotTo) {
    RECT narrow{10, 10, 30, 30};
    DrawText(dc, "a rather long text", narrow, DT_SINGLELINE | DT_NOPREFIX);
    const RECT ink = InkBox();
    EXPECT_LE(ink.right, 30);
    Fill({0, 0, 200, 100}, White);
    DrawText(dc, "a rather long text", narrow, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    EXPECT_GT(InkBox().right, 30);
}

TEST_F(TextTest, WordWrappedTextMeasuresTallerThanOneLine) {
    const char* text = "thread pitch of the lead screw";
    const int single = Height(text, DT_SINGLELINE, 60);
    const int wrapped = Height(text, DT_WORDBREAK, 60);
    EXPECT_GT(single, 0);
    EXPECT_GE(wrapped, 3 * single);
    EXPECT_EQ(wrapped % single, 0) << "whole lines";
    RECT rect{0, 0, 60, 0};
    DrawText(dc, text, rect, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_LE(rect.right, 60) << "each line fits";
    EXPECT_EQ(rect.bottom, wrapped);
    EXPECT_EQ(Inked({0, 0, 200, 100}), 0) << "measuring draws nothing";
}

TEST_F(TextTest, CalculatingASingleLineGivesItsWidth) {
    RECT rect{5, 5, 6, 6};
    const int height = DrawText(dc, "Gear", rect, DT_SINGLELINE | DT_CALCRECT);
    SIZE extent;
    GetTextExtentPoint32(dc, "Gear", extent);
    EXPECT_EQ(rect, (RECT{5, 5, 5 + extent.cx, 5 + height}));
    EXPECT_EQ(height, extent.cy);
    RECT empty{5, 5, 50, 50};
    EXPECT_EQ(DrawText(dc, "", empty, DT_CALCRECT), 0);
}

TEST_F(TextTest, EllipsisShortensTextToFit) {
    struct Case { UINT flag; const char* text; const char* mustEndWith; };
    const Case cases[] = {
        {DT_END_ELLIPSIS, "0.123456789012345", "..."},
        {DT_WORD_ELLIPSIS, "change gear train", "..."},
        {DT_PATH_ELLIPSIS, "C:\\work\\gears\\results.csv", "\\results.csv"},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        RECT rect{0, 0, 70, 20};
        DrawText(dc, text, rect, c.flag | DT_SINGLELINE | DT_NOPREFIX | DT_MODIFYSTRING);
        SCOPED_TRACE(c.text);
        EXPECT_NE(text, c.text);
        EXPECT_TRUE(text.ends_with(c.mustEndWith)) << text;
        EXPECT_NE(text.find("..."), std::string::npos);
        RECT measured{0, 0, 70, 20};
        DrawText(dc, c.text, measured, c.flag | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
        EXPECT_LE(measured.right, 70);
    }
    std::string fits = "40";
    RECT wide{0, 0, 100, 20};
    DrawText(dc, fits, wide, DT_END_ELLIPSIS | DT_SINGLELINE | DT_MODIFYSTRING);
    EXPECT_EQ(fits, "40") << "text that fits is left alone";
}

TEST_F(TextTest, AmpersandsAreMnemonicsUnlessNoPrefix) {
    SIZE plain;
    GetTextExtentPoint32(dc, "File", plain);
    RECT withPrefix{0, 0, 100, 20};
    DrawText(dc, "&File", withPrefix, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(withPrefix.right, plain.cx);
    RECT noPrefix{0, 0, 100, 20};
    DrawText(dc, "&File", noPrefix, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    EXPECT_GT(noPrefix.right, plain.cx);
}

TEST_F(TextTest, ColoursAndOpaqueBackground) {
    SetTextColor(dc, Red);
    SetBkColor(dc, Blue);
    SetBkMode(dc, OPAQUE);
    RECT rect{10, 10, 190, 40};
    DrawText(dc, "Gear", rect, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(Pixel(11, 11), Blue) << "the text's box is filled";
    EXPECT_EQ(Pixel(150, 11), White) << "beyond the text there is no fill";
    bool reddish = false;
    for (int x = 10; x < 40 && !reddish; ++x) {
        for (int y = 10; y < 25 && !reddish; ++y) reddish = GetRValue(Pixel(x, y)) > 200 && GetBValue(Pixel(x, y)) < 100;
    }
    EXPECT_TRUE(reddish);
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(SetTextColor(dc, Black), Red);
}

TEST_F(TextTest, ARotatedFontWritesUpwards) {
    const HFONT turned = CreateFont(FontHeightForPoints(10), 0, 900, 900, FW_BOLD, false, false, false, "Liberation Sans");
    const HFONT previous = SelectObject(dc, turned);
    TextOut(dc, 3, 90, "Kestrany");
    const RECT ink = InkBox();
    EXPECT_GT(ink.bottom - ink.top, 2 * (ink.right - ink.left));
    EXPECT_LE(ink.bottom, 91);
    EXPECT_GE(ink.left, 2);
    SelectObject(dc, previous);
    DeleteObject(turned);
}

TEST_F(TextTest, LargerFontsMeasureLarger) {
    TEXTMETRIC small;
    GetTextMetrics(dc, small);
    const HFONT big = CreateFont(FontHeightForPoints(24), 0, 0, 0, FW_BOLD, true, false, false, "Liberation Sans");
    const HFONT previous = SelectObject(dc, big);
    TEXTMETRIC large;
    GetTextMetrics(dc, large);
    EXPECT_GT(large.tmHeight, 2 * small.tmHeight);
    EXPECT_EQ(large.tmHeight, large.tmAscent + large.tmDescent);
    LOGFONT description;
    GetObject(big, description);
    EXPECT_TRUE(description.lfItalic);
    EXPECT_EQ(description.lfHeight, -32);
    SelectObject(dc, previous);
    DeleteObject(big);
}

}  // namespace
