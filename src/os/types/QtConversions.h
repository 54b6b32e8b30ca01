#pragma once

#include <QColor>
#include <QRect>
#include <QRegion>
#include <QString>
#include <string_view>

#include "os/types/GdiTypes.h"

namespace os {

// Conversions between the window system's plain types and Qt's.
inline QRect ToQRect(const RECT& rect) { return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top); }
inline RECT ToRECT(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}
inline QColor ToQColor(COLORREF color) { return QColor(GetRValue(color), GetGValue(color), GetBValue(color)); }
inline COLORREF ToCOLORREF(QRgb rgb) { return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb)); }
inline COLORREF ToCOLORREF(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace os
