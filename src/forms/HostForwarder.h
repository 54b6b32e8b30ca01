#pragma once

#include "forms/Control.h"
#include "os/windows/ControlOwner.h"

namespace forms {

// The owner of a host control's window: passes its control events on to the
// client that draws the control, once one is set.
class Control::HostForwarder : public os::ControlOwner {
public:
    void SetClient(os::ControlOwner* client) { client_ = client; }

    void KeyDown(std::int16_t& keyCode, std::int16_t& shift) override {
        if (client_) client_->KeyDown(keyCode, shift);
    }
    void KeyPress(std::int16_t& keyAscii) override {
        if (client_) client_->KeyPress(keyAscii);
    }
    void KeyUp(std::int16_t& keyCode, std::int16_t& shift) override {
        if (client_) client_->KeyUp(keyCode, shift);
    }
    void MouseDown(std::int16_t button, std::int16_t shift, float x, float y) override {
        if (client_) client_->MouseDown(button, shift, x, y);
    }
    void MouseMove(std::int16_t button, std::int16_t shift, float x, float y) override {
        if (client_) client_->MouseMove(button, shift, x, y);
    }
    void MouseUp(std::int16_t button, std::int16_t shift, float x, float y) override {
        if (client_) client_->MouseUp(button, shift, x, y);
    }
    void Click() override {
        if (client_) client_->Click();
    }
    void DblClick() override {
        if (client_) client_->DblClick();
    }
    void GotFocus() override {
        if (client_) client_->GotFocus();
    }
    void LostFocus() override {
        if (client_) client_->LostFocus();
    }
    void Resize() override {
        if (client_) client_->Resize();
    }
    void Paint() override {
        if (client_) client_->Paint();
    }

private:
    os::ControlOwner* client_ = nullptr;
};

}  // namespace forms
