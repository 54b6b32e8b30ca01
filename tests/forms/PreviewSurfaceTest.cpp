#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include "RecordingEvents.h"
#include "forms/Form.h"
#include "forms/PreviewSurface.h"
#include "os/drawing/Colors.h"
#include "os/types/QtConversions.h"
#include "os/desktop/EventLoop.h"
#include "os/painting/Twips.h"

namespace {

constexpr std::uint32_t kBack = os::SystemColorBase + os::COLOR_HIGHLIGHTTEXT;

class PreviewSurfaceTest : public ::testing::Test {
protected:
    PreviewSurfaceTest() {
        form.SetClientSize(13110, 6885);
        form.Show();
        os::ProcessPendingEvents();
    }
    QAbstractScrollArea& Area() { return *form.Widget()->findChild<QAbstractScrollArea*>(); }
    // Draws `count` lines 240 twips apart below a top margin, as a table does.
    void DrawLines(int count) {
        for (int i = 0; i < count; ++i) {
            surface.SetCurrentX(900);
            surface.SetCurrentY(900 + 240 * i);
            ASSERT_TRUE(surface.MakeRoom(240 + 900));
            surface.Print("Line " + std::to_string(i + 1) + " XXXXXXXX");
        }
        os::ProcessPendingEvents();
    }
    void Wheel(int notches) {
        QWidget* viewport = Area().viewport();
        const QPointF at(viewport->width() / 2.0, viewport->height() / 2.0);
        QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &event);
    }
    // Whether a band of the visible part (pixel rows of the viewport) holds any text.
    bool BandHasInk(const QImage& view, int top, int bottom) const {
        const QRgb back = view.pixel(view.width() - 1, 0);
        for (int y = std::max(0, top); y < std::min(view.height(), bottom); ++y) {
            for (int x = 0; x < view.width(); ++x) {
                if (view.pixel(x, y) != back) return true;
            }
        }
        return false;
    }

    RecordingEvents events;
    forms::Form form{"frmPrint", events};
    forms::PreviewSurface surface{form, kBack};
};

TEST_F(PreviewSurfaceTest, TheMouseWheelScrollsToTheLastLine) {
    DrawLines(300);
    EXPECT_GE(surface.SurfaceHeight(), 900 + 240 * 300 + 900 - 15);
    EXPECT_NEAR(form.ScaleHeight(), 6885, 15);
    EXPECT_EQ(surface.ScrollTop(), 0);
    const QImage top = Area().viewport()->grab().toImage();
    EXPECT_TRUE(BandHasInk(top, 60, 76));  // the first line at 900 twips
    for (int i = 0; i < 200 && surface.ScrollTop() < surface.ScrollMax(); ++i) Wheel(1);
    ASSERT_GT(surface.ScrollMax(), 0);
    EXPECT_EQ(surface.ScrollTop(), surface.ScrollMax());
    os::ProcessPendingEvents();
    const QImage end = Area().viewport()->grab().toImage();
    // The last line is 900 twips (60 pixels) above the end, then only background.
    const int lastTop = end.height() - 60 - 16;
    EXPECT_TRUE(BandHasInk(end, lastTop, lastTop + 16));
    EXPECT_FALSE(BandHasInk(end, end.height() - 55, end.height()));
    const forms::DrawnText& last = surface.Texts().back();
    EXPECT_EQ(last.text, "Line 300 XXXXXXXX");
    EXPECT_GE(last.y, surface.ScrollTop());
    EXPECT_LE(last.y + 240, surface.ScrollTop() + surface.ViewHeight());
}

// Text drawn while the view stands in the middle shows where it lands: in
// the view, and below it once scrolled to.
TEST_F(PreviewSurfaceTest, TextDrawnWhileScrolledShowsWhereItLands) {
    DrawLines(300);
    surface.SetScrollTop(surface.ScrollMax() / 2);
    os::ProcessPendingEvents();
    const std::int32_t inView = surface.ScrollTop() + 1200;
    surface.SetCurrentX(9000);
    surface.SetCurrentY(inView);
    surface.Print("WWWWWWWW");
    surface.SetCurrentY(surface.ScrollTop() + surface.ViewHeight() + 2400);  // below the view
    surface.Print("WWWWWWWW");
    os::ProcessPendingEvents();
    const QImage view = Area().viewport()->grab().toImage();
    const int top = static_cast<int>((inView - surface.ScrollTop()) / os::TwipsPerPixelY());
    const QImage right = view.copy(9000 / static_cast<int>(os::TwipsPerPixelX()) - 2, 0, 200, view.height());
    EXPECT_TRUE(BandHasInk(right, top, top + 16));
    surface.SetScrollTop(surface.ScrollTop() + surface.ViewHeight());
    os::ProcessPendingEvents();
    const QImage below = Area().viewport()->grab().toImage();
    EXPECT_TRUE(BandHasInk(below.copy(9000 / static_cast<int>(os::TwipsPerPixelX()) - 2, 0, 200, below.height()), 0,
                           below.height()));
}

// A table of millions of rows is taller than any window can be; the
// surface still scrolls down to its last line and shows it.
TEST_F(PreviewSurfaceTest, ADrawingTallerThanAnyWindowScrollsToItsEnd) {
    DrawLines(3);
    const std::int32_t far = 900'000'000;  // 3.75 million rows of 240 twips
    surface.SetCurrentX(900);
    surface.SetCurrentY(far);
    ASSERT_TRUE(surface.MakeRoom(240 + 900));
    surface.Print("Line 3750000 XXXXXXXX");
    EXPECT_GE(surface.SurfaceHeight(), far + 240 + 900 - 15);
    surface.SetScrollTop(surface.ScrollMax());
    os::ProcessPendingEvents();
    EXPECT_GE(surface.ScrollTop(), far + 240 + 900 - surface.ViewHeight() - 15);
    const QImage end = Area().viewport()->grab().toImage();
    const int lastTop = end.height() - 60 - 16;
    EXPECT_TRUE(BandHasInk(end, lastTop, lastTop + 16));
    EXPECT_FALSE(BandHasInk(end, 0, lastTop - 4));
    surface.SetScrollTop(0);
    os::ProcessPendingEvents();
    EXPECT_TRUE(BandHasInk(Area().viewport()->grab().toImage(), 60, 76));  // the first line again
}

TEST_F(PreviewSurfaceTest, ClearingEmptiesTheSurfaceAndKeepsTheFont) {
    surface.SetFontSize(10);
    surface.SetFontItalic(true);
    DrawLines(100);
    surface.SetScrollTop(surface.ScrollMax());
    surface.Clear();
    os::ProcessPendingEvents();
    EXPECT_TRUE(surface.Texts().empty());
    EXPECT_EQ(surface.ScrollTop(), 0);
    EXPECT_EQ(surface.ScrollMax(), 0);
    EXPECT_EQ(surface.CurrentY(), 0);
    EXPECT_EQ(surface.FontSize(), 10);
    EXPECT_TRUE(surface.FontItalic());
    const QImage view = Area().viewport()->grab().toImage();
    EXPECT_FALSE(BandHasInk(view, 0, view.height()));
    const QColor back = os::ToQColor(static_cast<os::COLORREF>(os::TranslateColor(kBack)));
    EXPECT_EQ(QColor(view.pixel(5, 5)), back);
}

TEST_F(PreviewSurfaceTest, TheSurfaceFollowsTheWindowsSize) {
    DrawLines(10);
    form.SetClientSize(6000, 3000);
    os::ProcessPendingEvents();
    EXPECT_EQ(Area().size(), form.Widget()->size());
    EXPECT_GT(surface.ScrollMax(), 0);  // 10 lines no longer fit
    EXPECT_EQ(surface.Texts().size(), 10u);
}

}  // namespace
