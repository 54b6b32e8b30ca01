#include "grid/GridRecords.h"

#include "os/drawing/GdiObjects.h"

namespace grid {

namespace {
template <class T>
std::unique_ptr<T> CopyOf(const std::unique_ptr<T>& p) {
    return p ? std::make_unique<T>(*p) : nullptr;
}
}  // namespace

os::LOGFONT LogFontOf(const GridFont& font) {
    os::LOGFONT lf;
    lf.lfHeight = os::FontHeightForPoints(font.size);
    lf.lfWeight = font.bold ? os::FW_BOLD : os::FW_NORMAL;
    lf.lfItalic = font.italic;
    lf.lfUnderline = font.underline;
    lf.lfStrikeOut = font.strikethrough;
    lf.lfFaceName = font.name;
    return lf;
}

GridRow::GridRow(const GridRow& other)
    : height(other.height), top(other.top), index(other.index), dirty(other.dirty),
      visible(other.visible), fixed(other.fixed), extras(CopyOf(other.extras)) {}

GridRow& GridRow::operator=(const GridRow& other) {
    if (this != &other) *this = GridRow(other);
    return *this;
}

const std::string& GridRow::Key() const {
    static const std::string empty;
    return extras ? extras->key : empty;
}

const std::string& GridRow::Bookmark() const {
    static const std::string empty;
    return extras ? extras->bookmark : empty;
}

RowExtras& GridRow::Extras() {
    if (!extras) extras = std::make_unique<RowExtras>();
    return *extras;
}

}  // namespace grid
