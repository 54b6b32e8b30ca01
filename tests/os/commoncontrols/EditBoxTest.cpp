// The text box that editors lay over other windows, the clipboard service,
// window tooltips and the keyboard focus.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <string>
#include <vector>

#include "os/commoncontrols/Clipboard.h"
#include "os/commoncontrols/EditBox.h"
#include "os/testing/SimulatedInput.h"
#include "os/desktop/EventLoop.h"
#include "os/windows/Focus.h"
#include "os/desktop/ToolTips.h"
#include "os/windows/VirtualKeys.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"

namespace {

// Notes the box's events; swallows the key 'B' and types 'C' for 'c'.
class BoxOwner : public os::ControlOwner {
public:
    void KeyDown(std::int16_t& key, std::int16_t&) override {
        log.push_back("KeyDown(" + std::to_string(key) + ")");
        if (key == 'B') key = 0;
    }
    void KeyPress(std::int16_t& ascii) override {
        log.push_back("KeyPress(" + std::to_string(ascii) + ")");
        if (ascii == 'c') ascii = 'C';
    }
    void KeyUp(std::int16_t& key, std::int16_t&) override { log.push_back("KeyUp(" + std::to_string(key) + ")"); }
    void LostFocus() override { log.push_back("LostFocus"); }
    std::vector<std::string> log;
};

class EditBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent = os::CreateWidgetWindow("form", 0, {0, 0, 200, 100});
        box = os::CreateEditBox(owner, parent);
        os::ShowWindow(parent, os::SW_SHOW);
    }
    void TearDown() override {
        os::DestroyWindow(box);
        os::DestroyWindow(parent);
    }
    BoxOwner owner;
    os::HWND parent = 0;
    os::HWND box = 0;
};

TEST_F(EditBoxTest, StartsHiddenAndEmpty) {
    EXPECT_EQ(os::GetClassName(box), "Edit");
    EXPECT_FALSE(os::IsWindowVisible(box));
    EXPECT_EQ(os::EditBoxText(box), "");
}

TEST_F(EditBoxTest, TheOwnerHearsKeysFirstAndCanStopOrChangeThem) {
    os::ShowWindow(box, os::SW_SHOW);
    for (int key : {'A', 'B', 'C'}) os::testing::KeyClick(box, key);
    EXPECT_EQ(os::EditBoxText(box), "aC");
    EXPECT_EQ(owner.log, (std::vector<std::string>{"KeyDown(65)", "KeyPress(97)", "KeyUp(65)", "KeyDown(66)",
                                                   "KeyUp(66)", "KeyDown(67)", "KeyPress(99)", "KeyUp(67)"}));
}

TEST_F(EditBoxTest, TextCaretAndLooks) {
    os::SetEditBoxText(box, "gear");
    os::SetEditBoxCaret(box, 100);
    EXPECT_EQ(os::EditBoxCaret(box), 4);
    os::SetEditBoxCaret(box, 0);
    os::ReplaceEditBoxSelection(box, "spur ");
    EXPECT_EQ(os::EditBoxText(box), "spur gear");
    EXPECT_EQ(os::EditBoxCaret(box), 5);
    for (int alignment : {2, 1, 0}) {
        os::SetEditBoxAlignment(box, alignment);
        EXPECT_EQ(os::EditBoxAlignment(box), alignment);
    }
    os::SetEditBoxBackColor(box, os::RGB(10, 20, 30));
    EXPECT_EQ(os::EditBoxBackColor(box), os::RGB(10, 20, 30));
    os::SetEditBoxFlat(box, true);
    EXPECT_TRUE(os::EditBoxFlat(box));
    os::SetEditBoxFlat(box, false);
    EXPECT_FALSE(os::EditBoxFlat(box));
}

TEST_F(EditBoxTest, FocusMovesBetweenWindowsAndTheBoxHearsItGo) {
    os::HWND other = os::CreateEditBox(owner, parent);
    os::ShowWindow(box, os::SW_SHOW);
    os::ShowWindow(other, os::SW_SHOW);
    os::SetFocus(box);
    os::ProcessPendingEvents();
    EXPECT_EQ(os::GetFocus(), box);
    owner.log.clear();
    EXPECT_EQ(os::SetFocus(other), box);
    os::ProcessPendingEvents();
    EXPECT_EQ(os::GetFocus(), other);
    EXPECT_EQ(owner.log, std::vector<std::string>{"LostFocus"});
    EXPECT_TRUE(os::BringWindowToTop(box));
    EXPECT_FALSE(os::BringWindowToTop(0));
    os::DestroyWindow(other);
}

TEST_F(EditBoxTest, WindowsCarryATooltip) {
    EXPECT_TRUE(os::SetWindowToolTip(box, "a tip"));
    EXPECT_EQ(os::WindowToolTip(box), "a tip");
    EXPECT_FALSE(os::SetWindowToolTip(0, "lost"));
    EXPECT_EQ(os::WindowToolTip(0), "");
}

TEST(Clipboard, TextGoesToTheReceiverOrTheSystem) {
    std::vector<std::string> received;
    os::SetClipboardReceiver([&](const std::string& text) { received.push_back(text); });
    os::SetClipboardText("a\tb\n");
    EXPECT_EQ(received, std::vector<std::string>{"a\tb\n"});
    const os::ClipboardReceiver previous = os::SetClipboardReceiver({});
    EXPECT_TRUE(static_cast<bool>(previous));
    os::SetClipboardText("gears");
    EXPECT_EQ(received.size(), 1u);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "gears");
}

}  // namespace
