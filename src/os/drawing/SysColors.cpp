#include <QGuiApplication>
#include <QPalette>

#include "os/drawing/Colors.h"

namespace os {

namespace {

// The classic desktop colours, for use before an application exists.
constexpr COLORREF ClassicColors[COLOR_LAST + 1] = {
    RGB(200, 200, 200), RGB(0, 0, 0),       RGB(0, 84, 227),    RGB(122, 150, 223), RGB(240, 240, 240),
    RGB(255, 255, 255), RGB(100, 100, 100), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(0, 120, 215),   RGB(255, 255, 255),
    RGB(240, 240, 240), RGB(160, 160, 160), RGB(109, 109, 109), RGB(0, 0, 0),       RGB(0, 0, 0),
    RGB(255, 255, 255), RGB(105, 105, 105), RGB(227, 227, 227), RGB(0, 0, 0),       RGB(255, 255, 225),
    RGB(180, 180, 180), RGB(0, 102, 204),   RGB(185, 209, 234), RGB(215, 228, 242), RGB(0, 120, 215),
    RGB(240, 240, 240)};

struct PaletteSource {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Where each system colour comes from in the palette.
constexpr PaletteSource Sources[COLOR_LAST + 1] = {
    {QPalette::Active, QPalette::Button},          // scroll bar
    {QPalette::Active, QPalette::Dark},            // desktop
    {QPalette::Active, QPalette::Highlight},       // active caption
    {QPalette::Inactive, QPalette::Mid},           // inactive caption
    {QPalette::Active, QPalette::Window},          // menu
    {QPalette::Active, QPalette::Base},            // window
    {QPalette::Active, QPalette::Shadow},          // window frame
    {QPalette::Active, QPalette::WindowText},      // menu text
    {QPalette::Active, QPalette::Text},            // window text
    {QPalette::Active, QPalette::HighlightedText}, // caption text
    {QPalette::Active, QPalette::Window},          // active border
    {QPalette::Inactive, QPalette::Window},        // inactive border
    {QPalette::Active, QPalette::Mid},             // application workspace
    {QPalette::Active, QPalette::Highlight},       // highlight
    {QPalette::Active, QPalette::HighlightedText}, // highlighted text
    {QPalette::Active, QPalette::Button},          // button face
    {QPalette::Active, QPalette::Dark},            // button shadow
    {QPalette::Disabled, QPalette::Text},          // grey text
    {QPalette::Active, QPalette::ButtonText},      // button text
    {QPalette::Disabled, QPalette::WindowText},    // inactive caption text
    {QPalette::Active, QPalette::Light},           // button highlight
    {QPalette::Active, QPalette::Shadow},          // dark 3-D shadow
    {QPalette::Active, QPalette::Midlight},        // 3-D light
    {QPalette::Active, QPalette::ToolTipText},     // tooltip text
    {QPalette::Active, QPalette::ToolTipBase},     // tooltip background
    {QPalette::Active, QPalette::Button},          // (unused index 25)
    {QPalette::Active, QPalette::Link},            // hot-tracked item
    {QPalette::Active, QPalette::Highlight},       // gradient of the active caption
    {QPalette::Inactive, QPalette::Midlight},      // gradient of the inactive caption
    {QPalette::Active, QPalette::Highlight},       // highlighted menu item
    {QPalette::Active, QPalette::Window},          // menu bar
};

COLORREF FromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

}  // namespace

COLORREF GetSysColor(int index) {
    if (index < 0 || index > COLOR_LAST) return 0;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return ClassicColors[index];
    const PaletteSource source = Sources[index];
    return FromQColor(QGuiApplication::palette().color(source.group, source.role));
}

std::int32_t OleTranslateColor(OLE_COLOR color, std::intptr_t /*palette*/, COLORREF& result) {
    if ((color & SystemColorBase) != 0) {
        const OLE_COLOR index = color & ~SystemColorBase;
        if (index > static_cast<OLE_COLOR>(COLOR_LAST)) return E_INVALIDARG;
        result = GetSysColor(static_cast<int>(index));
        return 0;
    }
    if ((color & 0xFF000000u) != 0) return E_INVALIDARG;
    result = color;
    return 0;
}

std::int32_t TranslateColor(OLE_COLOR color) {
    COLORREF result = 0;
    if (OleTranslateColor(color, 0, result) != 0) return -1;
    return static_cast<std::int32_t>(result);
}

}  // namespace os
