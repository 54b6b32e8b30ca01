#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "os/desktop/EventLoop.h"
#include "os/windows/Timers.h"
#include "os/windows/Window.h"

namespace {

using namespace os;

std::vector<UINT_PTR> fired;
UINT_PTR killOnFire = 0;

void Record(HWND window, UINT message, UINT_PTR id, DWORD) {
    EXPECT_EQ(window, 0);
    EXPECT_EQ(message, WM_TIMER);
    fired.push_back(id);
    if (id == killOnFire) KillTimer(0, id);
}

class Timers : public ::testing::Test {
protected:
    void SetUp() override {
        fired.clear();
        killOnFire = 0;
    }
};

TEST_F(Timers, WindowlessTimerCallsBackWithItsIdentifier) {
    const UINT_PTR id = SetTimer(0, 0, 10, &Record);
    ASSERT_NE(id, 0u);
    EXPECT_TRUE(fired.empty()) << "nothing fires before the loop runs";
    ASSERT_TRUE(ProcessEventsUntil([] { return fired.size() >= 2; }, 5000));
    EXPECT_EQ(fired[0], id);
    EXPECT_EQ(fired[1], id);
    EXPECT_TRUE(KillTimer(0, id));
}

TEST_F(Timers, EachTimerGetsItsOwnIdentifier) {
    const UINT_PTR first = SetTimer(0, 0, 10, &Record);
    const UINT_PTR second = SetTimer(0, 0, 10, &Record);
    EXPECT_NE(first, second);
    KillTimer(0, first);
    KillTimer(0, second);
}

TEST_F(Timers, KilledTimerIsGoneAndKillingTwiceFails) {
    const UINT_PTR id = SetTimer(0, 0, 10, &Record);
    EXPECT_TRUE(KillTimer(0, id));
    EXPECT_FALSE(KillTimer(0, id));
    EXPECT_FALSE(KillTimer(0, 0));
}

TEST_F(Timers, CallbackMayKillItsOwnTimer) {
    killOnFire = SetTimer(0, 0, 10, &Record);
    const UINT_PTR other = SetTimer(0, 0, 10, &Record);
    ASSERT_TRUE(ProcessEventsUntil([other] { return std::count(fired.begin(), fired.end(), other) >= 3; }, 5000));
    EXPECT_EQ(std::count(fired.begin(), fired.end(), killOnFire), 1);
    EXPECT_FALSE(KillTimer(0, killOnFire));
    KillTimer(0, other);
}

TEST_F(Timers, WindowlessTimerNeedsACallback) { EXPECT_EQ(SetTimer(0, 0, 10, nullptr), 0u); }

}  // namespace
