#pragma once

#include "os/types/Types.h"

namespace os {

// Rectangle arithmetic. Rectangles exclude their right and bottom edges;
// one whose right is not beyond its left (or bottom beyond top) is empty.
bool SetRect(RECT& rect, int left, int top, int right, int bottom);
bool SetRectEmpty(RECT& rect);
bool CopyRect(RECT& destination, const RECT& source);
bool InflateRect(RECT& rect, int dx, int dy);
bool OffsetRect(RECT& rect, int dx, int dy);
bool IsRectEmpty(const RECT& rect);
bool EqualRect(const RECT& first, const RECT& second);
bool PtInRect(const RECT& rect, POINT point);
// The overlap; false (and an empty result) when there is none.
bool IntersectRect(RECT& result, const RECT& first, const RECT& second);
// The smallest rectangle holding both; an empty input is ignored.
bool UnionRect(RECT& result, const RECT& first, const RECT& second);

}  // namespace os
