#include "platform/cSubclass.h"

#include <algorithm>

#include "platform/MSubclass.h"
#include "platform/SubclassErrors.h"
#include "runtime/Error.h"
#include "runtime/HandlerBoundary.h"

namespace platform {

namespace {

std::string KeyOf(os::UINT message) { return std::to_string(message); }

}  // namespace

cSubclass::~cSubclass() {
    for (const std::string& key : messages_) {
        runtime::RunHandler([&] { MSubclass::Detach(client_, window_, static_cast<os::UINT>(std::stoul(key))); });
    }
}

void cSubclass::Attach(ISubclass* client, os::HWND window, os::UINT message) {
    const bool bound = client_ != nullptr || window_ != 0;
    if (bound && !IsBoundTo(client, window)) RaiseSubclassError(runtime::errors::InvalidProcedureCall);
    client_ = client;
    window_ = window;
    AddMessage(message);
    try {
        MSubclass::Attach(client, window, message);
    } catch (...) {
        RemoveMessage(message);
        throw;
    }
}

void cSubclass::Detach(ISubclass* client, os::HWND window, os::UINT message) {
    if (!IsBoundTo(client, window)) RaiseSubclassError(runtime::errors::InvalidProcedureCall);
    RemoveMessage(message);
    MSubclass::Detach(client, window, message);
}

bool cSubclass::IsBoundTo(const ISubclass* client, os::HWND window) const {
    return client == client_ && window == window_;
}

void cSubclass::AddMessage(os::UINT message) {
    const std::string key = KeyOf(message);
    if (std::find(messages_.begin(), messages_.end(), key) != messages_.end()) {
        throw runtime::Error(runtime::errors::KeyAlreadyAssociated);
    }
    messages_.push_back(key);
}

void cSubclass::RemoveMessage(os::UINT message) { std::erase(messages_, KeyOf(message)); }

}  // namespace platform
