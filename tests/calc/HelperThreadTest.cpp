#include <gtest/gtest.h>
#include <pthread.h>
#include <sched.h>

#include <atomic>
#include <stdexcept>
#include <thread>

#include "calc/work/HelperTask.h"
#include "calc/work/HelperThread.h"

// The helper runs its work once, on a thread of its own, and is not left
// bound to the processor it was started on: it may run wherever the
// process may.
TEST(HelperThread, RunsTheWorkOnceAndMayRunAnywhereTheProcessMay) {
    cpu_set_t processSet;
    ASSERT_EQ(sched_getaffinity(0, sizeof processSet, &processSet), 0);
    int runs = 0;
    std::thread::id ranOn;
    cpu_set_t helperSet;
    CPU_ZERO(&helperSet);
    std::thread helper = calc::StartHelperThread([&] {
        ++runs;
        ranOn = std::this_thread::get_id();
        pthread_getaffinity_np(pthread_self(), sizeof helperSet, &helperSet);
    });
    ASSERT_TRUE(helper.joinable());
    const std::thread::id helperId = helper.get_id();
    helper.join();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(ranOn, helperId);
    EXPECT_TRUE(CPU_EQUAL(&helperSet, &processSet));
}

// Work handed to the helper runs on it while the caller goes on; while it
// runs the helper takes no other work, and once done it takes the next.
// What the work throws comes back from Wait.
TEST(HelperTask, RunsOneWorkAtATimeAndGivesBackWhatItThrows) {
    calc::WarmHelper();
    std::atomic<bool> release{false};
    std::thread::id ranOn;
    calc::HelperTask first([&] {
        ranOn = std::this_thread::get_id();
        while (!release) std::this_thread::yield();
    });
    if (!first.Started()) GTEST_SKIP() << "one processor: the caller does all the work";
    calc::HelperTask second([] {});
    EXPECT_FALSE(second.Started());
    release = true;
    first.Wait();
    EXPECT_NE(ranOn, std::this_thread::get_id());

    calc::HelperTask failing([] { throw std::runtime_error("out of room"); });
    ASSERT_TRUE(failing.Started());
    EXPECT_THROW(failing.Wait(), std::runtime_error);
}

// Work shared out in pieces runs every piece once, and a piece that throws
// comes back to the caller.
TEST(HelperTask, SharedOutPiecesRunOnceAndFailuresComeBack) {
    std::atomic<int> runs[40] = {};
    calc::ShareOut(40, [&](std::size_t k) { ++runs[k]; });
    for (const std::atomic<int>& r : runs) EXPECT_EQ(r, 1);
    EXPECT_THROW(calc::ShareOut(40, [](std::size_t k) {
                     if (k == 17) throw std::runtime_error("out of room");
                 }),
                 std::runtime_error);
}
