#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "os/desktop/EventLoop.h"
#include "os/windows/Timers.h"
#include "platform/TimerEvents.h"
#include "platform/modTimer.h"
#include "platform/objTimer.h"

namespace {

using platform::objTimer;

class CountingHost : public platform::TimerEvents {
public:
    int ticks = 0;
    objTimer* stopOnTick = nullptr;
    void Timer() override {
        ++ticks;
        if (stopOnTick != nullptr) stopOnTick->SetEnabled(false);
    }
};

TEST(ObjTimer, StartsWithIntervalZeroAndDisabled) {
    objTimer timer;
    EXPECT_EQ(timer.Interval(), 0);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(timer.TimerId(), 0u);
}

TEST(ObjTimer, EnabledWithIntervalZeroDoesNothing) {
    objTimer timer;
    timer.SetEnabled(true);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(timer.TimerId(), 0u);
}

TEST(ObjTimer, EnablingAndDisablingStartsAndStopsThePlatformTimer) {
    objTimer timer;
    timer.SetInterval(50);
    EXPECT_EQ(timer.TimerId(), 0u) << "a disabled timer does not start on Interval";
    timer.SetEnabled(true);
    EXPECT_TRUE(timer.Enabled());
    const os::UINT_PTR id = timer.TimerId();
    EXPECT_NE(id, 0u);
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_FALSE(os::KillTimer(0, id)) << "the platform timer is gone";
}

TEST(ObjTimer, NewIntervalRestartsAnEnabledTimer) {
    objTimer timer;
    timer.SetInterval(50);
    timer.SetEnabled(true);
    const os::UINT_PTR first = timer.TimerId();
    timer.SetInterval(60);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_NE(timer.TimerId(), first);
    EXPECT_FALSE(os::KillTimer(0, first));

    const os::UINT_PTR second = timer.TimerId();
    timer.SetInterval(60);
    EXPECT_EQ(timer.TimerId(), second) << "the same interval changes nothing";
}

TEST(ObjTimer, IntervalZeroStopsButKeepsEnabled) {
    objTimer timer;
    timer.SetInterval(50);
    timer.SetEnabled(true);
    const os::UINT_PTR id = timer.TimerId();
    timer.SetInterval(0);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_FALSE(os::KillTimer(0, id));
    timer.SetEnabled(false);
    EXPECT_TRUE(timer.Enabled()) << "with Interval 0 Enabled keeps its value";
    timer.SetInterval(40);
    EXPECT_NE(timer.TimerId(), 0u) << "a new interval starts it again";
}

TEST(ObjTimer, RaisesTimerOnTheEventLoop) {
    CountingHost host;
    objTimer timer(&host);
    timer.SetInterval(10);
    timer.SetEnabled(true);
    EXPECT_EQ(host.ticks, 0);
    ASSERT_TRUE(os::ProcessEventsUntil([&] { return host.ticks >= 2; }, 5000));
}

TEST(ObjTimer, HostMayStopTheTimerFromItsEvent) {
    CountingHost host;
    objTimer timer(&host);
    host.stopOnTick = &timer;
    timer.SetInterval(10);
    timer.SetEnabled(true);
    ASSERT_TRUE(os::ProcessEventsUntil([&] { return host.ticks >= 1; }, 5000));
    EXPECT_FALSE(timer.Enabled());
    os::ProcessPendingEvents();
    EXPECT_EQ(host.ticks, 1);
}

TEST(ObjTimer, DestructionStopsTheTimer) {
    os::UINT_PTR id = 0;
    {
        objTimer timer;
        timer.SetInterval(10);
        timer.SetEnabled(true);
        id = timer.TimerId();
    }
    EXPECT_FALSE(os::KillTimer(0, id));
    platform::modTimer::TimerProc(0, os::WM_TIMER, id, 0);  // a late tick finds no object
}

TEST(ModTimer, TableStartsWithTenRecordsAndGrowsWhenFull) {
    std::vector<std::unique_ptr<objTimer>> timers;
    for (int i = 0; i < 10; ++i) {
        timers.push_back(std::make_unique<objTimer>());
        timers.back()->SetInterval(1000);
        timers.back()->SetEnabled(true);
    }
    const std::size_t before = platform::modTimer::TableSize();
    EXPECT_GE(before, 10u);
    for (int i = 0; i < static_cast<int>(before); ++i) {
        timers.push_back(std::make_unique<objTimer>());
        timers.back()->SetInterval(1000);
        timers.back()->SetEnabled(true);
    }
    EXPECT_GT(platform::modTimer::TableSize(), before);
    for (const auto& timer : timers) EXPECT_TRUE(timer->Enabled());
}

TEST(ModTimer, CallbackReachesOnlyTheTimerWithThatIdentifier) {
    CountingHost first;
    CountingHost second;
    objTimer a(&first);
    objTimer b(&second);
    a.SetInterval(100000);
    b.SetInterval(100000);
    a.SetEnabled(true);
    b.SetEnabled(true);
    platform::modTimer::TimerProc(0, os::WM_TIMER, b.TimerId(), 0);
    EXPECT_EQ(first.ticks, 0);
    EXPECT_EQ(second.ticks, 1);
}

}  // namespace
