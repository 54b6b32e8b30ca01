#pragma once

namespace forms {
class PictureCanvas;
}

namespace app {

// Draws the About window's banner: the program's name over a row of
// meshing change gears on a steel-blue ground.
void DrawAboutBanner(forms::PictureCanvas& canvas);

}  // namespace app
