#pragma once

namespace forms {
class Control;
class Form;
}

namespace app {

// The About window's controls, each named here once.
struct AboutControls {
    forms::Control& banner;      // Image1
    forms::Control& link;        // Label1: the contact address
    forms::Control& fontSample;  // lblFont, hidden: the window font takes its face
    forms::Control& ok;          // cmdOk
};

// The About window's layout, in twips: title "Startup", client 4215 x 2850,
// the banner, the link and OK (both hidden until load), and the hidden font
// sample. Returns the controls it made.
AboutControls BuildAboutLayout(forms::Form& form);

}  // namespace app
