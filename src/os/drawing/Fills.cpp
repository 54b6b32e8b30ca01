#include <optional>

#include "os/drawing/Colors.h"
#include "os/drawing/DrawRecording.h"
#include "os/painting/DrawTargets.h"
#include "os/drawing/Drawing.h"
#include "os/types/QtConversions.h"
#include "os/drawing/RasterOps.h"
#include "os/drawing/Rects.h"

namespace os {

namespace {

// The colour a brush paints; none for a hollow brush or no brush.
std::optional<QColor> BrushColor(HBRUSH brush) {
    if (brush >= 1 && brush <= COLOR_LAST + 1) return ToQColor(GetSysColor(static_cast<int>(brush) - 1));
    const auto data = GdiTable::Get<const BrushData>(brush);
    if (!data || data->hollow) return std::nullopt;
    return data->color;
}

std::optional<QColor> SelectedBrushColor(const DeviceContext& context) {
    if (!context.brushData || context.brushData->hollow) return std::nullopt;
    return context.brushData->color;
}

void FillArea(HDC dc, const QRect& rect, const QColor& color) {
    ForEachTarget(dc, [&](DeviceContext&, const DrawTarget& target) {
        const QRect placed = rect.translated(target.origin);
        PainterFor(target).fillRect(placed, color);
        target.pixels.Touched(placed);
    });
}

}  // namespace

int FillRect(HDC dc, const RECT& rect, HBRUSH brush) {
    const std::optional<QColor> color = BrushColor(brush);
    if (!color || DcTable::Find(dc) == nullptr) return 0;
    RecordDrawing("FillRect", dc, rect, ToCOLORREF(*color));
    if (!IsRectEmpty(rect)) FillArea(dc, ToQRect(rect), *color);
    return 1;
}

int FrameRect(HDC dc, const RECT& rect, HBRUSH brush) {
    const std::optional<QColor> color = BrushColor(brush);
    if (!color || DcTable::Find(dc) == nullptr) return 0;
    RecordDrawing("FrameRect", dc, rect, ToCOLORREF(*color));
    if (IsRectEmpty(rect)) return 1;
    const QRect box = ToQRect(rect);
    FillArea(dc, QRect(box.left(), box.top(), box.width(), 1), *color);
    FillArea(dc, QRect(box.left(), box.bottom(), box.width(), 1), *color);
    FillArea(dc, QRect(box.left(), box.top(), 1, box.height()), *color);
    FillArea(dc, QRect(box.right(), box.top(), 1, box.height()), *color);
    return 1;
}

bool Rectangle(HDC dc, int left, int top, int right, int bottom) {
    const DeviceContext* context = DcTable::Find(dc);
    if (context == nullptr) return false;
    const RECT rect{left, top, right, bottom};
    RecordDrawing("Rectangle", dc, rect, context->penData ? ToCOLORREF(context->penData->color) : 0);
    if (IsRectEmpty(rect)) return true;
    const bool outlined = context->penData && !context->penData->IsNull();
    const QRect box = ToQRect(rect);
    if (const auto fill = SelectedBrushColor(*context)) FillArea(dc, outlined ? box.adjusted(1, 1, -1, -1) : box, *fill);
    if (outlined) {
        const QColor pen = context->penData->color;
        FillArea(dc, QRect(box.left(), box.top(), box.width(), 1), pen);
        FillArea(dc, QRect(box.left(), box.bottom(), box.width(), 1), pen);
        FillArea(dc, QRect(box.left(), box.top(), 1, box.height()), pen);
        FillArea(dc, QRect(box.right(), box.top(), 1, box.height()), pen);
    }
    return true;
}

bool PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
    const DeviceContext* context = DcTable::Find(dc);
    if (context == nullptr || UsesSource(rop)) return false;
    const RECT rect{x, y, x + width, y + height};
    const QColor pattern = SelectedBrushColor(*context).value_or(Qt::black);
    RecordDrawing("PatBlt", dc, rect, ToCOLORREF(pattern));
    const QRect area = ToQRect(rect).normalized();
    return ForEachTarget(dc, [&](DeviceContext&, const DrawTarget& target) {
        const QRect placed = area.translated(target.origin);
        CombinePixels(target.pixels, DrawableArea(target, placed), {}, pattern.rgb(), rop);
        target.pixels.Touched(placed);
    });
}

bool DrawFocusRect(HDC dc, const RECT& rect) {
    if (DcTable::Find(dc) == nullptr) return false;
    RecordDrawing("DrawFocusRect", dc, rect);
    return ForEachTarget(dc, [&](DeviceContext&, const DrawTarget& target) {
        const QRect placed = ToQRect(rect).translated(target.origin);
        ToggleFocusDots(target.pixels, placed, DrawableArea(target, placed));
        target.pixels.Touched(placed);
    });
}

}  // namespace os
