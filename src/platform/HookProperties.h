#pragma once

#include <string>

#include "os/types/Types.h"

namespace platform {

class ISubclass;

// The hook registry of one window, kept as properties of the window itself:
//   H        the previous window procedure
//   HC       number of (client, message) registrations
//   H#MC     number of clients of message M
//   H#M#i    client i (from 1) of message M, as its raw address
class HookProperties {
public:
    explicit HookProperties(os::HWND window);

    os::LONG_PTR PreviousProcedure() const;
    void SetPreviousProcedure(os::LONG_PTR procedure) const;
    long RegistrationCount() const;
    void SetRegistrationCount(long count) const;
    void RemoveWindowEntries() const;

    long ClientCount(os::UINT message) const;
    void SetClientCount(os::UINT message, long count) const;
    ISubclass* Client(os::UINT message, long index) const;
    void SetClient(os::UINT message, long index, ISubclass* client) const;
    void RemoveClient(os::UINT message, long index) const;
    // Index (from 1) of the client among the message's clients, 0 if absent.
    long IndexOf(os::UINT message, const ISubclass* client) const;

private:
    std::string MessageCountName(os::UINT message) const;
    std::string ClientName(os::UINT message, long index) const;

    os::HWND window_;
    std::string prefix_;
};

}  // namespace platform
