#pragma once

#include <cstdint>
#include <string>

namespace forms {

// Drawing on a picture control, kept until it is cleared, so the picture
// shows whatever was drawn whenever it is painted. Coordinates are pixels
// of the picture; colours are RGB values (red in the low byte).
class PictureCanvas {
public:
    virtual ~PictureCanvas() = default;

    virtual std::int32_t PixelWidth() const = 0;
    virtual std::int32_t PixelHeight() const = 0;
    virtual void Clear(std::int32_t color) = 0;
    virtual void Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t color,
                      std::int32_t width = 1) = 0;
    // A circle around (x, y); filled with fillColor unless that is -1.
    virtual void Circle(std::int32_t x, std::int32_t y, std::int32_t radius, std::int32_t color,
                        std::int32_t fillColor = -1) = 0;
    // An unfilled circle drawn with a dashed line.
    virtual void DashedCircle(std::int32_t x, std::int32_t y, std::int32_t radius, std::int32_t color) = 0;
    // Text centred on (x, y).
    virtual void CenteredText(std::int32_t x, std::int32_t y, const std::string& text, std::int32_t color,
                              bool bold = false) = 0;
    // Text centred on (x, y) in the picture's font face at a size in points.
    virtual void SizedText(std::int32_t x, std::int32_t y, const std::string& text, std::int32_t color,
                           double points, bool bold, bool italic) = 0;
    // The colour of one pixel, -1 outside the picture.
    virtual std::int32_t Pixel(std::int32_t x, std::int32_t y) const = 0;
};

}  // namespace forms
