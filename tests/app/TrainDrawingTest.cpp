#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "app/main/GearSketch.h"
#include "app/main/TrainDrawing.h"
#include "calc/texts/ResultColumns.h"
#include "calc/gears/TrainGeometry.h"
#include "forms/testing/UserInput.h"
#include "os/testing/SimulatedInput.h"
#include "os/desktop/EventLoop.h"
#include "os/windows/VirtualKeys.h"
#include "forms/PictureCanvas.h"

namespace {

constexpr auto kMarks = static_cast<std::int32_t>(calc::ColumnOf(calc::ResultField::Marks));

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
    forms::PictureCanvas& canvas = *Controls().sketch.Picture();
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

namespace {

// The picture follows the results grid's focus row.
class FocusTrainTest : public MainWindowTest {
protected:
    void Calculate(const std::string& pitch) {
        forms::testing::ClearByTyping(Inputs().request);
        forms::testing::TypeText(Inputs().request, pitch);
        forms::testing::ClickWith(Controls().calculate, 1);
    }
    void ClickRow(int row) {
        window->Grid().EnsureVisible(row, 1, true);
        os::ProcessPendingEvents();
        const os::RECT r = window->Grid().CellRect(row, 1);
        os::testing::MouseClick(window->GridView().Window(), os::LeftButton,
                                {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
    Picture Shown() { return Read(*Controls().sketch.Picture()); }
    int RowMarked(const std::string& mark) {
        const auto marks = static_cast<std::int32_t>(calc::ColumnOf(calc::ResultField::Marks));
        for (int r = 0; r < window->Grid().Rows(); ++r)
            if (window->Grid().TextMatrix(r, marks).find(mark) != std::string::npos) return r;
        return -1;
    }
};

TEST_F(FocusTrainTest, TheFocusRowsTrainIsShownAndTheSketchComesBack) {
    Open();
    const Picture sketch = Shown();
    Inputs().includeIntersecting.SetCheckValue(1);
    Calculate("1.0");
    ASSERT_GT(window->Grid().Rows(), 26);
    EXPECT_EQ(Shown().pixels, sketch.pixels) << "no row chosen yet";

    ClickRow(1);
    const Picture clean = Shown();
    EXPECT_NE(clean.pixels, sketch.pixels);
    EXPECT_EQ(clean.red, 0) << window->Grid().TextMatrix(1, kMarks);

    const int fouled = RowMarked("sec D");
    ASSERT_GE(fouled, 0);
    ClickRow(fouled);
    EXPECT_GT(Shown().red, 0);

    os::testing::KeyClick(window->GridView().Window(), os::VK_HOME);
    EXPECT_EQ(Shown().red, 0) << "the keyboard moves the picture along";

    Calculate("123456");  // finds nothing: the grid is emptied
    EXPECT_EQ(window->Grid().Rows(), 0);
    EXPECT_EQ(Shown().pixels, sketch.pixels);
}

}  // namespace
