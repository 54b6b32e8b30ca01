#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "os/windows/Window.h"
#include "os/windows/WindowProcedures.h"
#include "platform/ISubclass.h"
#include "platform/MSubclass.h"

namespace testing_support {

// One shared log of who saw which message, in order.
using Log = std::vector<std::string>;

// A hook client with a fixed response mode that logs each message it sees
// and, when asked, passes it on or fails.
class RecordingClient : public platform::ISubclass {
public:
    RecordingClient(std::string name, std::int32_t mode, Log& log) : name_(std::move(name)), mode_(mode), log_(log) {}

    std::int32_t MsgResponse() const override { return mode_; }
    void WindowProc(os::HWND window, os::UINT message, os::WPARAM wParam, os::LPARAM lParam,
                    os::LRESULT& result) override {
        log_.push_back(name_ + " " + std::to_string(message) + " sees " + std::to_string(result));
        if (fail) throw std::runtime_error("client fails");
        if (passOn) result = platform::MSubclass::PassOn(window, message, wParam, lParam);
        if (answer) result = *answer;
    }

    bool passOn = false;
    bool fail = false;
    std::optional<os::LRESULT> answer;

private:
    std::string name_;
    std::int32_t mode_;
    Log& log_;
};

// Registers a logging procedure as the window's original procedure.
inline os::LONG_PTR InstallLoggingProcedure(os::HWND window, Log& log, os::LRESULT answer) {
    const os::LONG_PTR id = os::RegisterWindowProcedure([&log, answer](os::HWND, os::UINT message, os::WPARAM, os::LPARAM) {
        log.push_back("previous " + std::to_string(message));
        return answer;
    });
    os::SetWindowLong(window, os::GWL_WNDPROC, id);
    return id;
}

}  // namespace testing_support
