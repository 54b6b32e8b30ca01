#pragma once

#include <functional>
#include <utility>

#include "platform/TimerEvents.h"

namespace app {

// Hands the ticks of one timer to a function, so that a window with several
// timers tells them apart.
class TimerHandler : public platform::TimerEvents {
public:
    explicit TimerHandler(std::function<void()> tick) : tick_(std::move(tick)) {}
    void Timer() override { tick_(); }

private:
    std::function<void()> tick_;
};

}  // namespace app
