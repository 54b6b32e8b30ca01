#pragma once

#include "os/types/Types.h"

namespace platform {

class ISubclass;

// Lets several clients hook chosen messages of one window. The window's
// procedure is replaced on the first registration and put back on the last
// detach; the registry lives in the window's properties (HookProperties).
namespace MSubclass {

// Registers the client for the message. Raises 13083 for a handle that is
// not a window, 13084 for a window of another process, 13081 when the
// procedure cannot be replaced, 13082 when the client already has it.
void Attach(ISubclass* client, os::HWND window, os::UINT message);

// Removes the registration; does nothing when the client does not have it.
void Detach(ISubclass* client, os::HWND window, os::UINT message);

// Calls the previous procedure of the window being dispatched now and
// returns its answer; what a client calls for a message it does not consume.
os::LRESULT PassOn(os::HWND window, os::UINT message, os::WPARAM wParam, os::LPARAM lParam);

// The replacement window procedure: hands the message to its clients.
os::LRESULT WindowProc(os::HWND window, os::UINT message, os::WPARAM wParam, os::LPARAM lParam);

}  // namespace MSubclass

}  // namespace platform
