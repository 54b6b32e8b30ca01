#include "os/windows/WindowProperties.h"

#include <algorithm>
#include <cctype>

#include "os/windows/WindowRegistry.h"

namespace os {

namespace {

std::string PropertyKey(const std::string& name) {
    std::string key = name;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
}

}  // namespace

LONG_PTR GetProp(HWND window, const std::string& name) {
    const WindowRecord* record = WindowRegistry::Find(window);
    if (record == nullptr) return 0;
    auto found = record->properties.find(PropertyKey(name));
    return found == record->properties.end() ? 0 : found->second;
}

bool SetProp(HWND window, const std::string& name, LONG_PTR value) {
    WindowRecord* record = WindowRegistry::Find(window);
    if (record == nullptr) return false;
    record->properties[PropertyKey(name)] = value;
    return true;
}

LONG_PTR RemoveProp(HWND window, const std::string& name) {
    WindowRecord* record = WindowRegistry::Find(window);
    if (record == nullptr) return 0;
    auto found = record->properties.find(PropertyKey(name));
    if (found == record->properties.end()) return 0;
    const LONG_PTR value = found->second;
    record->properties.erase(found);
    return value;
}

std::vector<std::string> EnumPropNames(HWND window) {
    std::vector<std::string> names;
    if (const WindowRecord* record = WindowRegistry::Find(window)) {
        for (const auto& [name, value] : record->properties) names.push_back(name);
    }
    return names;
}

}  // namespace os
