#pragma once

#include <string>

#include "app/about/BuildStamp.h"
#include "os/types/GdiTypes.h"

namespace app {

// The lines painted in the About window.
inline constexpr const char* kAboutNameLine = "Kestrany";
inline constexpr const char* kAboutNoticeLine = "Free to use and to share. No warranty.";

// major.minor, "Сборка " and the revision, and the build day in the user's
// short date form in parentheses: "0.1 Сборка 57 (08/12/2026)".
std::string VersionLine(const BuildStamp& stamp);

// Paints the name line in the window font and the version and notice lines
// below it, over the window's background, right of the logo strip that
// ends at stripRight.
void PaintAboutText(os::HWND window, const os::LOGFONT& windowFont, int stripRight);

}  // namespace app
