#pragma once

#include <cstdint>
#include <string>

#include "os/drawing/Colors.h"
#include "os/types/GdiTypes.h"

namespace app {

// The logo strip of the About window: a vertical colour gradient from
// StartColor at the bottom to EndColor at the top, with a caption along it
// reading upwards. It draws on a window's persistent surface.
class cLogo {
public:
    cLogo();
    ~cLogo();
    cLogo(const cLogo&) = delete;
    cLogo& operator=(const cLogo&) = delete;

    // The face, size and weight of the caption; the rotated font is made
    // from it on the next Draw.
    const os::LOGFONT& Font() const { return font_; }
    void SetFont(const os::LOGFONT& font);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    // The window to draw on.
    os::HWND DrawingObject() const { return window_; }
    void SetDrawingObject(os::HWND window) { window_ = window; }
    // Colours as set (OLE colours, system colours allowed).
    os::OLE_COLOR StartColor() const { return start_.set; }
    void SetStartColor(os::OLE_COLOR color) { start_ = Translated(color); }
    os::OLE_COLOR EndColor() const { return end_.set; }
    void SetEndColor(os::OLE_COLOR color) { end_ = Translated(color); }
    // The strip, in pixels of the drawing object's client area.
    void SetRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
    const os::RECT& Rect() const { return rect_; }
    // Draws the gradient and the caption; nothing without a window or with
    // an empty strip.
    void Draw();
    // A number the owner keeps with the logo; drawing does not use it.
    std::int32_t Value() const { return value_; }
    void SetValue(std::int32_t value) { value_ = value; }
    // The rotated caption font, 0 until the first Draw.
    os::HFONT RotatedFont() const { return rotatedFont_; }

private:
    struct Colour {
        os::OLE_COLOR set = 0;
        int red = 0;
        int green = 0;
        int blue = 0;
    };
    static Colour Translated(os::OLE_COLOR color);
    Colour Between(double fraction) const;
    void DrawGradient(os::HDC dc) const;
    void DrawCaption(os::HDC dc);
    void ReleaseRotatedFont();

    os::LOGFONT font_;
    std::string caption_;
    os::HWND window_ = 0;
    Colour start_;
    Colour end_;
    os::RECT rect_;
    std::int32_t value_ = 0;
    os::HFONT rotatedFont_ = 0;  // made on the first Draw, released with the object
};

}  // namespace app
