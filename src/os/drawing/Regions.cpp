#include "os/drawing/Regions.h"

#include "os/drawing/GdiTable.h"
#include "os/types/QtConversions.h"
#include "os/drawing/RegionsQt.h"

namespace os {

namespace {

QRegion RectRegion(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return QRegion();
    return QRegion(left, top, right - left, bottom - top);
}

}  // namespace

int RegionKind(const QRegion& region) {
    if (region.isEmpty()) return NULLREGION;
    return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

QRegion* RegionOf(HRGN region) {
    const auto data = GdiTable::Get<RegionData>(region);
    return data ? &data->region : nullptr;
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return GdiTable::Add(std::make_shared<RegionData>(RegionData{RectRegion(left, top, right, bottom)}));
}

HRGN CreateRectRgnIndirect(const RECT& rect) { return CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom); }

bool SetRectRgn(HRGN region, int left, int top, int right, int bottom) {
    QRegion* target = RegionOf(region);
    if (target == nullptr) return false;
    *target = RectRegion(left, top, right, bottom);
    return true;
}

int CombineRgn(HRGN destination, HRGN first, HRGN second, int mode) {
    QRegion* target = RegionOf(destination);
    const QRegion* a = RegionOf(first);
    const QRegion* b = mode == RGN_COPY ? a : RegionOf(second);
    if (target == nullptr || a == nullptr || b == nullptr) return RGN_ERROR;
    switch (mode) {
    case RGN_AND: *target = *a & *b; break;
    case RGN_OR: *target = *a | *b; break;
    case RGN_XOR: *target = *a ^ *b; break;
    case RGN_DIFF: *target = *a - *b; break;
    case RGN_COPY: *target = *a; break;
    default: return RGN_ERROR;
    }
    return RegionKind(*target);
}

int OffsetRgn(HRGN region, int dx, int dy) {
    QRegion* target = RegionOf(region);
    if (target == nullptr) return RGN_ERROR;
    target->translate(dx, dy);
    return RegionKind(*target);
}

int GetRgnBox(HRGN region, RECT& box) {
    const QRegion* source = RegionOf(region);
    if (source == nullptr) return RGN_ERROR;
    box = source->isEmpty() ? RECT{} : ToRECT(source->boundingRect());
    return RegionKind(*source);
}

bool PtInRegion(HRGN region, int x, int y) {
    const QRegion* source = RegionOf(region);
    return source != nullptr && source->contains(QPoint(x, y));
}

bool EqualRgn(HRGN first, HRGN second) {
    const QRegion* a = RegionOf(first);
    const QRegion* b = RegionOf(second);
    return a != nullptr && b != nullptr && *a == *b;
}

bool GetRegionData(HRGN region, std::vector<RECT>& rectangles) {
    const QRegion* source = RegionOf(region);
    if (source == nullptr) return false;
    rectangles.clear();
    for (const QRect& rect : *source) rectangles.push_back(ToRECT(rect));
    return true;
}

}  // namespace os
