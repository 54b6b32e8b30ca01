#pragma once

#include <cstdint>
#include <string>

namespace os {
class DrawingTarget;
}

namespace forms {

// A drawing a preview surface shows without keeping it: the surface asks for
// the part that comes into view each time it paints, so a drawing of
// millions of lines costs no more memory than its source.
class PreviewContent {
public:
    virtual ~PreviewContent() = default;

    // How far down the drawing reaches, in twips from the surface's top.
    virtual std::int64_t Height() const = 0;
    // Draws onto the target every text whose top lies from `top` to
    // `bottom` (twips), and may draw a few more around them.
    virtual void Draw(os::DrawingTarget& target, std::int64_t top, std::int64_t bottom) const = 0;
    // The tooltip at a point of the drawing (twips), measured on the
    // target: the whole of a text shown cut short there, otherwise empty.
    virtual std::string ToolTipAt(os::DrawingTarget& target, std::int64_t x, std::int64_t y) const = 0;
};

}  // namespace forms
