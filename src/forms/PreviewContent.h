#pragma once

#include <cstdint>

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
};

}  // namespace forms
