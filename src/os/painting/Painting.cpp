#include "os/painting/Painting.h"

#include <QWidget>

#include "os/windows/ControlOwner.h"
#include "os/drawing/GdiObjects.h"
#include "os/drawing/GdiTable.h"
#include "os/windows/Window.h"
#include "os/windows/WindowProcedures.h"
#include "os/drawing/DeviceContext.h"
#include "os/windows/Messages.h"
#include "os/windows/Messaging.h"
#include "os/types/QtConversions.h"
#include "os/drawing/Regions.h"
#include "os/drawing/RegionsQt.h"
#include "os/painting/Surface.h"
#include "os/windows/WindowRegistry.h"
#include "runtime/HandlerBoundary.h"

namespace os {

namespace {

QRegion AreaOf(const Surface& surface, const RECT* rect) {
    return rect == nullptr ? QRegion(surface.Pixels()->Bounds()) : QRegion(ToQRect(*rect));
}

QWidget* PlainWidget(HWND window) {
    const WindowRecord* record = WindowRegistry::Find(window);
    return record == nullptr ? nullptr : record->widget;
}

}  // namespace

bool AttachSurface(HWND window) {
    WindowRecord* record = WindowRegistry::Find(window);
    if (record == nullptr || record->widget == nullptr) return false;
    SetDefaultPaintHandler(&DefaultPaint);
    if (Surface::Of(window) == nullptr) record->surface = std::make_unique<Surface>(window, *record->widget);
    return true;
}

bool HasSurface(HWND window) { return Surface::Of(window) != nullptr; }

bool InvalidateRect(HWND window, const RECT* rect, bool erase) {
    if (Surface* surface = Surface::Of(window)) {
        surface->Invalidate(AreaOf(*surface, rect), erase);
        return true;
    }
    QWidget* widget = PlainWidget(window);
    if (widget == nullptr) return false;
    if (rect == nullptr) {
        widget->update();
    } else {
        widget->update(ToQRect(*rect));
    }
    return true;
}

bool InvalidateRgn(HWND window, HRGN region, bool erase) {
    const QRegion* area = RegionOf(region);
    Surface* surface = Surface::Of(window);
    if (area == nullptr || surface == nullptr) return region == 0 && InvalidateRect(window, nullptr, erase);
    surface->Invalidate(*area, erase);
    return true;
}

bool ValidateRect(HWND window, const RECT* rect) {
    Surface* surface = Surface::Of(window);
    if (surface == nullptr) return IsWindow(window);
    surface->Validate(AreaOf(*surface, rect));
    return true;
}

bool UpdateWindow(HWND window) {
    const Surface* surface = Surface::Of(window);
    if (surface == nullptr) {
        if (QWidget* widget = PlainWidget(window)) widget->repaint();
        return IsWindow(window);
    }
    if (surface->UpdateRegion().isEmpty()) return true;
    CancelPaint(window);
    SendMessage(window, WM_PAINT, 0, 0);
    return true;
}

int GetUpdateRgn(HWND window, HRGN region, bool /*erase*/) {
    QRegion* target = RegionOf(region);
    if (target == nullptr || !IsWindow(window)) return RGN_ERROR;
    const Surface* surface = Surface::Of(window);
    *target = surface == nullptr ? QRegion() : surface->UpdateRegion();
    return RegionKind(*target);
}

bool GetUpdateRect(HWND window, RECT* rect, bool /*erase*/) {
    const Surface* surface = Surface::Of(window);
    const QRect box = surface == nullptr ? QRect() : surface->UpdateRegion().boundingRect();
    if (rect != nullptr) *rect = box.isEmpty() ? RECT{} : ToRECT(box);
    return !box.isEmpty();
}

HDC BeginPaint(HWND window, PAINTSTRUCT& paint) {
    Surface* surface = Surface::Of(window);
    if (surface == nullptr) return 0;
    bool erased = false;
    const QRegion painted = surface->BeginPaint(&erased);
    paint.hdc = GetDC(window);
    paint.fErase = !erased;
    paint.rcPaint = painted.isEmpty() ? RECT{} : ToRECT(painted.boundingRect());
    const HRGN clip = GdiTable::Add(std::make_shared<RegionData>(RegionData{painted}));
    SelectClipRgn(paint.hdc, clip);
    DeleteObject(clip);
    return paint.hdc;
}

bool EndPaint(HWND window, const PAINTSTRUCT& paint) { return ReleaseDC(window, paint.hdc) != 0; }

LRESULT DefaultPaint(HWND window) {
    Surface* surface = Surface::Of(window);
    if (surface == nullptr) return 0;
    surface->BeginPaint();
    const WindowRecord* record = WindowRegistry::Find(window);
    if (record != nullptr && record->controlOwner != nullptr) {
        ControlOwner* owner = record->controlOwner;
        runtime::RunHandler([owner] { owner->Paint(); });
    }
    return 0;
}

}  // namespace os
