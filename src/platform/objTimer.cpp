#include "platform/objTimer.h"

#include "platform/TimerEvents.h"
#include "platform/modTimer.h"

namespace platform {

objTimer::~objTimer() {
    SetEnabled(false);
    if (timerId_ != 0) modTimer::StopTimer(*this);
}

void objTimer::SetInterval(std::int32_t interval) {
    if (interval == interval_) return;
    interval_ = interval;
    if (!enabled_) return;
    modTimer::StopTimer(*this);
    if (interval_ != 0) enabled_ = modTimer::StartTimer(*this, interval_);
}

void objTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_ || interval_ == 0) return;
    if (enabled) {
        enabled_ = modTimer::StartTimer(*this, interval_);
    } else {
        modTimer::StopTimer(*this);
        enabled_ = false;
    }
}

void objTimer::RaiseTimer() {
    if (host_ != nullptr) host_->Timer();
}

}  // namespace platform
