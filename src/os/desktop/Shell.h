#pragma once

#include <functional>
#include <string>

#include "os/types/Types.h"

namespace os {

// Answers of ShellExecute above this value mean success.
inline constexpr std::intptr_t SE_ERR_SUCCESS_ABOVE = 32;
inline constexpr std::intptr_t SE_ERR_NOASSOC = 31;

// Opens a document or address with the desktop's handler for it (a web
// address in the browser, "mailto:" in the mail program). Only the "open"
// operation (or none) is known. Returns a value above 32 on success,
// SE_ERR_NOASSOC when nothing could open it.
std::intptr_t ShellExecute(HWND owner, const std::string& operation, const std::string& file,
                           const std::string& parameters, const std::string& directory, int showCommand);

// Test seam: receives what the shell would open and answers whether it
// opened. An empty opener brings the desktop back. Returns the opener that
// was in place.
using ShellOpener = std::function<bool(const std::string& address)>;
ShellOpener SetShellOpener(ShellOpener opener);

}  // namespace os
