#pragma once

#include <cstdint>

#include "os/types/Types.h"

namespace grid {

// What the grid's data model needs of the window it lives in: unit
// conversion, colour translation and invalidation. The window-backed
// canvas draws on the grid's own window; tests use a recording one.
class GridCanvas {
public:
    virtual ~GridCanvas() = default;

    virtual os::HWND Window() const = 0;
    virtual double TwipsPerPixelX() const = 0;
    virtual double TwipsPerPixelY() const = 0;
    // An OLE colour as RGB; -1 when it cannot be translated.
    virtual std::int32_t TranslateColor(std::int32_t oleColor) const = 0;
    // Adds a rectangle (pixels) to the window's update region; no erase.
    virtual void Invalidate(const os::RECT& rect) = 0;
    virtual void InvalidateAll() = 0;
    // The client area of the grid's window, pixels from (0, 0).
    virtual os::RECT ClientRect() const = 0;
};

// A canvas without a window: 15 twips a pixel, RGB colours as they are,
// system colours from a fixed light palette, nothing to invalidate.
class DetachedCanvas : public GridCanvas {
public:
    os::HWND Window() const override { return 0; }
    double TwipsPerPixelX() const override { return 15; }
    double TwipsPerPixelY() const override { return 15; }
    std::int32_t TranslateColor(std::int32_t oleColor) const override;
    void Invalidate(const os::RECT&) override {}
    void InvalidateAll() override {}
    os::RECT ClientRect() const override { return client; }

    os::RECT client{0, 0, 340, 199};  // the results grid's size in the main window
};

}  // namespace grid
