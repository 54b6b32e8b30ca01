#pragma once

#include <utility>

namespace runtime {

// Runs an event handler, window procedure or timer callback so that nothing
// it throws escapes: a failure inside a handler ends that handler quietly.
// Returns false when the handler failed.
template <class Handler>
bool RunHandler(Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace runtime
