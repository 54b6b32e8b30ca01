#pragma once

namespace platform {

// The host of an objTimer hears its ticks here.
class TimerEvents {
public:
    virtual ~TimerEvents() = default;
    virtual void Timer() {}
};

}  // namespace platform
