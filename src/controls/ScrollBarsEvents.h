#pragma once

namespace controls {

// The two bars of a window.
enum class EScrollBar { Horizontal = 0, Vertical = 1 };

// How the bars are drawn.
enum class EScrollBarStyle { Standard = 0, Flat = 1 };

// What cScrollBars tells its host. Every method does nothing unless
// overridden.
class IScrollBarsEvents {
public:
    virtual ~IScrollBarsEvents() = default;

    // The thumb is being dragged; the value is its track position.
    virtual void Scroll(EScrollBar /*bar*/) {}
    // Any other change of the value, and the end of scrolling.
    virtual void Change(EScrollBar /*bar*/) {}
};

}  // namespace controls
