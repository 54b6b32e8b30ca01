#include "platform/MSubclass.h"

#include <exception>
#include <utility>

#include "os/windows/Process.h"
#include "os/windows/Window.h"
#include "os/windows/WindowProcedures.h"
#include "platform/HookProperties.h"
#include "platform/ISubclass.h"
#include "platform/SubclassErrors.h"
#include "runtime/HandlerReport.h"

namespace platform::MSubclass {

namespace {

// The message being dispatched and the previous procedure of its window,
// for clients that pass the message on.
struct Dispatch {
    os::UINT message = 0;
    os::LONG_PTR previousProcedure = 0;
};

Dispatch& Current() {
    static Dispatch current;
    return current;
}

// Makes a dispatch current for the duration of one client call, and puts
// back the outer one afterwards (a client may cause a nested dispatch).
class CurrentDispatch {
public:
    CurrentDispatch(os::UINT message, os::LONG_PTR previousProcedure)
        : outer_(std::exchange(Current(), Dispatch{message, previousProcedure})) {}
    ~CurrentDispatch() { Current() = outer_; }
    CurrentDispatch(const CurrentDispatch&) = delete;
    CurrentDispatch& operator=(const CurrentDispatch&) = delete;

private:
    Dispatch outer_;
};

os::LONG_PTR ReplacementProcedure() {
    static const os::LONG_PTR id = os::RegisterWindowFunction(&WindowProc);
    return id;
}

void CheckWindow(os::HWND window) {
    if (!os::IsWindow(window)) RaiseSubclassError(subclass_errors::InvalidWindow);
    os::DWORD process = 0;
    os::GetWindowThreadProcessId(window, &process);
    if (process != os::GetCurrentProcessId()) RaiseSubclassError(subclass_errors::ExternalWindow);
}

void HookWindowIfFirst(const HookProperties& hook, os::HWND window) {
    if (hook.RegistrationCount() == 0) {
        const os::LONG_PTR previous = os::SetWindowLong(window, os::GWL_WNDPROC, ReplacementProcedure());
        if (previous == 0) RaiseSubclassError(subclass_errors::CantSubclass);
        hook.SetPreviousProcedure(previous);
    }
    hook.SetRegistrationCount(hook.RegistrationCount() + 1);
}

void UnhookWindowIfLast(const HookProperties& hook, os::HWND window) {
    const long registrations = hook.RegistrationCount();
    if (registrations == 1) {
        os::SetWindowLong(window, os::GWL_WNDPROC, hook.PreviousProcedure());
        hook.RemoveWindowEntries();
    } else {
        hook.SetRegistrationCount(registrations - 1);
    }
}

void RemoveFromMessageList(const HookProperties& hook, os::UINT message, long index) {
    const long count = hook.ClientCount(message);
    for (long later = index + 1; later <= count; ++later) {
        hook.SetClient(message, later - 1, hook.Client(message, later));
    }
    hook.RemoveClient(message, count);
    hook.SetClientCount(message, count - 1);
}

os::LRESULT CallPrevious(os::LONG_PTR previous, os::HWND window, os::UINT message, os::WPARAM wParam,
                         os::LPARAM lParam) {
    return os::CallWindowProc(previous, window, message, wParam, lParam);
}

void DispatchToClients(const HookProperties& hook, os::LONG_PTR previous, os::HWND window, os::UINT message,
                       os::WPARAM wParam, os::LPARAM lParam, os::LRESULT& result) {
    const long count = hook.ClientCount(message);
    bool previousCalled = false;
    for (long index = 1; index <= count; ++index) {
        ISubclass* client = hook.Client(message, index);
        if (client == nullptr) {
            result = CallPrevious(previous, window, message, wParam, lParam);
            continue;
        }
        CurrentDispatch current(message, previous);
        if (index == 1 && client->MsgResponse() == response::PreviousBefore) {
            result = CallPrevious(previous, window, message, wParam, lParam);
            previousCalled = true;
        }
        client->WindowProc(window, message, wParam, lParam, result);
        if (index == count && client->MsgResponse() == response::PreviousAfter && !previousCalled) {
            result = CallPrevious(previous, window, message, wParam, lParam);
        }
    }
}

}  // namespace

void Attach(ISubclass* client, os::HWND window, os::UINT message) {
    CheckWindow(window);
    const HookProperties hook(window);
    // Checked before the window-level count moves, so that a refused
    // registration leaves the counts as they were.
    if (hook.IndexOf(message, client) != 0) RaiseSubclassError(subclass_errors::AlreadyHandled);
    HookWindowIfFirst(hook, window);
    const long count = hook.ClientCount(message);
    hook.SetClientCount(message, count + 1);
    hook.SetClient(message, count + 1, client);
}

void Detach(ISubclass* client, os::HWND window, os::UINT message) {
    const HookProperties hook(window);
    const long index = hook.IndexOf(message, client);
    if (index == 0) return;
    UnhookWindowIfLast(hook, window);
    RemoveFromMessageList(hook, message, index);
}

os::LRESULT PassOn(os::HWND window, os::UINT message, os::WPARAM wParam, os::LPARAM lParam) {
    return CallPrevious(Current().previousProcedure, window, message, wParam, lParam);
}

os::LRESULT WindowProc(os::HWND window, os::UINT message, os::WPARAM wParam, os::LPARAM lParam) {
    os::LRESULT result = 0;
    try {
        const HookProperties hook(window);
        const os::LONG_PTR previous = hook.PreviousProcedure();
        if (hook.ClientCount(message) < 1) return CallPrevious(previous, window, message, wParam, lParam);
        DispatchToClients(hook, previous, window, message, wParam, lParam, result);
    } catch (...) {
        // A failing client ends the dispatch without a message to the user.
        runtime::ReportHandlerFailure(std::current_exception());
    }
    return result;
}

}  // namespace platform::MSubclass
