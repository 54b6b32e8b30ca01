#pragma once

#include <cstdint>

#include "os/types/Types.h"

namespace platform {

class objTimer;

// The table of running objTimers and the callback the platform calls.
namespace modTimer {

// Starts a platform timer for the object; false when the platform refuses.
bool StartTimer(objTimer& timer, std::int32_t interval);
// Stops the object's platform timer; false when it had none in the table.
bool StopTimer(objTimer& timer);
// Raises Timer on the object that owns the platform timer timerId.
void TimerProc(os::HWND window, os::UINT message, os::UINT_PTR timerId, os::DWORD tickCount);

// Number of records in the table (10 on first use, grown when full).
std::size_t TableSize();

}  // namespace modTimer

}  // namespace platform
