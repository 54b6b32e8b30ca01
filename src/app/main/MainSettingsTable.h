#pragma once

#include <string>
#include <vector>

#include "app/results/InputControls.h"

namespace forms {
class Control;
}

namespace app {

class frmMain;

// How a setting's text stands for its control's state.
enum class SettingKind {
    Option,        // an option button: "True" or "False"
    Check,         // a check box: "0", "1" or "2"; anything else read gives the factory value
    Text,          // a text box's text as it stands
    PositiveText,  // a leadscrew or ratio box: a stored value below 0 reads as "0"
};

// The main window's control that a setting holds, picked from its inputs.
using SettingControl = forms::Control& (*)(const InputControls& inputs);

// One input of the main window in section "sets" of the settings file.
struct MainSetting {
    const char* key;
    SettingControl control;
    SettingKind kind;
    std::string factory;  // the text that stands in for a missing or unreadable value
};

// Every input besides the gear list, in the order the settings file holds
// them when it is written anew.
const std::vector<MainSetting>& MainSettings();

// The control a setting holds in the window.
forms::Control& ControlOf(const frmMain& window, SettingControl control);

}  // namespace app
