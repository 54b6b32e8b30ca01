#pragma once

#include <string>
#include <vector>

#include "forms/Control.h"
#include "forms/FormEvents.h"

// Notes every event a form raises, as "Event name(index)".
class RecordingEvents : public forms::FormEvents {
public:
    std::vector<std::string> log;
    bool cancelUnload = false;

    void Load() override { log.push_back("Load"); }
    void Resize() override { log.push_back("Resize"); }
    void Unload(bool& cancel) override {
        log.push_back("Unload");
        cancel = cancelUnload;
    }
    void Change(forms::Control& control) override { Note("Change", control); }
    void Click(forms::Control& control) override { Note("Click", control); }
    void MouseDown(forms::Control& control, std::int16_t button, std::int16_t, float, float) override {
        Note("MouseDown" + std::to_string(button), control);
    }
    void MouseMove(forms::Control& control, std::int16_t button, std::int16_t, float, float) override {
        Note("MouseMove" + std::to_string(button), control);
    }
    void GotFocus(forms::Control& control) override { Note("GotFocus", control); }
    void LostFocus(forms::Control& control) override { Note("LostFocus", control); }

    int Count(const std::string& entry) const {
        int n = 0;
        for (const std::string& e : log) n += e == entry ? 1 : 0;
        return n;
    }

private:
    void Note(const std::string& event, const forms::Control& control) {
        log.push_back(event + " " + control.Name() + "(" + std::to_string(control.Index()) + ")");
    }
};
