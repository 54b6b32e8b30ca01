#pragma once

#include <cstdint>
#include <vector>

#include "grid/model/CellExtras.h"
#include "grid/model/GridRecords.h"

namespace grid {

// A colour as set (an OLE colour, which may name a system colour) with the
// RGB it stands for now (-1 when it stands for none).
struct GridColour {
    std::int32_t ole = 0;
    std::int32_t rgb = 0;
};

// How the column header looks and what the user may do with it.
struct HeaderLook {
    bool shown = false;
    bool flat = false;
    bool buttons = false;
    bool hotTrack = false;
    bool dragReorder = false;
    std::int32_t height = 0;  // pixels, while shown
};

// The grid's look: colours, lines, fonts, icons, background picture and
// header. Plain values; the grid repaints when one is set through it.
class GridAppearance {
public:
    GridColour back, fore, backFixed, foreFixed, backSel, foreSel, backBkg, grid, gridFixed;
    std::int32_t gridLineWidth = 1;
    std::int32_t textStyle = 0;
    std::int32_t textStyleFixed = 0;
    bool highlightSelectedIcons = true;
    bool disableIcons = true;
    std::intptr_t imageList = 0;
    std::int32_t backgroundPictureWidth = 0;
    std::int32_t backgroundPictureHeight = 0;
    std::int32_t appearance = 1;
    std::int32_t borderStyle = 1;
    HeaderLook header;

    // The height the header takes off the top of the client area: none
    // while the header is hidden.
    std::int32_t HeaderHeightPixels() const { return header.shown ? header.height : 0; }

    // The grid's own font, entry 0 of the font table.
    const GridFont& Font() const { return fonts_.front(); }
    void SetFont(const GridFont& font) { fonts_.front() = font; }
    // The grid's font and then every distinct font a cell was given.
    const std::vector<GridFont>& FontTable() const { return fonts_; }
    // The table entry of a cell font, added when new; 0 (the grid's font) for none.
    std::int32_t FontIndexOf(const FontRef& font);
    // The cell font of a table entry; nullptr for the grid's own.
    FontRef CellFont(std::int32_t index) const;

    const PictureRef& BackgroundPicture() const { return backgroundPicture_; }
    // A picture brings its own size along.
    void SetBackgroundPicture(PictureRef picture);

private:
    std::vector<GridFont> fonts_{GridFont{}};
    std::vector<FontRef> cellFonts_{nullptr};
    PictureRef backgroundPicture_;
};

}  // namespace grid
