#pragma once

namespace forms {

// Makes the program's font (Liberation Sans 8 pt, or the system's sans when
// that is not installed) the font of every window created afterwards, so
// that texts fit the boxes laid out for it.
void UseProgramFont();

}  // namespace forms
