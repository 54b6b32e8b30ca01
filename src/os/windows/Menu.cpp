#include "os/windows/Menu.h"

#include <map>
#include <memory>

#include "os/windows/Messages.h"
#include "os/windows/WindowRegistry.h"

namespace os {

namespace {

struct MenuData : WindowAttachment {
    HMENU handle = 0;
    std::vector<MenuItem> items;
};

struct MenuTable {
    std::map<HMENU, MenuData*> byHandle;
    HMENU nextHandle = 0x20010;
};

MenuTable& Menus() {
    static MenuTable table;
    return table;
}

// Keeps the menu table in step with the life of a window's system menu.
struct SystemMenu : MenuData {
    SystemMenu() {
        handle = Menus().nextHandle;
        Menus().nextHandle += 4;
        Menus().byHandle[handle] = this;
    }
    ~SystemMenu() override { Menus().byHandle.erase(handle); }
    SystemMenu(const SystemMenu&) = delete;
    SystemMenu& operator=(const SystemMenu&) = delete;
};

std::vector<MenuItem> DefaultSystemMenuItems() { return {MenuItem{MF_STRING, SC_CLOSE, "&Close"}}; }

MenuData* FindMenu(HMENU menu) {
    auto found = Menus().byHandle.find(menu);
    return found == Menus().byHandle.end() ? nullptr : found->second;
}

MenuItem* FindItem(HMENU menu, UINT item, UINT flags) {
    MenuData* data = FindMenu(menu);
    if (data == nullptr) return nullptr;
    if (flags & MF_BYPOSITION) return item < data->items.size() ? &data->items[item] : nullptr;
    for (MenuItem& entry : data->items) {
        if (!(entry.flags & MF_SEPARATOR) && entry.id == item) return &entry;
    }
    return nullptr;
}

constexpr UINT StateFlags = MF_GRAYED | MF_DISABLED;

}  // namespace

HMENU GetSystemMenu(HWND window, bool revert) {
    WindowRecord* record = WindowRegistry::Find(window);
    if (record == nullptr) return 0;
    auto* menu = dynamic_cast<SystemMenu*>(record->systemMenu.get());
    if (menu == nullptr) {
        auto created = std::make_unique<SystemMenu>();
        created->items = DefaultSystemMenuItems();
        menu = created.get();
        record->systemMenu = std::move(created);
    }
    if (revert) {
        menu->items = DefaultSystemMenuItems();
        return 0;
    }
    return menu->handle;
}

bool AppendMenu(HMENU menu, UINT flags, UINT_PTR id, const std::string& text) {
    MenuData* data = FindMenu(menu);
    if (data == nullptr) return false;
    data->items.push_back(MenuItem{flags, (flags & MF_SEPARATOR) ? 0 : id, text});
    return true;
}

int EnableMenuItem(HMENU menu, UINT item, UINT enable) {
    MenuItem* entry = FindItem(menu, item, enable);
    if (entry == nullptr) return -1;
    const int previous = static_cast<int>(entry->flags & StateFlags);
    entry->flags = (entry->flags & ~StateFlags) | (enable & StateFlags);
    return previous;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    const MenuItem* entry = FindItem(menu, item, flags);
    return entry == nullptr ? MenuItemNotFound : entry->flags;
}

int GetMenuItemCount(HMENU menu) {
    const MenuData* data = FindMenu(menu);
    return data == nullptr ? -1 : static_cast<int>(data->items.size());
}

std::vector<MenuItem> GetMenuItems(HMENU menu) {
    const MenuData* data = FindMenu(menu);
    return data == nullptr ? std::vector<MenuItem>{} : data->items;
}

}  // namespace os
