#include "app/about/AboutBanner.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/about/AboutText.h"
#include "forms/PictureCanvas.h"

namespace app {

namespace {

// Colours as 0xBBGGRR.
constexpr std::int32_t kGroundTop = 0x5A3A1E;
constexpr std::int32_t kGroundBottom = 0xB48C64;
constexpr std::int32_t kGearRim = 0x302418;
constexpr std::int32_t kGearFace = 0xC8C0B8;
constexpr std::int32_t kHub = 0x605040;
constexpr std::int32_t kNameInk = 0xFFFFFF;
constexpr std::int32_t kNameShadow = 0x201008;

struct Gear {
    double x;
    double y;
    double radius;  // pitch radius
    int teeth;
    double turn;  // angle of the first tooth, radians
};

std::int32_t Blend(std::int32_t from, std::int32_t to, double t) {
    std::int32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int a = (from >> shift) & 0xFF;
        const int b = (to >> shift) & 0xFF;
        result |= static_cast<int>(std::lround(a + t * (b - a))) << shift;
    }
    return result;
}

void DrawGround(forms::PictureCanvas& canvas) {
    const int height = canvas.PixelHeight();
    for (int y = 0; y < height; ++y)
        canvas.Line(0, y, canvas.PixelWidth(), y, Blend(kGroundTop, kGroundBottom, height > 1 ? y / (height - 1.0) : 0),
                    1);
}

int Round(double value) { return static_cast<int>(std::lround(value)); }

// A gear seen from the side: a toothed rim, the face, spokes and the hub.
void DrawGear(forms::PictureCanvas& canvas, const Gear& gear) {
    const double toothDepth = 3;
    for (int t = 0; t < gear.teeth; ++t) {
        const double angle = gear.turn + 2 * std::numbers::pi * t / gear.teeth;
        const double c = std::cos(angle), s = std::sin(angle);
        canvas.Line(Round(gear.x + (gear.radius - 1) * c), Round(gear.y + (gear.radius - 1) * s),
                    Round(gear.x + (gear.radius + toothDepth) * c), Round(gear.y + (gear.radius + toothDepth) * s),
                    kGearRim, 3);
    }
    canvas.Circle(Round(gear.x), Round(gear.y), Round(gear.radius), kGearRim, kGearFace);
    for (int spoke = 0; spoke < 4; ++spoke) {
        const double angle = gear.turn + spoke * std::numbers::pi / 2;
        canvas.Line(Round(gear.x), Round(gear.y), Round(gear.x + gear.radius * 0.7 * std::cos(angle)),
                    Round(gear.y + gear.radius * 0.7 * std::sin(angle)), kHub, 2);
    }
    canvas.Circle(Round(gear.x), Round(gear.y), std::max(2, Round(gear.radius / 5)), kGearRim, kHub);
}

// Meshing gears left to right along the lower edge: each touches the one
// before it at the sum of their pitch radii.
void DrawGearTrain(forms::PictureCanvas& canvas) {
    const double pitchY = canvas.PixelHeight() * 0.95;
    const double sizes[] = {18, 11, 24, 14, 20, 10, 22, 13};
    double x = 6;
    double previous = 0;
    for (std::size_t i = 0; i < std::size(sizes); ++i) {
        const double radius = sizes[i];
        x += i == 0 ? 0 : previous + radius + 1;
        if (x - radius > canvas.PixelWidth()) break;
        const Gear gear{x, pitchY - (i % 2 == 0 ? 0 : radius * 0.6), radius, std::max(8, Round(radius * 0.8)),
                        i * 0.35};
        DrawGear(canvas, gear);
        previous = radius;
    }
}

}  // namespace

void DrawAboutBanner(forms::PictureCanvas& canvas) {
    DrawGround(canvas);
    DrawGearTrain(canvas);
    const int centreX = canvas.PixelWidth() / 2;
    const int nameY = canvas.PixelHeight() / 3;
    canvas.SizedText(centreX + 2, nameY + 2, kAboutNameLine, kNameShadow, 20, true, true);
    canvas.SizedText(centreX, nameY, kAboutNameLine, kNameInk, 20, true, true);
}

}  // namespace app
