#include "os/drawing/GdiObjects.h"

#include <QGuiApplication>
#include <QScreen>
#include <array>
#include <cmath>

#include "os/drawing/Colors.h"
#include "os/drawing/DcTable.h"
#include "os/types/QtConversions.h"

namespace os {

namespace {

HGDIOBJ AddStockPen(COLORREF color, int style) {
    return GdiTable::Add(std::make_shared<const PenData>(PenData{ToQColor(color), 1, style}), true);
}

HGDIOBJ AddStockBrush(COLORREF color, bool hollow = false) {
    return GdiTable::Add(std::make_shared<const BrushData>(BrushData{ToQColor(color), hollow}), true);
}

std::array<HGDIOBJ, DEFAULT_GUI_FONT + 1> MakeStockObjects() {
    std::array<HGDIOBJ, DEFAULT_GUI_FONT + 1> objects{};
    objects[WHITE_BRUSH] = AddStockBrush(RGB(255, 255, 255));
    objects[LTGRAY_BRUSH] = AddStockBrush(RGB(192, 192, 192));
    objects[GRAY_BRUSH] = AddStockBrush(RGB(128, 128, 128));
    objects[DKGRAY_BRUSH] = AddStockBrush(RGB(64, 64, 64));
    objects[BLACK_BRUSH] = AddStockBrush(RGB(0, 0, 0));
    objects[NULL_BRUSH] = AddStockBrush(0, true);
    objects[WHITE_PEN] = AddStockPen(RGB(255, 255, 255), PS_SOLID);
    objects[BLACK_PEN] = AddStockPen(0, PS_SOLID);
    objects[NULL_PEN] = AddStockPen(0, PS_NULL);
    const HGDIOBJ font = GdiTable::Add(CachedFont(DefaultFontDescription()), true);
    objects[SYSTEM_FONT] = font;
    objects[DEFAULT_GUI_FONT] = font;
    return objects;
}

qreal RatioOf(HDC dc) {
    const DeviceContext* context = DcTable::Find(dc);
    if (context != nullptr && context->target) return context->target->Ratio();
    return qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
}

}  // namespace

HPEN CreatePen(int style, int width, COLORREF color) {
    return GdiTable::Add(std::make_shared<const PenData>(PenData{ToQColor(color), std::max(1, width), style}));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return GdiTable::Add(std::make_shared<const BrushData>(BrushData{ToQColor(color), false}));
}

HBRUSH GetSysColorBrush(int index) {
    static std::array<HBRUSH, COLOR_LAST + 1> brushes{};
    if (index < 0 || index > COLOR_LAST) return 0;
    if (brushes[index] == 0) brushes[index] = AddStockBrush(GetSysColor(index));
    return brushes[index];
}

HGDIOBJ GetStockObject(int object) {
    static const auto objects = MakeStockObjects();
    if (object < 0 || object >= static_cast<int>(objects.size())) return 0;
    return objects[object];
}

HFONT CreateFontIndirect(const LOGFONT& description) { return GdiTable::Add(CachedFont(description)); }

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, bool italic, bool underline,
                 bool strikeOut, const std::string& faceName) {
    LOGFONT description;
    description.lfHeight = height;
    description.lfWidth = width;
    description.lfEscapement = escapement;
    description.lfOrientation = orientation;
    description.lfWeight = weight;
    description.lfItalic = italic;
    description.lfUnderline = underline;
    description.lfStrikeOut = strikeOut;
    description.lfFaceName = faceName;
    return CreateFontIndirect(description);
}

int FontHeightForPoints(double points) {
    const QScreen* screen = qGuiApp != nullptr ? QGuiApplication::primaryScreen() : nullptr;
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
    return -static_cast<int>(std::lround(points * dpi / 72.0));
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    if (width < 0 || height < 0) return 0;
    auto pixels = std::make_shared<PixelBuffer>(QSize(width, height), RatioOf(dc), Qt::black);
    return GdiTable::Add(std::make_shared<BitmapData>(BitmapData{std::move(pixels)}));
}

HBITMAP CreateBitmapFromPixels(int width, int height, const std::uint32_t* pixels) {
    if (width <= 0 || height <= 0 || pixels == nullptr) return 0;
    auto buffer = std::make_shared<PixelBuffer>(QSize(width, height), 1.0, Qt::transparent,
                                                QImage::Format_ARGB32_Premultiplied);
    const QImage source(reinterpret_cast<const uchar*>(pixels), width, height, width * 4, QImage::Format_ARGB32);
    buffer->Image() = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return GdiTable::Add(std::make_shared<BitmapData>(BitmapData{std::move(buffer)}));
}

bool DeleteObject(HGDIOBJ object) { return GdiTable::Remove(object); }

int GetObjectType(HGDIOBJ object) {
    if (const DeviceContext* context = DcTable::Find(object)) {
        return context->kind == DcKind::Memory ? OBJ_MEMDC : OBJ_DC;
    }
    const GdiObject* found = GdiTable::Find(object);
    if (found == nullptr) return 0;
    constexpr int types[] = {OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_BITMAP, OBJ_REGION, OBJ_BITMAP};
    return types[found->index()];
}

bool GetObject(HGDIOBJ object, BITMAP& result) {
    const auto bitmap = GdiTable::Get<BitmapData>(object);
    if (bitmap) {
        result = {bitmap->pixels->Size().width(), bitmap->pixels->Size().height()};
        return true;
    }
    const auto icon = GdiTable::Get<IconData>(object);
    if (!icon) return false;
    result = {icon->image.width(), icon->image.height()};
    return true;
}

bool GetObject(HGDIOBJ object, LOGFONT& result) {
    const auto font = GdiTable::Get<const FontData>(object);
    if (!font) return false;
    result = font->description;
    return true;
}

int MulDiv(int value, int numerator, int denominator) {
    if (denominator == 0) return -1;
    return static_cast<int>(std::llround(static_cast<double>(value) * numerator / denominator));
}

}  // namespace os
