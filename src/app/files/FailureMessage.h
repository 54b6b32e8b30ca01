#pragma once

#include <string>

#include "os/types/Types.h"

namespace app {

struct LanguageText;

// Tells the user of a failure in a message box over `owner`: the message's
// text from the language file (its built-in English when the file has none),
// then the detail (a file's path, a printer's name) when there is one, on
// the next line after a text ending in a colon, else after a blank line.
void TellFailure(os::HWND owner, const LanguageText& message, const std::string& detail = {});

}  // namespace app
