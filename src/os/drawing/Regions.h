#pragma once

#include <vector>

#include "os/types/GdiTypes.h"

namespace os {

// What a region operation left behind.
inline constexpr int RGN_ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;

// CombineRgn modes.
inline constexpr int RGN_AND = 1;
inline constexpr int RGN_OR = 2;
inline constexpr int RGN_XOR = 3;
inline constexpr int RGN_DIFF = 4;
inline constexpr int RGN_COPY = 5;

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT& rect);
bool SetRectRgn(HRGN region, int left, int top, int right, int bottom);
// destination = first <mode> second (second unused for RGN_COPY).
int CombineRgn(HRGN destination, HRGN first, HRGN second, int mode);
int OffsetRgn(HRGN region, int dx, int dy);
int GetRgnBox(HRGN region, RECT& box);
bool PtInRegion(HRGN region, int x, int y);
bool EqualRgn(HRGN first, HRGN second);
// The region as non-overlapping rectangles, top to bottom and left to right.
bool GetRegionData(HRGN region, std::vector<RECT>& rectangles);

}  // namespace os
