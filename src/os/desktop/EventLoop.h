#pragma once

#include <functional>

namespace os {

// Runs the event loop until nothing is waiting.
void ProcessPendingEvents();
// Runs the event loop until done() holds or timeoutMs has passed; returns done().
bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMs);

}  // namespace os
