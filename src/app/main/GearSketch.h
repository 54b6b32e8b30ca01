#pragma once

namespace forms {
class PictureCanvas;
}

namespace app {

// Draws where the change gears go: on the left the simple train (A at the
// top, an idler at B, D at the bottom), on the right the compound train (A
// at the top, B and C side by side on the middle stud, D at the bottom),
// each position lettered.
void DrawGearSketch(forms::PictureCanvas& canvas);

}  // namespace app
