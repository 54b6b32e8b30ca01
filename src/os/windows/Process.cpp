#include "os/windows/Process.h"

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <system_error>

#include "os/windows/WindowRegistry.h"

namespace os {

DWORD GetCurrentProcessId() { return static_cast<DWORD>(::getpid()); }

DWORD GetCurrentThreadId() {
    static std::atomic<DWORD> nextThreadId{1};
    thread_local const DWORD threadId = nextThreadId++;
    return threadId;
}

DWORD GetWindowThreadProcessId(HWND window, DWORD* processId) {
    const WindowRecord* record = WindowRegistry::Find(window);
    if (processId != nullptr) {
        *processId = record == nullptr ? 0 : GetCurrentProcessId() + (record->foreign ? 1 : 0);
    }
    return record == nullptr ? 0 : record->threadId;
}

std::string ExecutableName() {
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string("kestrany") : path.stem().string();
}

void MarkWindowForeign(HWND window, bool foreign) {
    if (WindowRecord* record = WindowRegistry::Find(window)) record->foreign = foreign;
}

}  // namespace os
