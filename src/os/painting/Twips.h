#pragma once

namespace os {

// Twips per screen pixel: 1440 divided by the screen's logical dots per
// inch (15 at 96 dpi). 15 when there is no screen.
double TwipsPerPixelX();
double TwipsPerPixelY();

}  // namespace os
