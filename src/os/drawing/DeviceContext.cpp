#include "os/drawing/DeviceContext.h"

#include <QGuiApplication>
#include <QScreen>

#include "os/drawing/DcTable.h"
#include "os/drawing/GdiObjects.h"
#include "os/painting/Painting.h"
#include "os/types/QtConversions.h"
#include "os/drawing/Regions.h"
#include "os/drawing/RegionsQt.h"
#include "os/painting/Surface.h"

namespace os {

namespace {

HBITMAP DefaultBitmap() {
    static const HBITMAP bitmap = [] {
        auto pixels = std::make_shared<PixelBuffer>(QSize(1, 1), 1.0, Qt::black);
        return GdiTable::Add(std::make_shared<BitmapData>(BitmapData{std::move(pixels)}), true);
    }();
    return bitmap;
}

qreal ScreenRatio() { return qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0; }

HDC AddContext(DcKind kind, HWND window, std::shared_ptr<PixelBuffer> target, qreal ratio) {
    auto context = std::make_unique<DeviceContext>();
    context->kind = kind;
    context->window = window;
    context->target = std::move(target);
    context->ratio = ratio;
    ResetDeviceContext(*context);
    return DcTable::Add(std::move(context));
}

void SelectBitmap(DeviceContext& context, HBITMAP handle, std::shared_ptr<BitmapData> bitmap) {
    context.bitmap = handle;
    context.target = bitmap->pixels;
    context.bitmapData = std::move(bitmap);
}

HGDIOBJ SelectInto(DeviceContext& context, HGDIOBJ object) {
    HGDIOBJ previous = 0;
    if (auto pen = GdiTable::Get<const PenData>(object)) {
        previous = std::exchange(context.pen, object);
        context.penData = std::move(pen);
    } else if (auto brush = GdiTable::Get<const BrushData>(object)) {
        previous = std::exchange(context.brush, object);
        context.brushData = std::move(brush);
    } else if (auto font = GdiTable::Get<const FontData>(object)) {
        previous = std::exchange(context.font, object);
        context.fontData = std::move(font);
    } else if (auto bitmap = GdiTable::Get<BitmapData>(object)) {
        if (context.kind != DcKind::Memory) return 0;
        previous = context.bitmap;
        SelectBitmap(context, object, std::move(bitmap));
    }
    return previous;
}

void SetClip(DeviceContext& context, std::optional<QRegion> clip) {
    context.clip = std::move(clip);
    context.clipSerial = DcTable::NextClipSerial();
}

QRegion CurrentClip(const DeviceContext& context) {
    if (context.clip) return *context.clip;
    if (context.target && context.kind != DcKind::Screen) return QRegion(context.target->Bounds());
    const QScreen* screen = qGuiApp != nullptr ? QGuiApplication::primaryScreen() : nullptr;
    return screen != nullptr ? QRegion(screen->geometry()) : QRegion();
}

}  // namespace

HDC GetDC(HWND window) {
    if (window == 0) return AddContext(DcKind::Screen, 0, nullptr, ScreenRatio());
    if (!HasSurface(window) && !AttachSurface(window)) return 0;
    const Surface* surface = Surface::Of(window);
    return AddContext(DcKind::Window, window, surface->Pixels(), surface->Pixels()->Ratio());
}

int ReleaseDC(HWND /*window*/, HDC dc) {
    DeviceContext* context = DcTable::Find(dc);
    if (context == nullptr || context->kind == DcKind::Memory) return 0;
    if (context->target) context->target->FlushToScreen();
    if (context->kind == DcKind::Screen) {
        for (HWND surfaceWindow : Surface::All()) Surface::Of(surfaceWindow)->Pixels()->FlushToScreen();
    }
    DcTable::Remove(dc);
    return 1;
}

HDC CreateCompatibleDC(HDC dc) {
    const DeviceContext* source = DcTable::Find(dc);
    const qreal ratio = source != nullptr ? source->ratio : ScreenRatio();
    const HDC memory = AddContext(DcKind::Memory, 0, nullptr, ratio);
    DeviceContext* context = DcTable::Find(memory);
    SelectBitmap(*context, DefaultBitmap(), GdiTable::Get<BitmapData>(DefaultBitmap()));
    return memory;
}

bool DeleteDC(HDC dc) { return DcTable::Remove(dc); }

HWND WindowFromDC(HDC dc) {
    const DeviceContext* context = DcTable::Find(dc);
    return context == nullptr ? 0 : context->window;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    DeviceContext* context = DcTable::Find(dc);
    if (context == nullptr) return 0;
    if (RegionOf(object) != nullptr) return SelectClipRgn(dc, object);
    return SelectInto(*context, object);
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
    DeviceContext* context = DcTable::Find(dc);
    return context == nullptr ? CLR_INVALID : std::exchange(context->textColor, color & 0xFFFFFF);
}

COLORREF GetTextColor(HDC dc) {
    const DeviceContext* context = DcTable::Find(dc);
    return context == nullptr ? CLR_INVALID : context->textColor;
}

COLORREF SetBkColor(HDC dc, COLORREF color) {
    DeviceContext* context = DcTable::Find(dc);
    return context == nullptr ? CLR_INVALID : std::exchange(context->backColor, color & 0xFFFFFF);
}

COLORREF GetBkColor(HDC dc) {
    const DeviceContext* context = DcTable::Find(dc);
    return context == nullptr ? CLR_INVALID : context->backColor;
}

int SetBkMode(HDC dc, int mode) {
    DeviceContext* context = DcTable::Find(dc);
    if (context == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    return std::exchange(context->backMode, mode);
}

int GetBkMode(HDC dc) {
    const DeviceContext* context = DcTable::Find(dc);
    return context == nullptr ? 0 : context->backMode;
}

int SetStretchBltMode(HDC dc, int mode) {
    DeviceContext* context = DcTable::Find(dc);
    if (context == nullptr || mode < BLACKONWHITE || mode > HALFTONE) return 0;
    return std::exchange(context->stretchMode, mode);
}

int SelectClipRgn(HDC dc, HRGN region) {
    DeviceContext* context = DcTable::Find(dc);
    if (context == nullptr) return RGN_ERROR;
    if (region == 0) {
        SetClip(*context, std::nullopt);
        return SIMPLEREGION;
    }
    const QRegion* source = RegionOf(region);
    if (source == nullptr) return RGN_ERROR;
    SetClip(*context, *source);
    return RegionKind(*source);
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* context = DcTable::Find(dc);
    if (context == nullptr) return RGN_ERROR;
    const QRegion clip = CurrentClip(*context) & QRegion(ToQRect({left, top, right, bottom}));
    SetClip(*context, clip);
    return RegionKind(clip);
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* context = DcTable::Find(dc);
    if (context == nullptr) return RGN_ERROR;
    const QRegion clip = CurrentClip(*context) - QRegion(ToQRect({left, top, right, bottom}));
    SetClip(*context, clip);
    return RegionKind(clip);
}

int GetClipBox(HDC dc, RECT& box) {
    const DeviceContext* context = DcTable::Find(dc);
    if (context == nullptr) return RGN_ERROR;
    const QRegion clip = CurrentClip(*context);
    box = clip.isEmpty() ? RECT{} : ToRECT(clip.boundingRect());
    return RegionKind(clip);
}

int GetDeviceCaps(HDC dc, int index) {
    const DeviceContext* context = DcTable::Find(dc);
    const QScreen* screen = qGuiApp != nullptr ? QGuiApplication::primaryScreen() : nullptr;
    const bool onScreen = context == nullptr || context->kind == DcKind::Screen || context->kind == DcKind::Window;
    switch (index) {
    case HORZRES:
        if (!onScreen && context->target) return context->target->Size().width();
        return screen != nullptr ? screen->geometry().width() : 0;
    case VERTRES:
        if (!onScreen && context->target) return context->target->Size().height();
        return screen != nullptr ? screen->geometry().height() : 0;
    case BITSPIXEL: return 32;
    case LOGPIXELSX: return screen != nullptr ? static_cast<int>(std::lround(screen->logicalDotsPerInchX())) : 96;
    case LOGPIXELSY: return screen != nullptr ? static_cast<int>(std::lround(screen->logicalDotsPerInchY())) : 96;
    default: return 0;
    }
}

}  // namespace os
