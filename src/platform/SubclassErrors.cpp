#include "platform/SubclassErrors.h"

#include <string>

#include "os/windows/Process.h"
#include "runtime/Error.h"

namespace platform {

namespace {

std::string Description(std::int32_t number) {
    switch (number) {
    case subclass_errors::CantSubclass: return "Can't subclass window";
    case subclass_errors::AlreadyHandled: return "Message already handled by another class";
    case subclass_errors::InvalidWindow: return "Invalid window";
    case subclass_errors::ExternalWindow: return "Can't modify external window";
    default: return runtime::StandardErrorText(number);
    }
}

}  // namespace

std::int32_t RaisedSubclassErrorNumber(std::int32_t number) {
    if (number < 1001) return number;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(runtime::errors::ObjectErrorBase) |
                                     static_cast<std::uint32_t>(number));
}

void RaiseSubclassError(std::int32_t number) {
    throw runtime::Error(RaisedSubclassErrorNumber(number), Description(number), os::ExecutableName() + ".WindowProc");
}

}  // namespace platform
