#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "os/desktop/EventLoop.h"
#include "os/windows/Messages.h"
#include "os/windows/Process.h"
#include "os/windows/Messaging.h"
#include "os/windows/Window.h"
#include "os/windows/WindowProcedures.h"
#include "HandlerFailures.h"

namespace {

using namespace os;

struct Received {
    std::string by;
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A window with a recording procedure installed in its slot.
class Messaging : public ::testing::Test {
protected:
    void SetUp() override {
        window = CreateBareWindow("Test", 0);
        recorder = Recorder("recorder", 42);
    }
    void TearDown() override {
        DestroyWindow(window);
        for (LONG_PTR id : registered) UnregisterWindowProcedure(id);
    }
    LONG_PTR Recorder(std::string name, LRESULT answer) {
        const LONG_PTR id = RegisterWindowProcedure([this, name, answer](HWND h, UINT m, WPARAM w, LPARAM l) {
            received.push_back({name, h, m, w, l});
            return answer;
        });
        registered.push_back(id);
        return id;
    }
    HWND window = 0;
    LONG_PTR recorder = 0;
    std::vector<LONG_PTR> registered;
    std::vector<Received> received;
};

TEST_F(Messaging, WindowStartsWithTheDefaultProcedure) {
    EXPECT_EQ(GetWindowLong(window, GWL_WNDPROC), DefaultWindowProcedure());
    EXPECT_EQ(SendMessage(window, WM_USER, 1, 2), 0);
}

TEST_F(Messaging, SetWindowLongSwapsTheProcedureAndAnswersThePrevious) {
    const LONG_PTR original = GetWindowLong(window, GWL_WNDPROC);
    EXPECT_EQ(SetWindowLong(window, GWL_WNDPROC, recorder), original);
    EXPECT_EQ(GetWindowLong(window, GWL_WNDPROC), recorder);
    EXPECT_EQ(SendMessage(window, WM_USER + 1, 3, -4), 42);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].window, window);
    EXPECT_EQ(received[0].message, WM_USER + 1);
    EXPECT_EQ(received[0].wParam, 3u);
    EXPECT_EQ(received[0].lParam, -4);

    EXPECT_EQ(SetWindowLong(window, GWL_WNDPROC, original), recorder);
    SendMessage(window, WM_USER, 0, 0);
    EXPECT_EQ(received.size(), 1u) << "the original procedure answered";
}

TEST_F(Messaging, SetWindowLongRefusals) {
    struct Case {
        const char* what;
        HWND target;
        int index;
        LONG_PTR value;
    };
    const Case cases[] = {
        {"no window", 0, GWL_WNDPROC, recorder},
        {"unknown procedure", window, GWL_WNDPROC, 123456789},
        {"other slot", window, -21, recorder},
    };
    for (const Case& c : cases) EXPECT_EQ(SetWindowLong(c.target, c.index, c.value), 0) << c.what;
    EXPECT_EQ(GetWindowLong(window, GWL_WNDPROC), DefaultWindowProcedure());
}

TEST_F(Messaging, WindowOfAnotherProcessCannotBeSubclassed) {
    MarkWindowForeign(window);
    EXPECT_EQ(SetWindowLong(window, GWL_WNDPROC, recorder), 0);
}

TEST_F(Messaging, CallWindowProcCallsTheGivenProcedureOnly) {
    const LONG_PTR other = Recorder("other", 7);
    SetWindowLong(window, GWL_WNDPROC, recorder);
    EXPECT_EQ(CallWindowProc(other, window, 15, 0, 0), 7);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].by, "other");
    EXPECT_EQ(CallWindowProc(987654321, window, 15, 0, 0), 0);
}

TEST_F(Messaging, ChainedProceduresPassOnThroughCallWindowProc) {
    SetWindowLong(window, GWL_WNDPROC, recorder);
    LONG_PTR previous = 0;
    const LONG_PTR hook = RegisterWindowProcedure([&](HWND h, UINT m, WPARAM w, LPARAM l) {
        return CallWindowProc(previous, h, m, w, l) + 1;
    });
    registered.push_back(hook);
    previous = SetWindowLong(window, GWL_WNDPROC, hook);
    EXPECT_EQ(SendMessage(window, WM_USER, 0, 0), 43);
}

TEST_F(Messaging, FailingProcedureAnswersZero) {
    const LONG_PTR failing = RegisterWindowProcedure([](HWND, UINT, WPARAM, LPARAM) -> LRESULT {
        throw std::runtime_error("fails");
    });
    registered.push_back(failing);
    SetWindowLong(window, GWL_WNDPROC, failing);
    testsupport::ExpectedHandlerFailures expected;
    EXPECT_EQ(SendMessage(window, WM_USER, 0, 0), 0);
    ASSERT_EQ(expected.Failures().size(), 1u);
    EXPECT_EQ(expected.Failures()[0].description, "fails");
}

TEST_F(Messaging, SendToNoWindowAnswersZero) { EXPECT_EQ(SendMessage(0, WM_USER, 0, 0), 0); }

TEST_F(Messaging, PostedMessageArrivesOnTheEventLoop) {
    SetWindowLong(window, GWL_WNDPROC, recorder);
    EXPECT_TRUE(PostMessage(window, WM_USER + 5, 9, 10));
    EXPECT_TRUE(received.empty()) << "not delivered before the loop runs";
    ProcessPendingEvents();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].message, WM_USER + 5);
    EXPECT_EQ(received[0].wParam, 9u);
}

TEST_F(Messaging, PostedMessageToAWindowDestroyedMeanwhileIsDropped) {
    const HWND doomed = CreateBareWindow("Doomed", 0);
    SetWindowLong(doomed, GWL_WNDPROC, recorder);
    EXPECT_TRUE(PostMessage(doomed, WM_USER, 0, 0));
    DestroyWindow(doomed);
    ProcessPendingEvents();
    EXPECT_TRUE(received.empty());
    EXPECT_FALSE(PostMessage(doomed, WM_USER, 0, 0));
}

TEST(WindowProcedures, PlainFunctionKeepsOneId) {
    const WNDPROC function = [](HWND, UINT, WPARAM, LPARAM) -> LRESULT { return 5; };
    const LONG_PTR id = RegisterWindowFunction(function);
    EXPECT_EQ(RegisterWindowFunction(function), id);
    EXPECT_TRUE(IsWindowProcedure(id));
    EXPECT_EQ(CallWindowProc(id, 0, 0, 0, 0), 5);
    UnregisterWindowProcedure(id);
    EXPECT_FALSE(IsWindowProcedure(id));
    EXPECT_NE(RegisterWindowFunction(function), id);
}

}  // namespace
