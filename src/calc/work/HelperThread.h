#pragma once

#include <functional>
#include <thread>

namespace calc {

// Starts `work` on a thread of its own, placed at first on a processor
// other than the caller's when the process may use another; once running,
// it may move to any processor the process may use.
//
// Left to the scheduler, a new thread was queued on its creator's
// processor: on the two-processor virtual machines measured it waited there
// 1 to 3 ms, until the creator blocked or the next balancing moved it,
// before it ran at all. That is longer than the work shared with it. Placed
// on the other processor it runs within about 0.2 ms.
//
// Throws std::system_error when no thread can be started, as std::thread.
std::thread StartHelperThread(std::function<void()> work);

// How many processors the process may run on, asked once: work is shared
// with a helper only when there are two or more.
int UsableProcessors();

}  // namespace calc
