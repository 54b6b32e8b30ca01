#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "grid/model/CellExtras.h"
#include "grid/model/CellValue.h"
#include "os/types/GdiTypes.h"
#include "runtime/Variant.h"

namespace grid {

// A font as the grid uses it: for the whole grid or for single cells.
struct GridFont {
    std::string name = "Liberation Sans";
    double size = 8;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    bool operator==(const GridFont&) const = default;
};
using FontRef = std::shared_ptr<const GridFont>;
// The window system's description of a grid font.
os::LOGFONT LogFontOf(const GridFont& font);

struct GridColumn {
    bool visible = true;
    bool fixed = false;
    std::int32_t width = 64;         // pixels
    std::int32_t left = 0;           // pixels
    std::int32_t dataIndex = 0;
    std::int32_t rowTextMarker = 0;
    std::string key;
    std::string tag;
    bool includeInSelect = true;
    std::string headerText;
    std::int32_t image = -1;
    std::int32_t textFlags = 0;
    std::int32_t fixedTextFlags = 0;
    std::string format;
    bool imageOnRight = false;
    std::string toolTip;
    bool editable = false;
    bool check = false;
    bool autoResize = false;
    std::string fieldName;
    bool loadField = true;
    runtime::Variant data;
};

// The attributes of a row that few rows use.
struct RowExtras {
    std::string key;
    std::string bookmark;
    std::int32_t tag = 0;
};

// What the grid keeps of a row that differs from the others: a height of
// its own, hidden, fixed, or with extras (see RowStore).
struct RowShape {
    std::int32_t height = 16;           // pixels
    std::uint32_t extras : 30 = 0;      // the row extras' entry + 1; 0: none
    bool visible : 1 = true;
    bool fixed : 1 = false;
    bool operator==(const RowShape&) const = default;
};

// A row as the grid's layers read it: its height, its top edge among the
// rows of its kind and its repaint mark, all given by the row store.
struct GridRow {
    std::int32_t height = 16;   // pixels
    std::int32_t top = 0;       // pixels, among the rows of its kind
    bool dirty = true;
    bool visible = true;
    bool fixed = false;
};

// One cell in 16 bytes: its value (with its extras, once any is set), two
// flags, and its fore colour as an entry of the grid's colour table.
class GridCell {
public:
    CellValue value;
    bool dirty = true;
    bool selected = false;
    // The grid's colour table entry of the fore colour; 0: none, the
    // colour is the extras' (-1 unless the table was full).
    std::uint8_t foreColour = 0;

    // Read access gives the defaults when nothing was set.
    const CellExtras& Extras() const { return value.Extras(); }
    CellExtras& MutableExtras() { return value.MutableExtras(); }
    bool HasExtras() const { return value.HasExtras(); }
};

}  // namespace grid
