#pragma once

namespace forms {
class Form;
}

namespace app {

// The About window's layout, in twips: title "Startup", client 4215 x 2850,
// the banner Image1, the link Label1 and cmdOk (both hidden until load), and
// the hidden label lblFont whose face the window font takes.
void BuildAboutLayout(forms::Form& form);

}  // namespace app
