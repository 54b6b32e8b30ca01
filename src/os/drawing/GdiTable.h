#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QRegion>
#include <memory>
#include <string>
#include <unordered_map>
#include <variant>

#include "os/types/GdiTypes.h"
#include "os/painting/PixelBuffer.h"

namespace os {

struct PenData {
    QColor color;
    int width = 1;
    int style = 0;
    bool IsNull() const { return style == 5; }
};

struct BrushData {
    QColor color;
    bool hollow = false;
};

struct FontData {
    explicit FontData(const LOGFONT& description);
    int TextWidth(std::string_view text) const;

    LOGFONT description;
    QFont font;
    QFontMetrics metrics;
    int ascent = 0;
    int height = 0;
    mutable std::unordered_map<std::string, int> widths;  // measured texts
};

struct BitmapData {
    std::shared_ptr<PixelBuffer> pixels;
};

struct RegionData {
    QRegion region;
};

struct IconData {
    QImage image;
};

using GdiObject = std::variant<std::shared_ptr<const PenData>, std::shared_ptr<const BrushData>,
                               std::shared_ptr<const FontData>, std::shared_ptr<BitmapData>,
                               std::shared_ptr<RegionData>, std::shared_ptr<IconData>>;

// The table of every drawing object that has a handle.
class GdiTable {
public:
    static HGDIOBJ Add(GdiObject object, bool stock = false);
    static const GdiObject* Find(HGDIOBJ handle);
    static bool IsStock(HGDIOBJ handle);
    // Stock objects stay; everything else leaves the table. Contexts that
    // still hold the object keep it alive until they let go of it.
    static bool Remove(HGDIOBJ handle);

    template <class T>
    static std::shared_ptr<T> Get(HGDIOBJ handle) {
        const GdiObject* object = Find(handle);
        if (object == nullptr) return nullptr;
        if (auto* held = std::get_if<std::shared_ptr<T>>(object)) return *held;
        return nullptr;
    }
};

// Shared font data for a description, created once.
std::shared_ptr<const FontData> CachedFont(const LOGFONT& description);
// The program's default font (the application font).
LOGFONT DefaultFontDescription();

}  // namespace os
