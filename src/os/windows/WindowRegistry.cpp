#include "os/windows/WindowRegistry.h"

#include <memory>
#include <unordered_map>

#include "os/windows/Process.h"
#include "os/windows/WindowProcedures.h"

namespace os {

namespace {

struct Registry {
    std::unordered_map<HWND, std::unique_ptr<WindowRecord>> records;
    std::unordered_map<const QWidget*, HWND> byWidget;
    HWND nextHandle = 0x10010;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

}  // namespace

WindowRecord& WindowRegistry::Add(std::string className, HWND parent) {
    Registry& registry = TheRegistry();
    auto record = std::make_unique<WindowRecord>();
    record->handle = registry.nextHandle;
    registry.nextHandle += 4;
    record->className = std::move(className);
    record->parent = parent;
    record->procedure = DefaultWindowProcedure();
    record->threadId = GetCurrentThreadId();
    WindowRecord& added = *record;
    registry.records.emplace(added.handle, std::move(record));
    return added;
}

WindowRecord* WindowRegistry::Find(HWND handle) {
    auto& records = TheRegistry().records;
    auto found = records.find(handle);
    return found == records.end() ? nullptr : found->second.get();
}

WindowRecord* WindowRegistry::FindByWidget(const QWidget* widget) {
    auto& byWidget = TheRegistry().byWidget;
    auto found = byWidget.find(widget);
    return found == byWidget.end() ? nullptr : Find(found->second);
}

void WindowRegistry::BindWidget(WindowRecord& record, QWidget* widget) {
    record.widget = widget;
    TheRegistry().byWidget[widget] = record.handle;
}

void WindowRegistry::Remove(HWND handle) {
    // Moved out first, so that whatever the record's destruction triggers
    // sees the window as gone.
    auto& records = TheRegistry().records;
    auto found = records.find(handle);
    if (found == records.end()) return;
    std::unique_ptr<WindowRecord> removed = std::move(found->second);
    records.erase(found);
    if (removed->widget != nullptr) TheRegistry().byWidget.erase(removed->widget);
}

std::vector<HWND> WindowRegistry::ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    for (auto& [handle, record] : TheRegistry().records) {
        if (record->parent == parent && record->widget == nullptr) children.push_back(handle);
    }
    return children;
}

}  // namespace os
