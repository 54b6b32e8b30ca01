#pragma once

#include <cstdint>
#include <string>

#include "os/types/Types.h"

namespace os {

struct SYSTEMTIME {
    std::uint16_t wYear = 0;
    std::uint16_t wMonth = 0;
    std::uint16_t wDay = 0;
};

// GetDateFormat flags.
inline constexpr DWORD DATE_SHORTDATE = 0x1;
inline constexpr DWORD DATE_LONGDATE = 0x2;

// The date in the user's short (or long) date form; empty for a date that
// does not exist.
std::string GetDateFormat(DWORD flags, const SYSTEMTIME& date);

// The calendar date (UTC) of a moment given in seconds since 1 January 1970.
SYSTEMTIME DateOfUnixTime(std::int64_t seconds);

}  // namespace os
