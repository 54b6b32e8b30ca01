#pragma once

#include <QImage>
#include <QRegion>

#include "os/painting/PixelBuffer.h"
#include "os/types/Types.h"

namespace os {

// Source pixels for a raster operation: pixel p of the destination (in
// physical pixels) combines with pixel p - offset of image.
struct RasterSource {
    const QImage* image = nullptr;
    QPoint offset;
};

// Combines the destination pixels of a logical area with a source and a
// pattern colour according to a raster operation. False for an operation
// this does not know.
bool CombinePixels(PixelBuffer& destination, const QRegion& area, const RasterSource& source, QRgb pattern,
                   DWORD rop);
// True for the operations that are a plain copy of the source.
inline bool IsSourceCopy(DWORD rop) { return rop == 0x00CC0020; }
// True for operations that read the source.
bool UsesSource(DWORD rop);

// Inverts every other pixel along the frame of a logical rectangle, within
// the allowed area.
void ToggleFocusDots(PixelBuffer& destination, const QRect& rect, const QRegion& allowed);

}  // namespace os
