#pragma once

#include <cstdint>
#include <string>

namespace os {

// A surface that text is drawn on the way a printer takes it: a current
// position in twips from the top-left corner, a font size in points, an
// italic switch, and text put down at the current position without moving
// it. The preview window and the printer page both are one.
class DrawingTarget {
public:
    virtual ~DrawingTarget() = default;

    virtual std::int32_t CurrentX() const = 0;
    virtual void SetCurrentX(std::int32_t twips) = 0;
    virtual std::int32_t CurrentY() const = 0;
    virtual void SetCurrentY(std::int32_t twips) = 0;
    virtual double FontSize() const = 0;
    virtual void SetFontSize(double points) = 0;
    virtual bool FontItalic() const = 0;
    virtual void SetFontItalic(bool italic) = 0;

    // Draws the text with its top-left corner at the current position; the
    // position stays where it is.
    virtual void Print(const std::string& text) = 0;
    // The width the text takes in the current font, in twips.
    virtual std::int32_t TextWidth(const std::string& text) = 0;

    // Makes room for a band `height` twips tall below the current y: true
    // when it fits, false when it would pass the bottom of a page (a screen
    // surface grows instead and always answers true).
    virtual bool MakeRoom(std::int32_t height) = 0;
    // Ends the page and starts the next, with the position at its top-left
    // corner; false when the next page cannot be started.
    virtual bool NewPage() = 0;
};

}  // namespace os
