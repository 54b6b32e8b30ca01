#pragma once

#include "os/types/GdiTypes.h"

namespace os {

// What DrawState draws, and how.
inline constexpr UINT DST_ICON = 0x3;
inline constexpr UINT DST_BITMAP = 0x4;
inline constexpr UINT DSS_NORMAL = 0x0;
inline constexpr UINT DSS_DISABLED = 0x20;

// Draws an icon or bitmap (data is its handle) at x, y, sized cx, cy (0:
// the picture's own size). DSS_DISABLED draws it embossed in the
// highlight and shadow colours, as disabled pictures look.
bool DrawState(HDC dc, HBRUSH brush, std::intptr_t data, std::uintptr_t extra, int x, int y, int cx, int cy,
               UINT flags);

}  // namespace os
