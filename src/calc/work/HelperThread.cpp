#include "calc/work/HelperThread.h"

#include <pthread.h>
#include <sched.h>

#include <atomic>
#include <memory>
#include <utility>

namespace calc {

std::thread StartHelperThread(std::function<void()> work) {
    cpu_set_t anywhere;
    const int here = sched_getcpu();
    if (here < 0 || sched_getaffinity(0, sizeof anywhere, &anywhere) != 0) return std::thread(std::move(work));
    cpu_set_t elsewhere = anywhere;
    CPU_CLR(here, &elsewhere);
    if (CPU_COUNT(&elsewhere) == 0) return std::thread(std::move(work));

    // The thread waits until it has been placed, so that it frees itself
    // only after the placing and never stays bound to it.
    auto placed = std::make_shared<std::atomic<bool>>(false);
    std::thread thread([work = std::move(work), placed, anywhere] {
        while (!placed->load(std::memory_order_acquire)) std::this_thread::yield();
        pthread_setaffinity_np(pthread_self(), sizeof anywhere, &anywhere);
        work();
    });
    pthread_setaffinity_np(thread.native_handle(), sizeof elsewhere, &elsewhere);
    placed->store(true, std::memory_order_release);
    return thread;
}

int UsableProcessors() {
    static const int usable = [] {
        cpu_set_t anywhere;
        return sched_getaffinity(0, sizeof anywhere, &anywhere) == 0 ? CPU_COUNT(&anywhere) : 1;
    }();
    return usable;
}

}  // namespace calc
