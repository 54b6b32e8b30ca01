#pragma once

#include <string>
#include <vector>

#include "os/windows/WindowRecord.h"

namespace os {

// The table of every window that has a handle. Handles are never reused
// while the process runs.
class WindowRegistry {
public:
    static WindowRecord& Add(std::string className, HWND parent);
    static WindowRecord* Find(HWND handle);
    static WindowRecord* FindByWidget(const QWidget* widget);
    static void BindWidget(WindowRecord& record, QWidget* widget);
    static void Remove(HWND handle);
    static std::vector<HWND> ChildrenOf(HWND parent);
};

}  // namespace os
