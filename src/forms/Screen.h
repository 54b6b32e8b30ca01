#pragma once

namespace forms {

// The primary screen's size in twips.
double ScreenWidth();
double ScreenHeight();
// The part of the primary screen that windows may use (without panels and
// docks), in twips.
double AvailableWidth();
double AvailableHeight();
// Twips per pixel of the screen.
double TwipsPerPixelX();
double TwipsPerPixelY();

}  // namespace forms
