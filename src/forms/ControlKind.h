#pragma once

namespace forms {

// The kinds of control a form is built of.
enum class ControlKind {
    TextBox,
    Label,
    Frame,
    CommandButton,
    OptionButton,
    CheckBox,
    Picture,
    Host,  // a window the program draws itself (the results grid)
};

}  // namespace forms
