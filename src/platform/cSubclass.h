#pragma once

#include <string>
#include <vector>

#include "os/types/Types.h"

namespace platform {

class ISubclass;

// Binds one client to one window and remembers the messages it hooked, so
// that they are all detached when the object ends.
class cSubclass {
public:
    cSubclass() = default;
    ~cSubclass();
    cSubclass(const cSubclass&) = delete;
    cSubclass& operator=(const cSubclass&) = delete;

    // Error 5 when already bound to another client or window; error 457 when
    // the message is already in the list; the hook's errors otherwise.
    void Attach(ISubclass* client, os::HWND window, os::UINT message);
    // Error 5 unless client and window are the bound ones.
    void Detach(ISubclass* client, os::HWND window, os::UINT message);

    // The message list, keyed by the message number as text, in order added.
    const std::vector<std::string>& Messages() const { return messages_; }

private:
    bool IsBoundTo(const ISubclass* client, os::HWND window) const;
    void AddMessage(os::UINT message);
    void RemoveMessage(os::UINT message);

    ISubclass* client_ = nullptr;
    os::HWND window_ = 0;
    std::vector<std::string> messages_;
};

}  // namespace platform
