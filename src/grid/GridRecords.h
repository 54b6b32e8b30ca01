#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "grid/CellValue.h"
#include "os/drawing/GdiTypes.h"
#include "runtime/Variant.h"

namespace grid {

// A picture a cell, the background or the mouse pointer may show: a bitmap
// of the window system.
class GridPicture {
public:
    virtual ~GridPicture() = default;
    virtual int Width() const = 0;   // pixels
    virtual int Height() const = 0;
    virtual os::HGDIOBJ Bitmap() const = 0;
};
using PictureRef = std::shared_ptr<const GridPicture>;

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
    std::int32_t headerItem = -1;
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
};

struct GridRow {
    std::int32_t height = 16;   // pixels
    std::int32_t top = 0;       // pixels, among the rows of its kind
    std::int32_t index = 0;     // its number when created
    std::int32_t tag = 0;
    bool dirty = true;
    bool visible = true;
    bool fixed = false;
    std::unique_ptr<RowExtras> extras;

    GridRow() = default;
    GridRow(const GridRow& other);
    GridRow& operator=(const GridRow& other);
    GridRow(GridRow&&) noexcept = default;
    GridRow& operator=(GridRow&&) noexcept = default;

    const std::string& Key() const;
    const std::string& Bookmark() const;
    RowExtras& Extras();
};

// The attributes of a cell beyond its value; a cell holds them only once
// one is set, so that a plain text cell stays small.
struct CellExtras {
    std::int32_t backColor = -1;
    std::int32_t foreColor = -1;
    std::string shownText;
    std::int32_t textFlags = -1;
    std::int32_t icon = -1;
    std::int32_t extraIcon = -1;
    runtime::Variant itemData = runtime::Variant(std::string());
    std::string toolTip;
    PictureRef picture;
    std::int32_t pictureWidth = 0;
    std::int32_t font = 0;
    std::int32_t indent = 0;
    bool extraAtRight = false;
};

// One cell: its value and two flags inline, everything else out of line.
class GridCell {
public:
    GridCell() = default;
    GridCell(const GridCell& other);
    GridCell& operator=(const GridCell& other);
    GridCell(GridCell&&) noexcept = default;
    GridCell& operator=(GridCell&&) noexcept = default;

    CellValue value;
    bool dirty = true;
    bool selected = false;

    // Read access gives the defaults when nothing was set.
    const CellExtras& Extras() const;
    CellExtras& MutableExtras();
    bool HasExtras() const { return extras_ != nullptr; }

private:
    std::unique_ptr<CellExtras> extras_;
};

}  // namespace grid
