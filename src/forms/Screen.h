#pragma once

namespace forms {

// The primary screen's size in twips.
double ScreenWidth();
double ScreenHeight();
// Twips per pixel of the screen.
double TwipsPerPixelX();
double TwipsPerPixelY();

}  // namespace forms
