#pragma once

#include <cstdint>
#include <string>

namespace os {

// The type a sheet is set in: a size in points and a bold switch, in the
// target's one face.
struct SheetFont {
    double points = 12;
    bool bold = false;
};

// Pages that a sheet of text is laid out on: the printable area of a page
// in twips from its top-left corner, text measured and drawn in a given
// type, and thin lines across. A printer and a PDF file both are one.
class SheetTarget {
public:
    virtual ~SheetTarget() = default;

    virtual std::int32_t PageWidth() const = 0;
    virtual std::int32_t PageHeight() const = 0;
    // The advance of the text in the font, in twips.
    virtual std::int32_t TextWidth(const std::string& text, const SheetFont& font) const = 0;
    // Draws the text with its top-left corner at (x, y).
    virtual void DrawText(std::int32_t x, std::int32_t y, const std::string& text, const SheetFont& font) = 0;
    // A horizontal line from left to right at y: black, or light grey.
    virtual void DrawRule(std::int32_t left, std::int32_t right, std::int32_t y, bool light) = 0;
    // Ends the page and starts the next; false when it cannot be started.
    virtual bool NewPage() = 0;
};

}  // namespace os
