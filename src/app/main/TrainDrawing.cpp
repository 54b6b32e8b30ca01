#include "app/main/TrainDrawing.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/gears/TrainGeometry.h"
#include "forms/PictureCanvas.h"

namespace app {

namespace {

// Colours are RGB with red in the low byte.
constexpr std::int32_t kPaper = 0xFFFFFF;
constexpr std::int32_t kInk = 0x202020;
constexpr std::int32_t kPitchLine = 0x808080;
constexpr std::int32_t kGearFill = 0xF0E8E0;
constexpr std::int32_t kClearance = 0xB0B0B0;
constexpr std::int32_t kArm = 0x406080;
constexpr std::int32_t kFault = 0x0000E0;
constexpr int kMargin = 6;

using calc::GeometryPoint;
using calc::PlacedGear;
using calc::TrainGeometry;

// Modules to pixels: the drawing's extent fitted into the picture, centred,
// with y turned to grow downwards.
class Scale {
public:
    Scale(const TrainGeometry& train, int width, int height) {
        Extend(train.spindle, TrainGeometry::kSpindleClearance);
        Extend(train.leadscrew, TrainGeometry::kLeadscrewClearance);
        for (const PlacedGear& gear : train.gears) Extend(gear.centre, gear.tipRadius);
        if (!train.reaches) {
            Extend(train.gapFrom, 1);
            Extend(train.gapTo, 1);
        }
        factor_ = std::min((width - 2.0 * kMargin) / (maxX_ - minX_), (height - 2.0 * kMargin) / (maxY_ - minY_));
        factor_ = std::max(factor_, 1e-3);  // a picture too small to hold anything
        offsetX_ = (width - (maxX_ - minX_) * factor_) / 2;
        offsetY_ = (height - (maxY_ - minY_) * factor_) / 2;
    }
    int X(double x) const { return static_cast<int>(std::lround(offsetX_ + (x - minX_) * factor_)); }
    int Y(double y) const { return static_cast<int>(std::lround(offsetY_ + (maxY_ - y) * factor_)); }
    int Length(double modules) const { return std::max(1, static_cast<int>(std::lround(modules * factor_))); }
    double Factor() const { return factor_; }

private:
    void Extend(GeometryPoint p, double radius) {
        minX_ = std::min(minX_, p.x - radius);
        maxX_ = std::max(maxX_, p.x + radius);
        minY_ = std::min(minY_, p.y - radius);
        maxY_ = std::max(maxY_, p.y + radius);
    }
    double minX_ = 0, maxX_ = 0, minY_ = 0, maxY_ = 0;
    double factor_ = 1, offsetX_ = 0, offsetY_ = 0;
};

void DrawCross(forms::PictureCanvas& canvas, int x, int y) {
    canvas.Line(x - 3, y, x + 4, y, kInk);
    canvas.Line(x, y - 3, x, y + 4, kInk);
}

void DrawGear(forms::PictureCanvas& canvas, const Scale& scale, const PlacedGear& gear) {
    const int x = scale.X(gear.centre.x), y = scale.Y(gear.centre.y);
    if (gear.letter == 'I') {
        canvas.DashedCircle(x, y, scale.Length(gear.tipRadius), kInk);
        return;
    }
    canvas.Circle(x, y, scale.Length(gear.tipRadius), kInk, kGearFill);
    canvas.Circle(x, y, scale.Length(gear.pitchRadius), kPitchLine);
}

std::string LabelOf(const PlacedGear& gear) {
    return gear.letter == 'I' ? std::string("idler") : std::string(1, gear.letter) + " " + std::to_string(gear.teeth);
}

void DrawLabel(forms::PictureCanvas& canvas, const Scale& scale, const PlacedGear& gear, double raise) {
    canvas.CenteredText(scale.X(gear.centre.x), scale.Y(gear.centre.y + raise), LabelOf(gear), kInk, true);
}

// The part of a gear's pitch circle inside a clearance circle, filled red
// line by line (the lens where the two circles overlap).
void FillOverlap(forms::PictureCanvas& canvas, const Scale& scale, GeometryPoint gearCentre, double gearRadius,
                 GeometryPoint axis, double clearance) {
    const double top = std::min(gearCentre.y + gearRadius, axis.y + clearance);
    const double bottom = std::max(gearCentre.y - gearRadius, axis.y - clearance);
    const double step = 1 / std::max(scale.Factor(), 1e-9);
    for (double y = bottom; y <= top; y += step) {
        const double gearHalf = std::sqrt(std::max(0.0, gearRadius * gearRadius - (y - gearCentre.y) * (y - gearCentre.y)));
        const double axisHalf = std::sqrt(std::max(0.0, clearance * clearance - (y - axis.y) * (y - axis.y)));
        const double left = std::max(gearCentre.x - gearHalf, axis.x - axisHalf);
        const double right = std::min(gearCentre.x + gearHalf, axis.x + axisHalf);
        if (left <= right) canvas.Line(scale.X(left), scale.Y(y), scale.X(right) + 1, scale.Y(y), kFault);
    }
    canvas.Circle(scale.X(axis.x), scale.Y(axis.y), scale.Length(clearance), kFault);
}

void DrawFaults(forms::PictureCanvas& canvas, const Scale& scale, const TrainGeometry& train) {
    if (train.compound && train.bFoulsLeadscrew)
        FillOverlap(canvas, scale, train.stud, train.gears[1].pitchRadius, train.leadscrew,
                    TrainGeometry::kLeadscrewClearance);
    if (train.compound && train.cFoulsSpindle)
        FillOverlap(canvas, scale, train.stud, train.gears[2].pitchRadius, train.spindle,
                    TrainGeometry::kSpindleClearance);
    if (!train.reaches)
        canvas.Line(scale.X(train.gapFrom.x), scale.Y(train.gapFrom.y), scale.X(train.gapTo.x),
                    scale.Y(train.gapTo.y), kFault, 3);
}

void DrawGears(forms::PictureCanvas& canvas, const Scale& scale, const TrainGeometry& train) {
    const PlacedGear& a = train.gears.front();
    const PlacedGear& d = train.gears.back();
    DrawGear(canvas, scale, a);
    DrawGear(canvas, scale, d);
    if (!train.compound) {
        DrawGear(canvas, scale, train.gears[1]);
        return;
    }
    // B and C share the stud: the larger first, so the smaller shows on it.
    const PlacedGear& b = train.gears[1];
    const PlacedGear& c = train.gears[2];
    const bool bLarger = b.tipRadius >= c.tipRadius;
    DrawGear(canvas, scale, bLarger ? b : c);
    DrawGear(canvas, scale, bLarger ? c : b);
}

void DrawLabels(forms::PictureCanvas& canvas, const Scale& scale, const TrainGeometry& train) {
    DrawLabel(canvas, scale, train.gears.front(), 0);
    DrawLabel(canvas, scale, train.gears.back(), 0);
    if (!train.compound) {
        DrawLabel(canvas, scale, train.gears[1], 0);
        return;
    }
    // The smaller of B and C is labelled at the stud, the larger in its ring.
    const PlacedGear& b = train.gears[1];
    const PlacedGear& c = train.gears[2];
    const PlacedGear& small = b.tipRadius >= c.tipRadius ? c : b;
    const PlacedGear& large = b.tipRadius >= c.tipRadius ? b : c;
    DrawLabel(canvas, scale, small, 0);
    DrawLabel(canvas, scale, large, std::max((small.tipRadius + large.pitchRadius) / 2, 12 / scale.Factor()));
}

}  // namespace

std::optional<calc::TrainGeometry> GeometryOf(const calc::TrainResult& train, const calc::GearSet& gears) {
    const auto teeth = [&gears](int slot) {
        const std::int32_t count = slot < 0 ? 0 : gears.Count(slot);
        return count > 0 ? std::optional(count) : std::nullopt;
    };
    const auto a = teeth(train.a), b = teeth(train.b), c = teeth(train.c), d = teeth(train.d);
    if (!a || !d) return std::nullopt;
    if (b && c) return calc::CompoundTrainGeometry(*a, *b, *c, *d);
    return calc::SimpleTrainGeometry(*a, *d);
}

void DrawTrain(forms::PictureCanvas& canvas, const TrainGeometry& train) {
    canvas.Clear(kPaper);
    if (train.gears.size() < 3) return;
    const Scale scale(train, canvas.PixelWidth(), canvas.PixelHeight());
    DrawGears(canvas, scale, train);
    canvas.Circle(scale.X(train.leadscrew.x), scale.Y(train.leadscrew.y),
                  scale.Length(TrainGeometry::kLeadscrewClearance), kClearance);
    canvas.Circle(scale.X(train.spindle.x), scale.Y(train.spindle.y), scale.Length(TrainGeometry::kSpindleClearance),
                  kClearance);
    canvas.Line(scale.X(train.leadscrew.x), scale.Y(train.leadscrew.y), scale.X(train.stud.x), scale.Y(train.stud.y),
                kArm, 2);
    DrawFaults(canvas, scale, train);
    for (GeometryPoint axis : {train.spindle, train.leadscrew, train.stud})
        DrawCross(canvas, scale.X(axis.x), scale.Y(axis.y));
    DrawLabels(canvas, scale, train);
}

}  // namespace app
