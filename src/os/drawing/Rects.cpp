#include "os/drawing/Rects.h"

#include <algorithm>

namespace os {

bool SetRect(RECT& rect, int left, int top, int right, int bottom) {
    rect = {left, top, right, bottom};
    return true;
}

bool SetRectEmpty(RECT& rect) {
    rect = {};
    return true;
}

bool CopyRect(RECT& destination, const RECT& source) {
    destination = source;
    return true;
}

bool InflateRect(RECT& rect, int dx, int dy) {
    rect.left -= dx;
    rect.top -= dy;
    rect.right += dx;
    rect.bottom += dy;
    return true;
}

bool OffsetRect(RECT& rect, int dx, int dy) {
    rect.left += dx;
    rect.right += dx;
    rect.top += dy;
    rect.bottom += dy;
    return true;
}

bool IsRectEmpty(const RECT& rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

bool EqualRect(const RECT& first, const RECT& second) { return first == second; }

bool PtInRect(const RECT& rect, POINT point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

bool IntersectRect(RECT& result, const RECT& first, const RECT& second) {
    const RECT overlap{std::max(first.left, second.left), std::max(first.top, second.top),
                       std::min(first.right, second.right), std::min(first.bottom, second.bottom)};
    result = IsRectEmpty(overlap) ? RECT{} : overlap;
    return !IsRectEmpty(result);
}

bool UnionRect(RECT& result, const RECT& first, const RECT& second) {
    if (IsRectEmpty(first)) {
        result = IsRectEmpty(second) ? RECT{} : second;
    } else if (IsRectEmpty(second)) {
        result = first;
    } else {
        result = {std::min(first.left, second.left), std::min(first.top, second.top),
                  std::max(first.right, second.right), std::max(first.bottom, second.bottom)};
    }
    return !IsRectEmpty(result);
}

}  // namespace os
