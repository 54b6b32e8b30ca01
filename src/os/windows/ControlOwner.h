#pragma once

#include <cstdint>

namespace os {

// Receives the control events of a window the program draws itself. Key
// codes, characters and shift states may be changed by the handler; mouse
// positions are in twips of the window's client area. Every method does
// nothing unless overridden.
class ControlOwner {
public:
    virtual ~ControlOwner() = default;

    virtual void KeyDown(std::int16_t& /*keyCode*/, std::int16_t& /*shift*/) {}
    virtual void KeyPress(std::int16_t& /*keyAscii*/) {}
    virtual void KeyUp(std::int16_t& /*keyCode*/, std::int16_t& /*shift*/) {}
    virtual void MouseDown(std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/, float /*y*/) {}
    virtual void MouseMove(std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/, float /*y*/) {}
    virtual void MouseUp(std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/, float /*y*/) {}
    virtual void Click() {}
    virtual void DblClick() {}
    virtual void GotFocus() {}
    virtual void LostFocus() {}
    virtual void Resize() {}
    virtual void Paint() {}
};

}  // namespace os
