#include "os/drawing/GdiTable.h"

#include <QGuiApplication>
#include <map>

#include "os/drawing/GdiObjects.h"
#include "os/types/QtConversions.h"

namespace os {

namespace {

struct Entry {
    GdiObject object;
    bool stock = false;
};

struct Table {
    std::unordered_map<HGDIOBJ, Entry> entries;
    HGDIOBJ nextHandle = 0x200000;
};

Table& TheTable() {
    static Table table;
    return table;
}

// Texts measured per font are kept up to this many, then forgotten.
constexpr std::size_t MaxMeasuredTexts = 8192;

QFont MakeFont(const LOGFONT& description) {
    QFont font = QGuiApplication::font();
    if (!description.lfFaceName.empty()) font.setFamily(QString::fromStdString(description.lfFaceName));
    if (description.lfHeight < 0) font.setPixelSize(-description.lfHeight);
    if (description.lfHeight > 0) font.setPixelSize(description.lfHeight);
    if (description.lfWeight > 0) font.setWeight(static_cast<QFont::Weight>(std::clamp(description.lfWeight, 100, 900)));
    font.setItalic(description.lfItalic);
    font.setUnderline(description.lfUnderline);
    font.setStrikeOut(description.lfStrikeOut);
    return font;
}

// A positive height is the whole cell (ascent + descent): shrink the
// pixel size until the cell fits.
QFont FitCellHeight(QFont font, int cellHeight) {
    for (int size = cellHeight; size > 1; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).height() <= cellHeight) break;
    }
    return font;
}

std::string FontKey(const LOGFONT& d) {
    return d.lfFaceName + '|' + std::to_string(d.lfHeight) + '|' + std::to_string(d.lfWidth) + '|' +
           std::to_string(d.lfEscapement) + '|' + std::to_string(d.lfWeight) + '|' + char('0' + d.lfItalic) +
           char('0' + d.lfUnderline) + char('0' + d.lfStrikeOut);
}

}  // namespace

FontData::FontData(const LOGFONT& d)
    : description(d),
      font(d.lfHeight > 0 ? FitCellHeight(MakeFont(d), d.lfHeight) : MakeFont(d)),
      metrics(font),
      ascent(metrics.ascent()),
      height(metrics.ascent() + metrics.descent()) {}

int FontData::TextWidth(std::string_view text) const {
    if (text.empty()) return 0;
    std::string key(text);
    if (auto found = widths.find(key); found != widths.end()) return found->second;
    if (widths.size() >= MaxMeasuredTexts) widths.clear();
    const int width = metrics.horizontalAdvance(ToQString(text));
    widths.emplace(std::move(key), width);
    return width;
}

HGDIOBJ GdiTable::Add(GdiObject object, bool stock) {
    Table& table = TheTable();
    const HGDIOBJ handle = table.nextHandle;
    table.nextHandle += 4;
    table.entries.emplace(handle, Entry{std::move(object), stock});
    return handle;
}

const GdiObject* GdiTable::Find(HGDIOBJ handle) {
    auto& entries = TheTable().entries;
    auto found = entries.find(handle);
    return found == entries.end() ? nullptr : &found->second.object;
}

bool GdiTable::IsStock(HGDIOBJ handle) {
    auto& entries = TheTable().entries;
    auto found = entries.find(handle);
    return found != entries.end() && found->second.stock;
}

bool GdiTable::Remove(HGDIOBJ handle) {
    auto& entries = TheTable().entries;
    auto found = entries.find(handle);
    if (found == entries.end()) return false;
    if (found->second.stock) return true;
    entries.erase(found);
    return true;
}

std::shared_ptr<const FontData> CachedFont(const LOGFONT& description) {
    static std::map<std::string, std::shared_ptr<const FontData>> cache;
    const std::string key = FontKey(description);
    auto found = cache.find(key);
    if (found != cache.end()) return found->second;
    auto font = std::make_shared<const FontData>(description);
    cache.emplace(key, font);
    return font;
}

LOGFONT DefaultFontDescription() {
    const QFont font = QGuiApplication::font();
    LOGFONT description;
    description.lfFaceName = font.family().toStdString();
    description.lfHeight = font.pixelSize() > 0 ? -font.pixelSize()
                                                : FontHeightForPoints(font.pointSizeF());
    description.lfWeight = font.bold() ? 700 : 400;
    description.lfItalic = font.italic();
    return description;
}

}  // namespace os
