#include "platform/HookProperties.h"

#include "os/windows/WindowProperties.h"

namespace platform {

HookProperties::HookProperties(os::HWND window) : window_(window), prefix_(std::to_string(window)) {}

os::LONG_PTR HookProperties::PreviousProcedure() const { return os::GetProp(window_, prefix_); }

void HookProperties::SetPreviousProcedure(os::LONG_PTR procedure) const { os::SetProp(window_, prefix_, procedure); }

long HookProperties::RegistrationCount() const { return static_cast<long>(os::GetProp(window_, prefix_ + "C")); }

void HookProperties::SetRegistrationCount(long count) const { os::SetProp(window_, prefix_ + "C", count); }

void HookProperties::RemoveWindowEntries() const {
    os::RemoveProp(window_, prefix_);
    os::RemoveProp(window_, prefix_ + "C");
}

long HookProperties::ClientCount(os::UINT message) const {
    return static_cast<long>(os::GetProp(window_, MessageCountName(message)));
}

void HookProperties::SetClientCount(os::UINT message, long count) const {
    if (count > 0) {
        os::SetProp(window_, MessageCountName(message), count);
    } else {
        os::RemoveProp(window_, MessageCountName(message));
    }
}

ISubclass* HookProperties::Client(os::UINT message, long index) const {
    return reinterpret_cast<ISubclass*>(os::GetProp(window_, ClientName(message, index)));
}

void HookProperties::SetClient(os::UINT message, long index, ISubclass* client) const {
    os::SetProp(window_, ClientName(message, index), reinterpret_cast<os::LONG_PTR>(client));
}

void HookProperties::RemoveClient(os::UINT message, long index) const {
    os::RemoveProp(window_, ClientName(message, index));
}

long HookProperties::IndexOf(os::UINT message, const ISubclass* client) const {
    const long count = ClientCount(message);
    for (long index = 1; index <= count; ++index) {
        if (Client(message, index) == client) return index;
    }
    return 0;
}

std::string HookProperties::MessageCountName(os::UINT message) const {
    return prefix_ + "#" + std::to_string(message) + "C";
}

std::string HookProperties::ClientName(os::UINT message, long index) const {
    return prefix_ + "#" + std::to_string(message) + "#" + std::to_string(index);
}

}  // namespace platform
