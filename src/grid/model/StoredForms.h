#pragma once

#include <optional>
#include <string>

#include "grid/model/GridRecords.h"

namespace grid {

// The text forms in which the grid's stored settings keep a font and a
// picture. Each reads back to what was written; text that does not read
// gives nothing.

// "name;size;flags", the flags any of b (bold), i (italic), u (underline),
// s (strikethrough): "Liberation Sans;8;b".
std::string FontText(const GridFont& font);
std::optional<GridFont> FontFromText(const std::string& text);

// "WxH:" and the pixels row by row from the top, six hex digits RRGGBB
// each; "" for no picture.
std::string PictureText(const PictureRef& picture);
PictureRef PictureFromText(const std::string& text);

// A picture that owns its bitmap, made from pixels 0x00RRGGBB.
class PixelPicture : public GridPicture {
public:
    PixelPicture(int width, int height, const std::uint32_t* pixels);
    ~PixelPicture() override;
    PixelPicture(const PixelPicture&) = delete;
    PixelPicture& operator=(const PixelPicture&) = delete;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    os::HGDIOBJ Bitmap() const override { return bitmap_; }

private:
    int width_;
    int height_;
    os::HBITMAP bitmap_;
};

}  // namespace grid
