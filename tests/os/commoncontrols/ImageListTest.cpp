#include <vector>

#include "DrawingFixture.h"
#include "os/commoncontrols/ImageLists.h"

namespace {

using namespace os;
using drawing_tests::DrawingTest;

// Two 4 x 4 images side by side: a red one and a green one, each with a
// magenta (transparent) top-left pixel.
HBITMAP TwoImages() {
    std::vector<std::uint32_t> pixels(8 * 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 8; ++x) pixels[y * 8 + x] = x < 4 ? 0xFFFF0000u : 0xFF00FF00u;
    }
    pixels[0] = 0xFFFF00FFu;
    pixels[4] = 0xFFFF00FFu;
    return CreateBitmapFromPixels(8, 4, pixels.data());
}

class ImageListDrawing : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        list = ImageList_Create(4, 4, ILC_COLOR32 | ILC_MASK, 2, 2);
        bitmap = TwoImages();
        first = ImageList_AddMasked(list, bitmap, RGB(255, 0, 255));
        Fill({0, 0, 200, 100}, Blue);
    }
    void TearDown() override {
        ImageList_Destroy(list);
        DeleteObject(bitmap);
        DrawingTest::TearDown();
    }
    HIMAGELIST list = 0;
    HBITMAP bitmap = 0;
    int first = -1;
};

TEST_F(ImageListDrawing, ImagesAreCutFromTheBitmap) {
    EXPECT_EQ(first, 0);
    EXPECT_EQ(ImageList_GetImageCount(list), 2);
    int width = 0;
    int height = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list, width, height));
    EXPECT_EQ(width, 4);
    EXPECT_EQ(height, 4);
}

TEST_F(ImageListDrawing, TransparentDrawingLeavesMaskedPixels) {
    ImageList_Draw(list, 1, dc, 10, 10, ILD_TRANSPARENT);
    EXPECT_EQ(Pixel(10, 10), Blue) << "the masked pixel";
    EXPECT_EQ(Pixel(11, 11), RGB(0, 255, 0));
    EXPECT_EQ(Pixel(14, 14), Blue) << "beyond the image";
    EXPECT_FALSE(ImageList_Draw(list, 2, dc, 0, 0, ILD_TRANSPARENT));
}

TEST_F(ImageListDrawing, BlendedDrawingMixesInTheHighlight) {
    ImageList_DrawEx(list, 0, dc, 20, 20, 0, 0, CLR_NONE, RGB(0, 0, 0), ILD_TRANSPARENT | ILD_BLEND50);
    const COLORREF mixed = Pixel(22, 22);
    EXPECT_NEAR(GetRValue(mixed), 128, 3) << "half red, half black";
    EXPECT_EQ(Pixel(20, 20), Blue);
}

TEST_F(ImageListDrawing, IconsDrawnNormallyAndDisabled) {
    const HICON icon = ImageList_GetIcon(list, 0, ILD_NORMAL);
    ASSERT_NE(icon, 0);
    DrawState(dc, 0, icon, 0, 30, 30, 0, 0, DST_ICON | DSS_NORMAL);
    EXPECT_EQ(Pixel(32, 32), RGB(255, 0, 0));
    DrawState(dc, 0, icon, 0, 40, 30, 0, 0, DST_ICON | DSS_DISABLED);
    EXPECT_NE(Pixel(42, 32), RGB(255, 0, 0));
    EXPECT_NE(Pixel(42, 32), Blue);
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_FALSE(DestroyIcon(icon));
}

}  // namespace
