#include "app/main/GearSketch.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "forms/PictureCanvas.h"

namespace app {

namespace {

constexpr std::int32_t kPaper = 0xFFFFFF;
constexpr std::int32_t kInk = 0x202020;
constexpr std::int32_t kGearFill = 0xE8E0D8;
constexpr std::int32_t kStud = 0x806040;

struct Gear {
    int x;
    int y;
    int radius;
    const char* letter;
};

// A gear in side view: its pitch circle, teeth around it, the shaft, its letter.
void DrawGear(forms::PictureCanvas& canvas, const Gear& gear) {
    canvas.Circle(gear.x, gear.y, gear.radius, kInk, kGearFill);
    const int teeth = std::max(8, gear.radius / 2);
    for (int t = 0; t < teeth; ++t) {
        const double angle = 2 * std::numbers::pi * t / teeth;
        const double c = std::cos(angle), s = std::sin(angle);
        canvas.Line(static_cast<int>(std::lround(gear.x + gear.radius * c)),
                    static_cast<int>(std::lround(gear.y + gear.radius * s)),
                    static_cast<int>(std::lround(gear.x + (gear.radius + 3) * c)),
                    static_cast<int>(std::lround(gear.y + (gear.radius + 3) * s)), kInk, 2);
    }
    canvas.Circle(gear.x, gear.y, 2, kInk, kInk);
    canvas.CenteredText(gear.x, gear.y - std::max(7, gear.radius / 2), gear.letter, kInk, true);
}

// A two-gear train with an idler: A drives the idler at B, which drives D.
void DrawSimpleTrain(forms::PictureCanvas& canvas, int top) {
    const Gear a{32, top + 20, 19, "A"};
    const Gear b{32, a.y + a.radius + 3 + 16, 16, "B"};
    const Gear d{32, b.y + b.radius + 3 + 22, 22, "D"};
    for (const Gear& gear : {a, b, d}) DrawGear(canvas, gear);
}

// A compound train: A drives B; C turns with B on one stud and drives D.
void DrawCompoundTrain(forms::PictureCanvas& canvas, int top) {
    const Gear a{84, top + 20, 17, "A"};
    const Gear b{84, a.y + a.radius + 3 + 17, 17, "B"};
    const Gear c{113, b.y, 10, "C"};
    const Gear d{113, c.y + c.radius + 3 + 15, 15, "D"};
    DrawGear(canvas, a);
    DrawGear(canvas, b);
    canvas.Line(b.x, b.y, c.x, c.y, kStud, 3);
    DrawGear(canvas, c);
    DrawGear(canvas, d);
}

}  // namespace

void DrawGearSketch(forms::PictureCanvas& canvas) {
    canvas.Clear(kPaper);
    const int top = std::max(4, (canvas.PixelHeight() - 150) / 2);
    DrawSimpleTrain(canvas, top);
    DrawCompoundTrain(canvas, top);
    canvas.Line(65, top - 2, 65, top + 150, 0xC0C0C0, 1);
}

}  // namespace app
