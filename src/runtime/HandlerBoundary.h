#pragma once

#include "runtime/HandlerReport.h"

#include <exception>
#include <utility>

namespace runtime {

// Runs an event handler, window procedure or timer callback so that nothing
// it throws escapes: a failure inside a handler ends that handler quietly for
// the user and is passed to the handler report hook. Returns false when the
// handler failed.
template <class Handler>
bool RunHandler(Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (...) {
        ReportHandlerFailure(std::current_exception());
        return false;
    }
}

}  // namespace runtime
