#include <gtest/gtest.h>
#include <pthread.h>
#include <sched.h>

#include <thread>

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
