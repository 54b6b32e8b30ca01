#pragma once

#include <atomic>
#include <cstddef>
#include <exception>
#include <functional>

namespace calc {

// Work handed to the process's helper thread, which is started the first
// time it is needed and then stays, waiting for the next work. While it
// waits it first watches for work for a millisecond, so that work handed
// over soon after starts at once, and then sleeps: on the machines
// measured, waking a sleeping thread on another processor took about
// 0.1 ms, and starting a new one 0.2 ms, each time.
//
// The work runs only when the helper is free and a thread can be had;
// otherwise Started() is false and nothing runs, and the caller does the
// work itself. Work shared out in pieces that whichever thread is free
// takes needs no more than that.
class HelperTask {
public:
    explicit HelperTask(std::function<void()> work);
    HelperTask(const HelperTask&) = delete;
    HelperTask& operator=(const HelperTask&) = delete;
    // Waits for the work, if it was started, and lets what it threw go.
    ~HelperTask();

    bool Started() const { return started_; }
    // Waits until the work is done, if it was started; rethrows what it threw.
    void Wait();

private:
    bool started_ = false;
    bool waited_ = false;
};

// Starts the helper thread now, when it will be wanted soon: it takes a
// while to start, which it then spends while the caller works on.
void WarmHelper();

// Runs piece(0) to piece(count - 1), each once, on whichever of this thread
// and the helper is free first, and returns when all are done. A piece
// that throws stops both threads from taking more; what it threw is
// rethrown here.
template <class Piece>
void ShareOut(std::size_t count, const Piece& piece) {
    std::atomic<std::size_t> next{0};
    auto take = [&](std::exception_ptr& failure) noexcept {
        try {
            for (std::size_t k; (k = next.fetch_add(1)) < count;) piece(k);
        } catch (...) {
            next = count;
            failure = std::current_exception();
        }
    };
    std::exception_ptr helperFailure, failure;
    HelperTask helper([&] { take(helperFailure); });
    take(failure);
    helper.Wait();
    if (failure) std::rethrow_exception(failure);
    if (helperFailure) std::rethrow_exception(helperFailure);
}

}  // namespace calc
