#pragma once

#include <cstdint>

#include "os/types/Types.h"

namespace platform {

// When a hooked window's previous procedure runs, relative to its clients.
namespace response {
inline constexpr std::int32_t Consume = 0;         // only when a client passes the message on
inline constexpr std::int32_t PreviousAfter = 1;   // after all clients
inline constexpr std::int32_t PreviousBefore = 2;  // before the clients
}  // namespace response

// A window object that receives the messages it registered for.
class ISubclass {
public:
    virtual ~ISubclass() = default;

    virtual std::int32_t MsgResponse() const = 0;
    // Clients of this program ignore a new response mode.
    virtual void SetMsgResponse(std::int32_t /*mode*/) {}
    // Handles one message; result starts as the previous procedure's answer
    // when that already ran, else 0.
    virtual void WindowProc(os::HWND window, os::UINT message, os::WPARAM wParam, os::LPARAM lParam,
                            os::LRESULT& result) = 0;
};

}  // namespace platform
