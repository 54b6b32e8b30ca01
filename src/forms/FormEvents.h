#pragma once

#include <cstdint>

namespace forms {

class Control;

// The events a form raises to its host, the window's own code. Mouse
// positions are twips of the control's client area; buttons are 1 left,
// 2 right, 4 middle. Every method does nothing unless overridden.
class FormEvents {
public:
    virtual ~FormEvents() = default;

    virtual void Load() {}
    virtual void Resize() {}
    // The window is about to close; setting cancel keeps it open.
    virtual void Unload(bool& /*cancel*/) {}

    virtual void Change(Control& /*control*/) {}
    virtual void Click(Control& /*control*/) {}
    virtual void MouseDown(Control& /*control*/, std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/,
                           float /*y*/) {}
    // The mouse moved over the control (labels and pictures report every move).
    virtual void MouseMove(Control& /*control*/, std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/,
                           float /*y*/) {}
    virtual void GotFocus(Control& /*control*/) {}
    virtual void LostFocus(Control& /*control*/) {}
};

}  // namespace forms
