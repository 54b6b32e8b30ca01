#include "os/drawing/RasterOps.h"

namespace os {

namespace {

using Combine = quint32 (*)(quint32 source, quint32 destination, quint32 pattern);

Combine CombineFor(DWORD rop) {
    switch (rop) {
    case 0x00CC0020: return [](quint32 s, quint32, quint32) { return s; };
    case 0x00EE0086: return [](quint32 s, quint32 d, quint32) { return s | d; };
    case 0x008800C6: return [](quint32 s, quint32 d, quint32) { return s & d; };
    case 0x00660046: return [](quint32 s, quint32 d, quint32) { return s ^ d; };
    case 0x00440328: return [](quint32 s, quint32 d, quint32) { return s & ~d; };
    case 0x00330008: return [](quint32 s, quint32, quint32) { return ~s; };
    case 0x001100A6: return [](quint32 s, quint32 d, quint32) { return ~(s | d); };
    case 0x00BB0226: return [](quint32 s, quint32 d, quint32) { return ~s | d; };
    case 0x00F00021: return [](quint32, quint32, quint32 p) { return p; };
    case 0x005A0049: return [](quint32, quint32 d, quint32 p) { return p ^ d; };
    case 0x00550009: return [](quint32, quint32 d, quint32) { return ~d; };
    case 0x00000042: return [](quint32, quint32, quint32) { return quint32{0}; };
    case 0x00FF0062: return [](quint32, quint32, quint32) { return ~quint32{0}; };
    default: return nullptr;
    }
}

constexpr quint32 ColourBits = 0x00FFFFFFu;

void CombineRect(QImage& image, const QRect& physical, const RasterSource& source, quint32 pattern, Combine combine) {
    const QRect sourceBounds = source.image != nullptr ? source.image->rect().translated(source.offset) : QRect();
    for (int y = physical.top(); y <= physical.bottom(); ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        const quint32* sourceLine = nullptr;
        if (source.image != nullptr && y >= sourceBounds.top() && y <= sourceBounds.bottom()) {
            sourceLine = reinterpret_cast<const quint32*>(source.image->constScanLine(y - source.offset.y()));
        }
        for (int x = physical.left(); x <= physical.right(); ++x) {
            const bool inSource = sourceLine != nullptr && x >= sourceBounds.left() && x <= sourceBounds.right();
            const quint32 s = inSource ? sourceLine[x - source.offset.x()] : 0;
            const quint32 d = line[x];
            line[x] = (combine(s, d, pattern) & ColourBits) | (d & ~ColourBits);
        }
    }
}

}  // namespace

bool UsesSource(DWORD rop) {
    switch (rop) {
    case 0x00F00021:
    case 0x005A0049:
    case 0x00550009:
    case 0x00000042:
    case 0x00FF0062: return false;
    default: return true;
    }
}

bool CombinePixels(PixelBuffer& destination, const QRegion& area, const RasterSource& source, QRgb pattern,
                   DWORD rop) {
    const Combine combine = CombineFor(rop);
    if (combine == nullptr) return false;
    QImage& image = destination.Image();
    const QRect bounds = image.rect();
    for (const QRect& rect : area) {
        const QRect physical = destination.PhysicalRect(rect) & bounds;
        if (!physical.isEmpty()) CombineRect(image, physical, source, pattern, combine);
    }
    return true;
}

void ToggleFocusDots(PixelBuffer& destination, const QRect& rect, const QRegion& allowed) {
    if (rect.isEmpty()) return;
    QImage& image = destination.Image();
    const QRect bounds = image.rect();
    auto toggle = [&](int x, int y) {
        if (((x + y) & 1) != 0 || !allowed.contains(QPoint(x, y))) return;
        const QRect physical = destination.PhysicalRect(QRect(x, y, 1, 1)) & bounds;
        for (int py = physical.top(); py <= physical.bottom(); ++py) {
            auto* line = reinterpret_cast<quint32*>(image.scanLine(py));
            for (int px = physical.left(); px <= physical.right(); ++px) line[px] ^= ColourBits;
        }
    };
    for (int x = rect.left(); x <= rect.right(); ++x) {
        toggle(x, rect.top());
        if (rect.bottom() != rect.top()) toggle(x, rect.bottom());
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        toggle(rect.left(), y);
        if (rect.right() != rect.left()) toggle(rect.right(), y);
    }
}

}  // namespace os
