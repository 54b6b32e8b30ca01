#pragma once

#include <cstdint>

#include "os/types/Types.h"

namespace platform {

class TimerEvents;

// A timer without a window that raises Timer on its host every Interval
// milliseconds while Enabled.
class objTimer {
public:
    explicit objTimer(TimerEvents* host = nullptr) : host_(host) {}
    ~objTimer();
    objTimer(const objTimer&) = delete;
    objTimer& operator=(const objTimer&) = delete;

    void SetHost(TimerEvents* host) { host_ = host; }

    std::int32_t Interval() const { return interval_; }
    // A new interval restarts an enabled timer (0 stops it; Enabled stays).
    void SetInterval(std::int32_t interval);
    bool Enabled() const { return enabled_; }
    // Starts or stops the timer; does nothing while Interval is 0. Enabled
    // stays false when the timer cannot be started.
    void SetEnabled(bool enabled);

    // The platform timer now running for this object, 0 when none.
    os::UINT_PTR TimerId() const { return timerId_; }
    void SetTimerId(os::UINT_PTR id) { timerId_ = id; }
    // Raises Timer on the host.
    void RaiseTimer();

private:
    TimerEvents* host_;
    std::int32_t interval_ = 0;
    bool enabled_ = false;
    os::UINT_PTR timerId_ = 0;
};

}  // namespace platform
