#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "os/types/GdiTypes.h"
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

// The attributes of a cell beyond its value and fore colour; a cell holds
// them only once one is set, so that a plain text cell stays small.
struct CellExtras {
    std::int32_t backColor = -1;
    std::int32_t foreColor = -1;  // used only when the grid's colour table is full
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

}  // namespace grid
