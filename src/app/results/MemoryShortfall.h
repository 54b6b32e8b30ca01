#pragma once

#include <functional>

#include "os/types/Types.h"

namespace app {

// Runs work that a command of the user starts and that may need more memory
// than there is (a tolerance so wide that millions of trains qualify). When
// the memory runs out, `recover` puts back what the work had changed, so
// that nothing half done looks whole, and the user is told that there was
// not enough memory and to narrow the tolerance. Returns whether the work
// was done.
bool RunWithinMemory(os::HWND owner, const std::function<void()>& work, const std::function<void()>& recover = {});

// The message that the memory ran out (language key "notEnoughMemory").
void ReportMemoryShortfall(os::HWND owner);

}  // namespace app
