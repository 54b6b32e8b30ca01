#pragma once

#include <QRegion>
#include <cstdint>
#include <memory>
#include <optional>

#include "os/drawing/GdiTable.h"
#include "os/types/GdiTypes.h"

namespace os {

enum class DcKind { Window, Memory, Screen };

// The state of one device context: where it draws and with what.
struct DeviceContext {
    DcKind kind = DcKind::Memory;
    HWND window = 0;                       // the window drawn on (Window kind)
    std::shared_ptr<PixelBuffer> target;   // the window's surface or the selected bitmap
    qreal ratio = 1.0;                     // pixel density of compatible bitmaps
    HPEN pen = 0;
    HBRUSH brush = 0;
    HFONT font = 0;
    HBITMAP bitmap = 0;
    std::shared_ptr<const PenData> penData;
    std::shared_ptr<const BrushData> brushData;
    std::shared_ptr<const FontData> fontData;
    std::shared_ptr<BitmapData> bitmapData;  // keeps the selected bitmap's pixels alive
    COLORREF textColor = 0;
    COLORREF backColor = 0xFFFFFF;
    int backMode = 2;  // opaque
    int stretchMode = 3;
    POINT position;
    std::optional<QRegion> clip;  // none: the whole target
    std::uint64_t clipSerial = 0;  // changes whenever the clip does
};

class DcTable {
public:
    static HDC Add(std::unique_ptr<DeviceContext> context);
    static DeviceContext* Find(HDC dc);
    static bool Remove(HDC dc);
    // A fresh serial number for a changed clip.
    static std::uint64_t NextClipSerial();
};

// Sets a new default state: black pen, white brush, the program's font.
void ResetDeviceContext(DeviceContext& context);

}  // namespace os
