#pragma once

#include <cstdint>

#include "runtime/Error.h"

namespace platform {

// Errors of the message hook.
namespace subclass_errors {
inline constexpr std::int32_t CantSubclass = 13081;
inline constexpr std::int32_t AlreadyHandled = 13082;
inline constexpr std::int32_t InvalidWindow = 13083;
inline constexpr std::int32_t ExternalWindow = 13084;
}  // namespace subclass_errors

// The number a hook error is raised with: numbers below 1001 as they are,
// others combined with the object-error base.
std::int32_t RaisedSubclassErrorNumber(std::int32_t number);

// Throws runtime::Error with the raised number, the hook's text for it (or
// the standard text) and the source "<executable>.WindowProc".
[[noreturn]] void RaiseSubclassError(std::int32_t number);

}  // namespace platform
