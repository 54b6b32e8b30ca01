#include "calc/work/HelperTask.h"

#include <pthread.h>

#include <atomic>
#include <chrono>
#include <exception>
#include <system_error>
#include <thread>
#include <utility>

#include "calc/work/HelperThread.h"

namespace calc {

namespace {

// How long a thread watches for a change before it sleeps until one comes.
constexpr std::chrono::microseconds kWatch{1000};

void Pause() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
}

// Waits until `state` is no longer `from`: watching for kWatch, then
// sleeping. Returns the new state.
int AwaitChange(const std::atomic<int>& state, int from) {
    const auto until = std::chrono::steady_clock::now() + kWatch;
    for (int round = 0;; ++round) {
        const int now = state.load(std::memory_order_acquire);
        if (now != from) return now;
        Pause();
        if (round % 256 == 255 && std::chrono::steady_clock::now() > until) break;
    }
    for (int now;;) {
        state.wait(from, std::memory_order_acquire);
        if ((now = state.load(std::memory_order_acquire)) != from) return now;
    }
}

// The helper thread and the one piece of work it may hold.
class Helper {
public:
    static Helper& Instance() {
        static Helper helper;
        return helper;
    }

    Helper(const Helper&) = delete;
    Helper& operator=(const Helper&) = delete;

    ~Helper() {
        if (forked_) {
            if (thread_.joinable()) thread_.detach();
            return;
        }
        int free = kFree;
        while (!state_.compare_exchange_weak(free, kStopping)) free = kFree;
        state_.notify_all();
        if (thread_.joinable()) thread_.join();
    }

    // Hands `work` over when the helper is free; false when it is busy or
    // no thread can be had.
    bool Hand(std::function<void()>& work) {
        if (!Claim()) return false;
        if (!Running()) {
            state_.store(kFree, std::memory_order_release);
            return false;
        }
        work_ = std::move(work);
        state_.store(kHanded, std::memory_order_release);
        state_.notify_all();
        return true;
    }

    // Starts the thread, if it is not running and the helper is free.
    void Warm() {
        if (!Claim()) return;
        Running();
        state_.store(kFree, std::memory_order_release);
    }

    // Waits until the work handed over is done and frees the helper;
    // returns what the work threw.
    std::exception_ptr Await() {
        while (AwaitChange(state_, kHanded) != kDone) {
        }
        std::exception_ptr failure = std::exchange(failure_, nullptr);
        work_ = nullptr;
        state_.store(kFree, std::memory_order_release);
        return failure;
    }

private:
    enum : int { kFree, kClaimed, kHanded, kDone, kStopping };

    // A child made by fork has none of its parent's threads: there, the
    // helper is never free.
    Helper() {
        pthread_atfork(nullptr, nullptr, [] { Instance().forked_ = true; });
    }

    bool Claim() {
        int free = kFree;
        return !forked_ && state_.compare_exchange_strong(free, kClaimed);
    }

    // Whether the thread runs, starting it if need be; only while claimed.
    bool Running() {
        if (thread_.joinable()) return true;
        try {
            thread_ = StartHelperThread([this] { Run(); });
        } catch (const std::system_error&) {  // no thread to be had
        }
        return thread_.joinable();
    }

    void Run() {
        for (;;) {
            int state = state_.load(std::memory_order_acquire);
            while (state != kHanded && state != kStopping) state = AwaitChange(state_, state);
            if (state == kStopping) return;
            try {
                work_();
            } catch (...) {
                failure_ = std::current_exception();
            }
            state_.store(kDone, std::memory_order_release);
            state_.notify_all();
        }
    }

    std::atomic<int> state_{kFree};
    std::function<void()> work_;
    std::exception_ptr failure_;
    std::thread thread_;
    bool forked_ = false;
};

}  // namespace

HelperTask::HelperTask(std::function<void()> work) {
    if (UsableProcessors() > 1) started_ = Helper::Instance().Hand(work);
}

HelperTask::~HelperTask() {
    if (started_ && !waited_) Helper::Instance().Await();
}

void WarmHelper() {
    if (UsableProcessors() > 1) Helper::Instance().Warm();
}

void HelperTask::Wait() {
    if (!started_ || waited_) return;
    waited_ = true;
    if (std::exception_ptr failure = Helper::Instance().Await()) std::rethrow_exception(failure);
}

}  // namespace calc
