#pragma once

#include <QImage>

#include "os/types/GdiTypes.h"

namespace os {

// Draws a picture with its transparency at a logical rectangle of the
// context, and lists the call under the given name.
bool DrawPicture(HDC dc, const QImage& picture, const QRect& rect, const char* operation);
// The picture of an icon or bitmap handle; a null image when it is neither.
QImage PictureOf(HGDIOBJ object);
// A picture blended half-way (or a quarter) towards a colour, keeping its
// transparency.
QImage Blended(const QImage& picture, const QColor& color, qreal amount);
// The embossed look of a disabled picture.
QImage Disabled(const QImage& picture);

}  // namespace os
