#include <gtest/gtest.h>

#include <QWidget>

#include "RecordingEvents.h"
#include "forms/Form.h"
#include "forms/testing/UserInput.h"
#include "os/windows/ControlOwner.h"
#include "os/testing/SimulatedInput.h"
#include "os/testing/WindowInput.h"
#include "os/desktop/EventLoop.h"
#include "os/windows/VirtualKeys.h"
#include "os/windows/Window.h"
#include "os/windows/WindowProperties.h"
#include "runtime/Error.h"

namespace {

using forms::ControlKind;
using forms::Form;

class ControlTest : public ::testing::Test {
protected:
    RecordingEvents events;
    Form form{"frmTest", events};
};

TEST_F(ControlTest, GeometryIsKeptInTwipsAndShownInPixels) {
    forms::Control& frame = form.AddControl(ControlKind::Frame, "Frame1", {60, 810, 9525, 765});
    forms::Control& box = form.AddControl(ControlKind::TextBox, "t_gears", {150, 300, 375, 285}, &frame, 0);
    EXPECT_EQ(box.Left(), 150);
    EXPECT_EQ(box.Width(), 375);
    EXPECT_EQ(box.Container(), &frame);
    os::RECT rect;
    ASSERT_TRUE(os::GetClientRect(box.hWnd(), rect));
    EXPECT_EQ(rect.right, 25);   // 375 twips at 15 twips a pixel
    EXPECT_EQ(rect.bottom, 19);  // 285 twips
    box.SetWidth(-300);
    EXPECT_EQ(box.Width(), 0);
}

TEST_F(ControlTest, ItemFindsAControlOrRaisesControlNotFound) {
    forms::Control& box = form.AddControl(ControlKind::TextBox, "t_gears", {150, 300, 375, 285}, nullptr, 0);
    EXPECT_EQ(&form.Item("t_gears", 0), &box);
    for (const auto& [name, index] : {std::pair{"t_gears", -1}, std::pair{"t_gears", 1}, std::pair{"nothing", -1}}) {
        try {
            form.Item(name, index);
            ADD_FAILURE() << name << " " << index;
        } catch (const runtime::Error& error) {
            EXPECT_EQ(error.Number(), 730);
            EXPECT_EQ(error.Description(), std::string("Control '") + name + "' not found");
        }
    }
}

TEST_F(ControlTest, EveryControlIsAWindowInCreationOrder) {
    const std::vector<std::pair<ControlKind, const char*>> kinds = {
        {ControlKind::TextBox, "a"},      {ControlKind::Label, "b"},        {ControlKind::Frame, "c"},
        {ControlKind::CommandButton, "d"}, {ControlKind::OptionButton, "e"}, {ControlKind::CheckBox, "f"},
        {ControlKind::Picture, "g"},      {ControlKind::Host, "h"},
    };
    for (const auto& [kind, name] : kinds) form.AddControl(kind, name, {0, 0, 300, 300});
    ASSERT_EQ(form.Controls().size(), kinds.size());
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        SCOPED_TRACE(kinds[i].second);
        EXPECT_EQ(form.Controls()[i]->Name(), kinds[i].second);
        EXPECT_TRUE(os::IsWindow(form.Controls()[i]->hWnd()));
        EXPECT_EQ(os::GetParent(form.Controls()[i]->hWnd()), form.hWnd());
    }
    EXPECT_NE(form.Find("g")->Picture(), nullptr);
    EXPECT_EQ(form.Find("a")->Picture(), nullptr);
}

TEST_F(ControlTest, ArrayElementsAreHiddenCopiesOfElementZero) {
    forms::Control& first = form.AddControl(ControlKind::TextBox, "t_gears", {150, 300, 375, 285}, nullptr, 0);
    first.SetToolTipText("a gear");
    first.SetTag("gear_tt");
    forms::Control& copy = form.LoadControl("t_gears", 1);
    EXPECT_EQ(copy.Index(), 1);
    EXPECT_EQ(copy.Kind(), ControlKind::TextBox);
    EXPECT_EQ(copy.Width(), 375);
    EXPECT_EQ(copy.Height(), 285);
    EXPECT_EQ(copy.ToolTipText(), "a gear");
    EXPECT_EQ(copy.Tag(), "gear_tt");
    EXPECT_FALSE(copy.Visible());
    EXPECT_EQ(form.Find("t_gears", 1), &copy);
    EXPECT_EQ(form.Find("t_gears"), nullptr);
    EXPECT_THROW(form.LoadControl("t_gears", 1), runtime::Error);
}

TEST_F(ControlTest, OptionButtonsAreGroupedByTheirContainer) {
    forms::Control& left = form.AddControl(ControlKind::Frame, "Frame2", {0, 0, 3000, 1000});
    forms::Control& right = form.AddControl(ControlKind::Frame, "Frame3", {3000, 0, 3000, 1000});
    forms::Control& a0 = form.AddControl(ControlKind::OptionButton, "optScrew", {100, 300, 500, 255}, &left, 0);
    forms::Control& a1 = form.AddControl(ControlKind::OptionButton, "optScrew", {700, 300, 500, 255}, &left, 1);
    forms::Control& b0 = form.AddControl(ControlKind::OptionButton, "Option1", {100, 300, 500, 255}, &right, 0);
    a0.SetOptionValue(true);
    b0.SetOptionValue(true);
    a1.SetOptionValue(true);
    EXPECT_FALSE(a0.OptionValue());
    EXPECT_TRUE(a1.OptionValue());
    EXPECT_TRUE(b0.OptionValue());
    a1.SetOptionValue(false);
    EXPECT_FALSE(a0.OptionValue());
    EXPECT_FALSE(a1.OptionValue());
}

TEST_F(ControlTest, CheckBoxHoldsThreeStates) {
    forms::Control& check = form.AddControl(ControlKind::CheckBox, "chkLow", {0, 0, 3000, 255});
    for (std::int16_t value : {1, 2, 0}) {
        check.SetCheckValue(value);
        EXPECT_EQ(check.CheckValue(), value);
    }
}

TEST_F(ControlTest, CaptionsAndTextsGoToTheirKind) {
    forms::Control& label = form.AddControl(ControlKind::Label, "Label3", {0, 0, 900, 225});
    forms::Control& box = form.AddControl(ControlKind::TextBox, "reqPitch", {0, 300, 900, 285});
    label.SetCaption("precision, %");
    box.SetText("1.25");
    EXPECT_EQ(label.Caption(), "precision, %");
    EXPECT_EQ(label.Text(), "");
    EXPECT_EQ(box.Text(), "1.25");
    EXPECT_EQ(box.Caption(), "");
    label.SetFontBold(true);
    EXPECT_TRUE(label.FontBold());
}

TEST_F(ControlTest, FontAndColourChangesKeepEachOther) {
    forms::Control& label = form.AddControl(ControlKind::Label, "Label1", {0, 0, 900, 225});
    EXPECT_EQ(label.ForeColor(), 0x80000012u);
    label.SetFontName("Liberation Serif");
    label.SetFontItalic(true);
    label.SetFontUnderline(true);
    label.SetForeColor(0xFF0000);  // pure blue
    EXPECT_EQ(label.FontName(), "Liberation Serif");
    EXPECT_TRUE(label.FontItalic());
    EXPECT_TRUE(label.FontUnderline());
    EXPECT_EQ(label.ForeColor(), 0xFF0000u);
    EXPECT_EQ(label.Widget()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    label.SetForeColor(0x80FFFFFFu);  // no such system colour: ignored
    EXPECT_EQ(label.ForeColor(), 0xFF0000u);
    label.SetFontUnderline(false);
    EXPECT_FALSE(label.FontUnderline());
    EXPECT_TRUE(label.FontItalic());
}

class FormEventsTest : public ControlTest {
protected:
    void SetUp() override {
        form.SetClientSize(6000, 4000);
        box = &form.AddControl(ControlKind::TextBox, "reqPitch", {100, 100, 1500, 285});
        button = &form.AddControl(ControlKind::CommandButton, "btnPrint", {2000, 100, 1000, 375});
        check = &form.AddControl(ControlKind::CheckBox, "chkAll", {100, 600, 300, 255});
        form.Show();
        events.log.clear();
    }
    forms::Control* box = nullptr;
    forms::Control* button = nullptr;
    forms::Control* check = nullptr;
};

TEST_F(FormEventsTest, TypingRaisesChangeForEachKeystroke) {
    forms::testing::TypeText(*box, "1.5");
    EXPECT_EQ(events.Count("Change reqPitch(-1)"), 3);
    EXPECT_EQ(box->Text(), "1.5");
}

TEST_F(FormEventsTest, TextSetByCodeRaisesChangeOnlyWhenItDiffers) {
    box->SetText("x");
    box->SetText("x");
    EXPECT_EQ(events.Count("Change reqPitch(-1)"), 1);
}

TEST_F(FormEventsTest, EachMouseButtonIsReportedAndBothClickTheButton) {
    forms::testing::ClickWith(*button, 1);
    forms::testing::ClickWith(*button, 2);
    const std::vector<std::string> expected = {"MouseDown1 btnPrint(-1)", "Click btnPrint(-1)",
                                               "MouseDown2 btnPrint(-1)", "Click btnPrint(-1)"};
    std::vector<std::string> seen;
    for (const std::string& e : events.log) {
        if (e.find("Focus") == std::string::npos) seen.push_back(e);
    }
    EXPECT_EQ(seen, expected);
}

TEST_F(FormEventsTest, DisabledButtonIsNotClicked) {
    button->SetEnabled(false);
    forms::testing::ClickWith(*button, 1);
    EXPECT_EQ(events.Count("Click btnPrint(-1)"), 0);
    EXPECT_FALSE(button->Enabled());
}

TEST_F(FormEventsTest, EnterClicksTheDefaultButton) {
    button->SetDefault(true);
    forms::testing::TypeText(*box, "2");
    forms::testing::PressEnter(*box);
    EXPECT_EQ(events.Count("Click btnPrint(-1)"), 1);
}

TEST_F(FormEventsTest, EscapeClicksTheCancelButtonOnly) {
    button->SetCancel(true);
    forms::testing::TypeText(*box, "2");
    os::testing::KeyClick(box->hWnd(), os::VK_ESCAPE);
    EXPECT_EQ(events.Count("Click btnPrint(-1)"), 1);
    button->SetCancel(false);
    os::testing::KeyClick(box->hWnd(), os::VK_ESCAPE);
    EXPECT_EQ(events.Count("Click btnPrint(-1)"), 1);
}

// Labels report the mouse passing over them and take a press and release
// over them as a click; a release elsewhere is no click.
TEST_F(FormEventsTest, LabelReportsMovesAndClicks) {
    forms::Control& label = form.AddControl(ControlKind::Label, "Label1", {100, 1500, 1500, 225});
    struct Step {
        const char* action;
        os::POINT at;
        const char* expected;  // the event raised, "" for none
    };
    const Step steps[] = {
        {"move", {5, 5}, "MouseMove0 Label1(-1)"},
        {"press", {5, 5}, "MouseDown1 Label1(-1)"},
        {"release", {6, 5}, "Click Label1(-1)"},
        {"press", {5, 5}, "MouseDown1 Label1(-1)"},
        {"release", {500, 5}, ""},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string(step.action) + " at " + std::to_string(step.at.x));
        events.log.clear();
        const std::string action = step.action;
        if (action == "move") os::testing::MouseMoveTo(label.hWnd(), step.at, false);
        else if (action == "press") os::testing::MousePress(label.hWnd(), step.at);
        else os::testing::MouseRelease(label.hWnd(), step.at);
        const std::vector<std::string> expected =
            *step.expected ? std::vector<std::string>{step.expected} : std::vector<std::string>{};
        EXPECT_EQ(events.log, expected);
    }
}

TEST_F(FormEventsTest, CheckBoxClickIsRaisedOnStateChange) {
    forms::testing::ClickWith(*check, 1);
    EXPECT_EQ(check->CheckValue(), 1);
    EXPECT_EQ(events.Count("Click chkAll(-1)"), 1);
}

TEST_F(FormEventsTest, FocusMovesBetweenControls) {
    ASSERT_TRUE(forms::testing::ActivateWindow(form));
    box->SetFocus();
    button->SetFocus();
    os::ProcessPendingEvents();
    EXPECT_GE(events.Count("LostFocus reqPitch(-1)"), 1);
    EXPECT_GE(events.Count("GotFocus btnPrint(-1)"), 1);
}

TEST(FormTest, ShowLoadsOnceAndResizeFollows) {
    RecordingEvents events;
    Form form("frmTest", events);
    form.SetClientSize(4500, 3000);
    form.Show();
    form.Show();
    EXPECT_EQ(events.Count("Load"), 1);
    EXPECT_EQ(events.log.front(), "Load");
    EXPECT_GE(events.Count("Resize"), 1);
    EXPECT_EQ(form.ScaleWidth(), 4500);
    EXPECT_EQ(form.ScaleHeight(), 3000);
}

TEST(FormTest, MoveSetsOuterPlacementInTwips) {
    RecordingEvents events;
    Form form("frmTest", events);
    form.Show();
    form.Move(1500, 750, 6000, 4500);
    os::ProcessPendingEvents();
    EXPECT_EQ(form.Left(), 1500);
    EXPECT_EQ(form.Top(), 750);
    EXPECT_EQ(form.Width(), 6000);
    EXPECT_EQ(form.Height(), 4500);
}

TEST(FormTest, UnloadMayKeepTheWindowOpen) {
    RecordingEvents events;
    Form form("frmTest", events);
    form.Show();
    events.cancelUnload = true;
    form.Close();
    EXPECT_TRUE(form.Visible());
    events.cancelUnload = false;
    form.Close();
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(events.Count("Unload"), 2);
}

TEST(FormTest, CaptionIsTheWindowTitle) {
    RecordingEvents events;
    Form form("frmMain", events);
    form.SetCaption("Kestrany");
    EXPECT_EQ(form.Caption(), "Kestrany");
    EXPECT_EQ(form.Name(), "frmMain");
}

TEST(PictureTest, DrawingStaysInThePicture) {
    RecordingEvents events;
    Form form("frmTest", events);
    forms::Control& picture = form.AddControl(ControlKind::Picture, "Image1", {0, 0, 1950, 3540});
    forms::PictureCanvas& canvas = *picture.Picture();
    EXPECT_EQ(canvas.PixelWidth(), 130);
    EXPECT_EQ(canvas.PixelHeight(), 236);
    canvas.Clear(0xFFFFFF);
    canvas.Circle(60, 60, 20, 0x000000, 0x0000FF);
    EXPECT_EQ(canvas.Pixel(60, 60), 0x0000FF);
    EXPECT_EQ(canvas.Pixel(5, 5), 0xFFFFFF);
    EXPECT_EQ(canvas.Pixel(500, 5), -1);
    form.Show();
    EXPECT_EQ(canvas.Pixel(60, 60), 0x0000FF);
}

// The program-drawn control hands its control events to the client that draws it.
TEST(HostTest, ControlEventsReachTheClient) {
    struct Client : os::ControlOwner {
        int downs = 0;
        void MouseDown(std::int16_t, std::int16_t, float, float) override { ++downs; }
    } client;
    RecordingEvents events;
    Form form("frmTest", events);
    forms::Control& host = form.AddControl(ControlKind::Host, "vbGrid1", {0, 0, 3000, 3000});
    form.Show();
    forms::testing::ClickWith(host, 1);
    EXPECT_EQ(client.downs, 0);
    host.SetHostClient(&client);
    forms::testing::ClickWith(host, 1);
    EXPECT_EQ(client.downs, 1);
}

}  // namespace
