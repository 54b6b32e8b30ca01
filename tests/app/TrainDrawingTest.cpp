#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "app/GearSketch.h"
#include "app/TrainDrawing.h"
#include "calc/TrainGeometry.h"
#include "forms/PictureCanvas.h"

namespace {

bool IsFaultRed(std::int32_t rgb) {
    const int r = rgb & 0xFF, g = (rgb >> 8) & 0xFF, b = (rgb >> 16) & 0xFF;
    return r > 160 && g < 90 && b < 90;
}

struct Picture {
    std::vector<std::int32_t> pixels;
    int red = 0;
};

Picture Read(const forms::PictureCanvas& canvas) {
    Picture picture;
    for (int y = 0; y < canvas.PixelHeight(); ++y)
        for (int x = 0; x < canvas.PixelWidth(); ++x) {
            picture.pixels.push_back(canvas.Pixel(x, y));
            if (IsFaultRed(picture.pixels.back())) ++picture.red;
        }
    return picture;
}

TEST_F(MainWindowTest, ATrainIsDrawnToScaleWithItsFaultsInRed) {
    Open(false);
    forms::PictureCanvas& canvas = *Item("Image1").Picture();
    const Picture sketch = Read(canvas);
    struct Case {
        const char* what;
        calc::TrainGeometry train;
        bool red;
    };
    const Case cases[] = {
        {"clean", calc::CompoundTrainGeometry(40, 80, 30, 60), false},
        {"sec D", calc::CompoundTrainGeometry(60, 80, 20, 40), true},
        {"sec A", calc::CompoundTrainGeometry(20, 20, 60, 80), true},
        {"low", calc::CompoundTrainGeometry(20, 20, 20, 20), true},
        {"two gears", calc::SimpleTrainGeometry(20, 127), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        app::DrawTrain(canvas, c.train);
        const Picture drawn = Read(canvas);
        EXPECT_NE(drawn.pixels, sketch.pixels);
        EXPECT_EQ(drawn.red > 0, c.red) << drawn.red;
    }
    app::DrawGearSketch(canvas);
    EXPECT_EQ(Read(canvas).pixels, sketch.pixels);
}

}  // namespace
