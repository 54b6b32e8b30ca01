#include <gtest/gtest.h>

#include "os/windows/Messages.h"
#include "os/windows/VirtualKeys.h"
#include "os/qt/WidgetWindows.h"
#include "os/windows/Window.h"
#include "os/testing/SimulatedInput.h"
#include "platform/ISubclass.h"
#include "platform/MSubclass.h"
#include "platform/cSubclass.h"

namespace {

using namespace os;

// An editor client as the grid uses it: it keeps Enter and Escape for
// itself and passes every other key on to the text box.
class EditorKeys : public platform::ISubclass {
public:
    std::vector<WPARAM> kept;

    std::int32_t MsgResponse() const override { return platform::response::Consume; }
    void WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
            kept.push_back(wParam);
            return;
        }
        result = platform::MSubclass::PassOn(window, message, wParam, lParam);
    }
};

// Notes which keys it saw after the text box handled them.
class AfterKeys : public platform::ISubclass {
public:
    explicit AfterKeys(HWND textBox) : textBox_(textBox) {}
    std::vector<std::string> textAfter;

    std::int32_t MsgResponse() const override { return platform::response::PreviousBefore; }
    void WindowProc(HWND, UINT, WPARAM, LPARAM, LRESULT&) override {
        textAfter.push_back(os::testing::TextBoxText(textBox_));
    }

private:
    HWND textBox_;
};

TEST(HookedTextBox, EnterNeverReachesTheTextBoxButLettersDo) {
    const HWND form = CreateWidgetWindow("Form", 0, {0, 0, 200, 100});
    const HWND textBox = os::testing::CreateTextBox(form);
    EditorKeys client;
    platform::cSubclass subclass;
    subclass.Attach(&client, textBox, WM_KEYDOWN);

    os::testing::KeyClick(textBox, 'K');
    os::testing::KeyClick(textBox, VK_RETURN);
    os::testing::KeyClick(textBox, 'O');
    os::testing::KeyClick(textBox, VK_ESCAPE);

    EXPECT_EQ(os::testing::TextBoxText(textBox), "ko");
    EXPECT_EQ(os::testing::TextBoxEnterCount(textBox), 0);
    EXPECT_EQ(client.kept, (std::vector<WPARAM>{VK_RETURN, VK_ESCAPE}));

    subclass.Detach(&client, textBox, WM_KEYDOWN);
    os::testing::KeyClick(textBox, VK_RETURN);
    EXPECT_EQ(os::testing::TextBoxEnterCount(textBox), 1) << "unhooked, Enter reaches it again";
    DestroyWindow(form);
}

TEST(HookedTextBox, ClientAfterDefaultProcessingSeesTheKeyApplied) {
    const HWND form = CreateWidgetWindow("Form", 0, {0, 0, 200, 100});
    const HWND textBox = os::testing::CreateTextBox(form);
    AfterKeys client(textBox);
    platform::cSubclass subclass;
    subclass.Attach(&client, textBox, WM_KEYDOWN);
    os::testing::KeyClick(textBox, 'X');
    os::testing::KeyClick(textBox, 'Y');
    EXPECT_EQ(client.textAfter, (std::vector<std::string>{"x", "xy"}));
    DestroyWindow(form);
}

}  // namespace
