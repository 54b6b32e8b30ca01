#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "app/about/AboutText.h"
#include "app/about/AboutWindow.h"
#include "app/about/BuildStamp.h"
#include "app/about/frmAbout.h"
#include "forms/testing/UserInput.h"
#include "os/windows/Menu.h"
#include "os/drawing/Colors.h"
#include "os/drawing/DeviceContext.h"
#include "os/drawing/Drawing.h"
#include "os/drawing/GdiObjects.h"
#include "os/testing/SimulatedInput.h"
#include "os/testing/WindowInput.h"
#include "os/desktop/DateFormats.h"
#include "os/desktop/EventLoop.h"
#include "os/windows/Messages.h"
#include "os/windows/Messaging.h"
#include "os/desktop/Shell.h"
#include "os/windows/VirtualKeys.h"
#include "os/windows/Window.h"

namespace {

constexpr int kStrip = 18;

// The About window, open, with the addresses the shell was asked to open.
class AboutTest : public ::testing::Test {
protected:
    AboutTest() {
        previousOpener_ = os::SetShellOpener([this](const std::string& address) {
            opened.push_back(address);
            return shellAnswer;
        });
        about.Show();
        os::ProcessPendingEvents();
    }
    ~AboutTest() override { os::SetShellOpener(std::move(previousOpener_)); }

    os::HWND Window() const { return about.Window().hWnd(); }
    int ClientHeight() const {
        os::RECT client;
        os::GetClientRect(Window(), client);
        return client.bottom;
    }
    os::LRESULT HitTest(os::POINT client) const {
        os::ClientToScreen(Window(), client);
        return os::SendMessage(Window(), os::WM_NCHITTEST, 0, os::MAKELPARAM(client.x, client.y));
    }
    os::COLORREF StripBottom() const { return os::testing::ShownPixel(Window(), {5, ClientHeight() - 1}); }
    forms::Control& Link() const { return about.Controls().link; }
    // A point of the link label, in pixels from its top-left corner, on the screen.
    void PointerAtLink(os::POINT offset) const {
        os::POINT at = offset;
        os::ClientToScreen(Link().hWnd(), at);
        os::testing::MoveCursorTo(at);
    }

    std::vector<std::string> opened;
    bool shellAnswer = true;
    app::frmAbout about;

private:
    os::ShellOpener previousOpener_;
};

TEST_F(AboutTest, LoadShowsTheLayoutAndTheWindowFont) {
    EXPECT_EQ(about.Window().Caption(), "Startup");
    EXPECT_EQ(about.Window().ScaleWidth(), 4215);
    EXPECT_EQ(about.Window().ScaleHeight(), 2850);
    EXPECT_TRUE(about.Controls().link.Visible());
    EXPECT_TRUE(about.Controls().ok.Visible());
    EXPECT_EQ(about.Controls().link.Caption(), app::kContactAddress);
    const os::LOGFONT& font = about.WindowFont();
    EXPECT_EQ(font.lfFaceName, about.Controls().fontSample.FontName());
    EXPECT_EQ(font.lfHeight, os::FontHeightForPoints(24));
    EXPECT_EQ(font.lfWeight, os::FW_BOLD);
    EXPECT_TRUE(font.lfItalic);
    const os::RECT& strip = about.Logo().Rect();
    EXPECT_EQ(strip, (os::RECT{0, 0, kStrip, ClientHeight()}));
}

// Each change of activation recolours the strip's bottom; the same state
// again draws nothing (the white painted over it stays).
TEST_F(AboutTest, ActivationColoursTheStripBottom) {
    const os::COLORREF black = os::RGB(0, 0, 0);
    const os::COLORREF caption = os::GetSysColor(os::COLOR_ACTIVECAPTION);
    const os::COLORREF white = os::RGB(255, 255, 255);
    ASSERT_NE(caption, black);
    struct Step {
        os::WPARAM state;
        bool whiteFirst;
        os::COLORREF shown;
    };
    const Step steps[] = {
        {os::WA_INACTIVE, false, black},
        {os::WA_ACTIVE, false, caption},
        {os::WA_ACTIVE, true, white},
        {2, true, white} /* activated by a click */,
        {os::WA_INACTIVE, true, black},
        {os::WA_INACTIVE, true, white},
        {2, false, caption},
    };
    int n = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(n++);
        if (step.whiteFirst) {
            const os::HDC dc = os::GetDC(Window());
            os::FillRect(dc, {0, 0, kStrip, ClientHeight()}, os::GetStockObject(os::WHITE_BRUSH));
            os::ReleaseDC(Window(), dc);
        }
        os::SendMessage(Window(), os::WM_ACTIVATE, step.state, 0);
        os::ProcessPendingEvents();
        EXPECT_EQ(StripBottom(), step.shown);
    }
}

TEST_F(AboutTest, HitTestAnswersCaptionInsideTheStripOnly) {
    const int height = ClientHeight();
    const std::vector<std::pair<os::POINT, os::LRESULT>> cases = {
        {{0, 0}, os::HTCAPTION},          {{kStrip - 1, height / 2}, os::HTCAPTION},
        {{5, height - 1}, os::HTCAPTION}, {{kStrip, height / 2}, os::HTCLIENT},
        {{100, 150}, os::HTCLIENT},       {{5, height}, os::HTCLIENT},
    };
    for (const auto& [point, answer] : cases) {
        SCOPED_TRACE(std::to_string(point.x) + "," + std::to_string(point.y));
        EXPECT_EQ(HitTest(point), answer);
    }
}

TEST_F(AboutTest, TheWindowIsDraggedByTheStrip) {
    const std::int32_t left = about.Window().Left();
    const std::int32_t top = about.Window().Top();
    os::testing::MousePress(Window(), {5, 150});
    os::testing::MouseMoveTo(Window(), {45, 170}, true);
    os::testing::MouseRelease(Window(), {45, 170});
    os::ProcessPendingEvents();
    EXPECT_EQ(about.Window().Left(), left + 40 * 15);
    EXPECT_EQ(about.Window().Top(), top + 20 * 15);
    // Away from the strip the mouse does not move the window.
    os::testing::MousePress(Window(), {100, 100});
    os::testing::MouseMoveTo(Window(), {140, 120}, true);
    os::testing::MouseRelease(Window(), {140, 120});
    os::ProcessPendingEvents();
    EXPECT_EQ(about.Window().Left(), left + 40 * 15);
}

// The pointer over the link makes it blue and underlined; the watch keeps
// it so while the pointer is strictly inside and restores it once it is not.
TEST_F(AboutTest, LinkLightsUpAndIsRestoredWhenThePointerLeaves) {
    const int width = Link().Width() / 15, height = Link().Height() / 15;
    struct Case {
        os::POINT pointer;
        bool stays;
    };
    const Case cases[] = {
        {{1, 1}, true},    {{width - 1, height - 1}, true}, {{0, 5}, false}, {{width, 5}, false}, {{5, height}, false},
        {{5, -20}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.pointer.x) + "," + std::to_string(c.pointer.y));
        PointerAtLink({5, 5});
        os::testing::MouseMoveTo(Link().hWnd(), {5, 5}, false);
        ASSERT_TRUE(Link().FontUnderline());
        EXPECT_EQ(Link().ForeColor(), os::RGB(0, 0, 255));
        EXPECT_TRUE(about.LinkTim().Enabled());
        EXPECT_EQ(about.LinkTim().Interval(), 30);
        PointerAtLink(c.pointer);
        const bool restored = os::ProcessEventsUntil([&] { return !Link().FontUnderline(); }, c.stays ? 150 : 2000);
        EXPECT_EQ(restored, !c.stays);
        EXPECT_EQ(about.LinkTim().Enabled(), c.stays);
        EXPECT_EQ(Link().ForeColor(), c.stays ? os::RGB(0, 0, 255) : os::SystemColorBase + os::COLOR_BTNTEXT);
        // Leave the link plain for the next case.
        PointerAtLink({-50, -50});
        os::ProcessEventsUntil([&] { return !Link().FontUnderline(); }, 2000);
    }
}

TEST_F(AboutTest, ClickingTheLinkOpensTheMailProgram) {
    for (bool answer : {true, false}) {
        shellAnswer = answer;
        opened.clear();
        forms::testing::ClickWith(Link(), 1);
        EXPECT_EQ(opened, std::vector<std::string>{"mailto:kestrany@example.org?subject=kestrany"});
        EXPECT_TRUE(about.Window().Visible());
    }
}

TEST_F(AboutTest, BannerTipIsClearedByTimer1) {
    EXPECT_EQ(about.Timer1().Interval(), 200);
    EXPECT_TRUE(os::ProcessEventsUntil([&] { return about.Controls().banner.ToolTipText().empty(); }, 3000));
    EXPECT_FALSE(about.Timer1().Enabled());
}

TEST_F(AboutTest, BannerAndPaintedLinesShow) {
    const forms::PictureCanvas& banner = *about.Controls().banner.Picture();
    EXPECT_EQ(banner.PixelWidth(), 263);
    EXPECT_EQ(banner.PixelHeight(), 65);
    // The painted lines leave ink on the window's background right of the strip.
    const os::COLORREF background = os::GetSysColor(os::COLOR_BTNFACE);
    const std::pair<int, int> bands[] = {{70, 108}, {128, 142}, {142, 156}};
    for (const auto& [top, bottom] : bands) {
        SCOPED_TRACE(top);
        int ink = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = kStrip; x < 281; x += 2) ink += os::testing::ShownPixel(Window(), {x, y}) != background;
        EXPECT_GT(ink, 20);
    }
}

TEST_F(AboutTest, OkAndEscapeCloseAndDetachTheMessages) {
    for (const bool byEscape : {false, true}) {
        SCOPED_TRACE(byEscape);
        app::frmAbout other;
        other.Show();
        os::ProcessPendingEvents();
        const os::HWND window = other.Window().hWnd();
        os::POINT inStrip{5, 100};
        os::ClientToScreen(window, inStrip);
        ASSERT_EQ(os::SendMessage(window, os::WM_NCHITTEST, 0, os::MAKELPARAM(inStrip.x, inStrip.y)), os::HTCAPTION);
        if (byEscape) os::testing::KeyClick(other.Controls().ok.hWnd(), os::VK_ESCAPE);
        else forms::testing::ClickWith(other.Controls().ok, 1);
        os::ProcessPendingEvents();
        EXPECT_TRUE(other.Closed());
        EXPECT_FALSE(other.Window().Visible());
        EXPECT_EQ(os::SendMessage(window, os::WM_NCHITTEST, 0, os::MAKELPARAM(inStrip.x, inStrip.y)), os::HTCLIENT);
    }
}

TEST(AboutVersionTest, VersionLineHasVersionRevisionAndBuildDay) {
    struct Case {
        app::BuildStamp stamp;
        os::SYSTEMTIME day;
        std::string start;
    };
    const Case cases[] = {
        {{0, 1, 57, 1796688000}, {2026, 12, 8}, "0.1 Сборка 57 ("},
        {{2, 10, 0, 0}, {1970, 1, 1}, "2.10 Сборка 0 ("},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(app::VersionLine(c.stamp), c.start + os::GetDateFormat(os::DATE_SHORTDATE, c.day) + ")");
    }
    const app::BuildStamp& build = app::ThisBuild();
    EXPECT_EQ(build.buildDay % 86400, 0);
    EXPECT_GT(build.buildDay, 1767225600);  // built after 1 January 2026
    EXPECT_GE(build.revision, 0);
}

// The About item of the main window's system menu, chosen as the user does.
class AboutFromMenuTest : public MainWindowTest {
protected:
    AboutFromMenuTest() {
        previousPresenter_ = os::SetMenuPresenter([](os::HMENU, os::POINT) { return app::kAboutMenuId; });
    }
    ~AboutFromMenuTest() override { os::SetMenuPresenter(std::move(previousPresenter_)); }
    void ChooseAbout() {
        os::testing::RightClick(window->Window().hWnd(), {400, 5});
        os::ProcessPendingEvents();
    }

private:
    os::MenuPresenter previousPresenter_;
};

TEST_F(AboutFromMenuTest, SystemMenuOpensTheAboutWindow) {
    Open();
    EXPECT_EQ(window->About().Current(), nullptr);
    ChooseAbout();
    app::frmAbout* about = window->About().Current();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->Window().Caption(), "Startup");
    EXPECT_TRUE(about->Window().Visible());
    EXPECT_TRUE(window->Window().Visible());
}

TEST_F(AboutFromMenuTest, OneAboutWindowAtATimeAndANewOneAfterClosing) {
    Open();
    ChooseAbout();
    app::frmAbout* first = window->About().Current();
    ASSERT_NE(first, nullptr);
    const os::HWND firstWindow = first->Window().hWnd();
    ChooseAbout();
    EXPECT_EQ(window->About().Current(), first);
    EXPECT_EQ(first->Window().hWnd(), firstWindow);
    forms::testing::ClickWith(first->Controls().ok, 1);
    os::ProcessPendingEvents();
    EXPECT_EQ(window->About().Current(), nullptr);
    ChooseAbout();
    app::frmAbout* second = window->About().Current();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second->Window().hWnd(), firstWindow);
    EXPECT_FALSE(os::IsWindow(firstWindow));
    EXPECT_TRUE(second->Window().Visible());
}

}  // namespace
