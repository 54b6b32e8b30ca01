#pragma once

#include <functional>
#include <vector>

#include "os/windows/Window.h"
#include "os/windows/WindowProcedures.h"

namespace testing_support {

// Installs a procedure on a window for the length of a test and records the
// messages it sees; what it does with each is up to the test.
class HookedProcedure {
public:
    using Handler = std::function<os::LRESULT(HookedProcedure&, os::HWND, os::UINT, os::WPARAM, os::LPARAM)>;

    HookedProcedure(os::HWND window, Handler handler) : window_(window), handler_(std::move(handler)) {
        id_ = os::RegisterWindowProcedure([this](os::HWND h, os::UINT m, os::WPARAM w, os::LPARAM l) {
            messages.push_back(m);
            return handler_(*this, h, m, w, l);
        });
        previous = os::SetWindowLong(window_, os::GWL_WNDPROC, id_);
    }
    ~HookedProcedure() {
        if (os::IsWindow(window_)) os::SetWindowLong(window_, os::GWL_WNDPROC, previous);
        os::UnregisterWindowProcedure(id_);
    }
    HookedProcedure(const HookedProcedure&) = delete;
    HookedProcedure& operator=(const HookedProcedure&) = delete;

    os::LRESULT PassOn(os::HWND h, os::UINT m, os::WPARAM w, os::LPARAM l) const {
        return os::CallWindowProc(previous, h, m, w, l);
    }
    int Count(os::UINT message) const {
        int count = 0;
        for (os::UINT seen : messages) count += seen == message ? 1 : 0;
        return count;
    }

    os::LONG_PTR previous = 0;
    std::vector<os::UINT> messages;

private:
    os::HWND window_;
    Handler handler_;
    os::LONG_PTR id_ = 0;
};

}  // namespace testing_support
