#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/cScrollBars.h"
#include "os/windows/Messages.h"
#include "os/windows/Messaging.h"
#include "os/commoncontrols/ScrollBars.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"
#include "os/testing/WindowInput.h"

namespace {

using controls::EScrollBar;
using controls::EScrollBarStyle;

struct EventLog : controls::IScrollBarsEvents {
    void Scroll(EScrollBar bar) override { events.push_back("Scroll " + std::to_string(static_cast<int>(bar))); }
    void Change(EScrollBar bar) override { events.push_back("Change " + std::to_string(static_cast<int>(bar))); }
    std::vector<std::string> events;
};

class ScrollBarsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = os::CreateWidgetWindow("Scrolled", 0, {0, 0, 300, 200});
        os::ShowWindow(window, os::SW_SHOW);
        bars.Create(window);
        for (EScrollBar bar : {EScrollBar::Horizontal, EScrollBar::Vertical}) {
            bars.SetMax(bar, 100);
            bars.SetSmallChange(bar, 5);
            bars.SetLargeChange(bar, 20);
            bars.SetVisible(bar, true);
            bars.SetValue(bar, 50);
        }
        log.events.clear();
    }
    void TearDown() override { os::DestroyWindow(window); }

    void Request(os::UINT message, int request, int position = 0) {
        os::SendMessage(window, message, static_cast<os::WPARAM>(request | (position << 16)), 0);
    }

    os::HWND window = 0;
    EventLog log;
    controls::cScrollBars bars{&log};
};

struct RequestCase {
    int request;
    std::int32_t start;
    std::int32_t expected;
    const char* event;  // nullptr: none
};

// Range 0..100 with a page of 20: the last position is 81.
TEST_F(ScrollBarsTest, EachRequestGivesItsValueAndEvent) {
    const RequestCase cases[] = {
        {os::SB_LINEUP, 50, 45, "Change"},      {os::SB_LINEUP, 2, 0, "Change"},
        {os::SB_LINEDOWN, 50, 55, "Change"},    {os::SB_LINEDOWN, 79, 81, "Change"},
        {os::SB_PAGEUP, 50, 30, "Change"},      {os::SB_PAGEUP, 10, 0, "Change"},
        {os::SB_PAGEDOWN, 50, 70, "Change"},    {os::SB_PAGEDOWN, 75, 81, "Change"},
        {os::SB_TOP, 50, 0, "Change"},          {os::SB_BOTTOM, 50, 81, "Change"},
        {os::SB_ENDSCROLL, 50, 50, "Change"},   {os::SB_THUMBPOSITION, 50, 50, nullptr},
        {99, 50, 50, nullptr},
    };
    for (const os::UINT message : {os::WM_HSCROLL, os::WM_VSCROLL}) {
        const EScrollBar bar = message == os::WM_VSCROLL ? EScrollBar::Vertical : EScrollBar::Horizontal;
        for (const RequestCase& c : cases) {
            SCOPED_TRACE("message " + std::to_string(message) + " request " + std::to_string(c.request));
            bars.SetValue(bar, c.start);
            log.events.clear();
            Request(message, c.request);
            EXPECT_EQ(bars.Value(bar), c.expected);
            const std::vector<std::string> expected =
                c.event == nullptr ? std::vector<std::string>{}
                                   : std::vector<std::string>{std::string(c.event) + " " +
                                                              std::to_string(static_cast<int>(bar))};
            EXPECT_EQ(log.events, expected);
        }
    }
}

TEST_F(ScrollBarsTest, ValueLetMovesThePlatformThumbAndRaisesChange) {
    bars.SetValue(EScrollBar::Vertical, 33);
    os::SCROLLINFO info;
    info.fMask = os::SIF_ALL;
    ASSERT_TRUE(os::GetScrollInfo(window, os::SB_VERT, info));
    EXPECT_EQ(info.nPos, 33);
    EXPECT_EQ(info.nPage, 20u);
    EXPECT_EQ(info.nMax, 100);
    EXPECT_EQ(log.events, std::vector<std::string>{"Change 1"});
}

TEST_F(ScrollBarsTest, HiddenBarAnswersItsStoredValueAndPage) {
    bars.SetValue(EScrollBar::Horizontal, 40);
    bars.SetVisible(EScrollBar::Horizontal, false);
    EXPECT_FALSE(os::IsScrollBarShown(window, os::SB_HORZ));
    EXPECT_EQ(bars.Value(EScrollBar::Horizontal), 40);
    EXPECT_EQ(bars.LargeChange(EScrollBar::Horizontal), 20);
    bars.SetValue(EScrollBar::Horizontal, 10);
    EXPECT_EQ(bars.Value(EScrollBar::Horizontal), 10);
}

TEST_F(ScrollBarsTest, DraggingTheThumbRaisesScrollWithTheTrackPositionThenChange) {
    bars.SetValue(EScrollBar::Vertical, 0);
    log.events.clear();
    os::testing::DragScrollThumb(window, os::SB_VERT, 40);
    ASSERT_GE(log.events.size(), 2u);
    EXPECT_EQ(log.events.front(), "Scroll 1");
    EXPECT_EQ(log.events.back(), "Change 1");
    EXPECT_GT(bars.Value(EScrollBar::Vertical), 0);
}

TEST_F(ScrollBarsTest, ClickingAnArrowStepsBySmallChange) {
    const int length = os::testing::ScrollBarLength(window, os::SB_VERT);
    os::testing::ClickScrollBar(window, os::SB_VERT, {5, length - 4});
    EXPECT_EQ(bars.Value(EScrollBar::Vertical), 55);
    EXPECT_EQ(log.events, (std::vector<std::string>{"Change 1", "Change 1"}));  // line down, end of scrolling
}

TEST_F(ScrollBarsTest, WheelScrollsThreeLinesANotch) {
    os::testing::WheelNotches(window, {50, 50}, -1);
    EXPECT_EQ(bars.Value(EScrollBar::Vertical), 65);
    os::testing::WheelNotches(window, {50, 50}, 2);
    EXPECT_EQ(bars.Value(EScrollBar::Vertical), 35);
}

TEST_F(ScrollBarsTest, DisabledVerticalBarIgnoresTheWheel) {
    bars.SetEnabled(EScrollBar::Vertical, false);
    EXPECT_FALSE(os::IsScrollBarEnabled(window, os::SB_VERT));
    os::testing::WheelNotches(window, {50, 50}, -1);
    EXPECT_EQ(bars.Value(EScrollBar::Vertical), 50);
    EXPECT_TRUE(log.events.empty());
}

TEST_F(ScrollBarsTest, FlatStyleSwitchesBothBars) {
    bars.SetStyle(EScrollBarStyle::Flat);
    os::LONG_PTR horizontal = -1;
    os::LONG_PTR vertical = -1;
    ASSERT_TRUE(os::FlatSB_GetScrollProp(window, os::WSB_PROP_HSTYLE, horizontal));
    ASSERT_TRUE(os::FlatSB_GetScrollProp(window, os::WSB_PROP_VSTYLE, vertical));
    EXPECT_EQ(horizontal, os::FSB_FLAT_MODE);
    EXPECT_EQ(vertical, os::FSB_FLAT_MODE);
    Request(os::WM_VSCROLL, os::SB_LINEDOWN);
    EXPECT_EQ(bars.Value(EScrollBar::Vertical), 55);
    bars.SetStyle(EScrollBarStyle::Standard);
    ASSERT_TRUE(os::FlatSB_GetScrollProp(window, os::WSB_PROP_VSTYLE, vertical));
    EXPECT_EQ(vertical, os::FSB_REGULAR_MODE);
}

// A large table: the bar's range holds 400,000 rows and the ends are reached.
TEST_F(ScrollBarsTest, ReachesBothEndsOfALargeRange) {
    bars.SetMax(EScrollBar::Vertical, 399'999);
    bars.SetLargeChange(EScrollBar::Vertical, 30);
    Request(os::WM_VSCROLL, os::SB_BOTTOM);
    EXPECT_EQ(bars.Value(EScrollBar::Vertical), 399'970);
    Request(os::WM_VSCROLL, os::SB_PAGEUP);
    EXPECT_EQ(bars.Value(EScrollBar::Vertical), 399'940);
    Request(os::WM_VSCROLL, os::SB_TOP);
    EXPECT_EQ(bars.Value(EScrollBar::Vertical), 0);
}

}  // namespace
