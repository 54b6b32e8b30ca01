#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <string>
#include <vector>

#include "HookedProcedure.h"
#include "os/painting/ControlWindow.h"
#include "os/windows/Messages.h"
#include "os/painting/Painting.h"
#include "os/windows/VirtualKeys.h"
#include "os/qt/WidgetWindows.h"

namespace {

using namespace os;
using testing_support::HookedProcedure;

// Writes every control event down as a line of text.
class RecordingOwner : public ControlOwner {
public:
    std::vector<std::string> events;
    std::int16_t replaceKeyCode = -1;

    void KeyDown(std::int16_t& keyCode, std::int16_t& shift) override {
        Add("KeyDown " + std::to_string(keyCode) + " " + std::to_string(shift));
        if (replaceKeyCode >= 0) keyCode = replaceKeyCode;
    }
    void KeyPress(std::int16_t& keyAscii) override { Add("KeyPress " + std::to_string(keyAscii)); }
    void KeyUp(std::int16_t& keyCode, std::int16_t& shift) override {
        Add("KeyUp " + std::to_string(keyCode) + " " + std::to_string(shift));
    }
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override { Mouse("MouseDown", button, shift, x, y); }
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override { Mouse("MouseMove", button, shift, x, y); }
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override { Mouse("MouseUp", button, shift, x, y); }
    void Click() override { Add("Click"); }
    void DblClick() override { Add("DblClick"); }
    void GotFocus() override { Add("GotFocus"); }
    void LostFocus() override { Add("LostFocus"); }
    void Resize() override { Add("Resize"); }
    void Paint() override { Add("Paint"); }

    int Count(const std::string& event) const {
        int count = 0;
        for (const std::string& seen : events) count += seen == event ? 1 : 0;
        return count;
    }

private:
    void Add(std::string event) { events.push_back(std::move(event)); }
    void Mouse(const char* name, std::int16_t button, std::int16_t shift, float x, float y) {
        Add(std::string(name) + " " + std::to_string(button) + " " + std::to_string(shift) + " " +
            std::to_string(static_cast<int>(x)) + " " + std::to_string(static_cast<int>(y)));
    }
};

class ControlWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = CreateWidgetWindow("Form", 0, {0, 0, 300, 200});
        control = CreateControlWindow(owner, "Grid", form, {10, 10, 110, 60});
        widget = WidgetOf(control);
        ShowWindow(form, SW_SHOW);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(WidgetOf(form)));
        owner.events.clear();
    }
    void TearDown() override { DestroyWindow(form); }

    RecordingOwner owner;
    HWND form = 0;
    HWND control = 0;
    QWidget* widget = nullptr;
};

TEST_F(ControlWindowTest, IsAChildWindowOfItsClass) {
    EXPECT_EQ(GetClassName(control), "Grid");
    EXPECT_EQ(GetParent(control), form);
    RECT client;
    GetClientRect(control, client);
    EXPECT_EQ(client, (RECT{0, 0, 100, 50}));
}

TEST_F(ControlWindowTest, KeysRaiseKeyDownKeyPressAndKeyUp) {
    struct Case {
        Qt::Key key;
        const char* text;
        Qt::KeyboardModifiers modifiers;
        std::vector<std::string> expected;
    };
    // A held modifier is a key of its own, pressed first and released last.
    const Case cases[] = {
        {Qt::Key_A, "a", {}, {"KeyDown 65 0", "KeyPress 97", "KeyUp 65 0"}},
        {Qt::Key_A, "A", Qt::ShiftModifier,
         {"KeyDown 16 1", "KeyDown 65 1", "KeyPress 65", "KeyUp 65 1", "KeyUp 16 0"}},
        {Qt::Key_Down, "", Qt::ControlModifier, {"KeyDown 17 2", "KeyDown 40 2", "KeyUp 40 2", "KeyUp 17 0"}},
        {Qt::Key_Return, "\r", {}, {"KeyDown 13 0", "KeyPress 13", "KeyUp 13 0"}},
        {Qt::Key_F4, "", Qt::AltModifier, {"KeyDown 18 4", "KeyDown 115 4", "KeyUp 115 4", "KeyUp 18 0"}},
    };
    for (const Case& c : cases) {
        owner.events.clear();
        QTest::sendKeyEvent(QTest::Click, widget, c.key, QString(c.text), c.modifiers);
        EXPECT_EQ(owner.events, c.expected) << c.key;
    }
}

TEST_F(ControlWindowTest, KeysGoThroughTheWindowProcedureFirst) {
    HookedProcedure consumeAll(control, [](HookedProcedure&, HWND, UINT, WPARAM, LPARAM) -> LRESULT { return 0; });
    QTest::keyPress(widget, Qt::Key_A);
    EXPECT_EQ(consumeAll.Count(WM_KEYDOWN), 1);
    EXPECT_EQ(owner.Count("KeyDown 65 0"), 0) << "consumed before the owner saw it";
    EXPECT_EQ(owner.Count("KeyPress 97"), 0);
}

TEST_F(ControlWindowTest, MousePositionsAreInTwips) {
    QTest::mousePress(widget, Qt::LeftButton, Qt::ShiftModifier, QPoint(2, 3));
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::ShiftModifier, QPoint(4, 5));
    const std::vector<std::string> expected = {"MouseDown 1 1 30 45", "MouseUp 1 1 60 75", "Click"};
    EXPECT_EQ(owner.events, expected);
}

TEST_F(ControlWindowTest, MoveWithAButtonHeldReportsTheButton) {
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 20), widget->mapToGlobal(QPointF(10, 20)), Qt::NoButton,
                     Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    EXPECT_EQ(owner.events, std::vector<std::string>{"MouseMove 2 0 150 300"});
}

TEST_F(ControlWindowTest, ReleaseOutsideTheWindowIsNoClick) {
    QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(2, 3));
    QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(500, 5));
    EXPECT_EQ(owner.Count("Click"), 0);
}

TEST_F(ControlWindowTest, DoubleClickRaisesDblClickInPlaceOfTheSecondPress) {
    // Qt's sequence for a double click: press, release, press, double click, release.
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(owner.Count("DblClick"), 1);
    EXPECT_EQ(owner.Count("Click"), 1) << "only the first press and release make a click";
    EXPECT_EQ(owner.Count("MouseUp 1 0 75 75"), 2);
}

TEST_F(ControlWindowTest, FocusResizeAndPaint) {
    QWidget* formWidget = WidgetOf(form);
    formWidget->activateWindow();
    if (!QTest::qWaitForWindowActive(formWidget)) GTEST_SKIP() << "no active window on this platform";
    widget->clearFocus();
    owner.events.clear();
    widget->setFocus();
    EXPECT_EQ(owner.Count("GotFocus"), 1);
    widget->clearFocus();
    EXPECT_EQ(owner.Count("LostFocus"), 1);

    MoveWindow(control, 10, 10, 150, 80);
    EXPECT_GE(owner.Count("Resize"), 1);

    // Paint comes from the paint message that invalidation brings; Qt's own
    // repaints are served from the window's surface.
    owner.events.clear();
    InvalidateRect(control, nullptr, false);
    UpdateWindow(control);
    EXPECT_EQ(owner.Count("Paint"), 1);
}

}  // namespace
