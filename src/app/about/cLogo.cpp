#include "app/about/cLogo.h"

#include <algorithm>

#include "os/drawing/DeviceContext.h"
#include "os/drawing/Drawing.h"
#include "os/drawing/GdiObjects.h"
#include "os/drawing/Text.h"
#include "runtime/Rounding.h"

namespace app {

namespace {

constexpr int kCaptionX = 3;  // from the strip's left edge
constexpr int kCaptionFromBottom = 16;
constexpr int kUpwards = 900;  // tenths of a degree
constexpr int kShades = 255;

int Channel(int from, int to, double fraction) {
    return std::clamp(static_cast<int>(runtime::RoundHalfEven(from + fraction * (to - from))), 0, 255);
}

}  // namespace

cLogo::cLogo() { SetEndColor(os::SystemColorBase + os::COLOR_BTNFACE); }

cLogo::~cLogo() { ReleaseRotatedFont(); }

void cLogo::SetFont(const os::LOGFONT& font) {
    font_ = font;
    ReleaseRotatedFont();
}

void cLogo::SetRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
    rect_ = {left, top, right, bottom};
}

// A colour that cannot be translated keeps its value as set and draws black.
cLogo::Colour cLogo::Translated(os::OLE_COLOR color) {
    Colour result{color, 0, 0, 0};
    const std::int32_t rgb = os::TranslateColor(color);
    if (rgb < 0) return result;
    const auto value = static_cast<os::COLORREF>(rgb);
    result.red = os::GetRValue(value);
    result.green = os::GetGValue(value);
    result.blue = os::GetBValue(value);
    return result;
}

cLogo::Colour cLogo::Between(double fraction) const {
    return {0, Channel(start_.red, end_.red, fraction), Channel(start_.green, end_.green, fraction),
            Channel(start_.blue, end_.blue, fraction)};
}

void cLogo::Draw() {
    if (window_ == 0 || rect_.bottom <= rect_.top || rect_.right <= rect_.left) return;
    const os::HDC dc = os::GetDC(window_);
    if (dc == 0) return;
    DrawGradient(dc);
    DrawCaption(dc);
    os::ReleaseDC(window_, dc);
}

// Bands of h / 255 pixels (at least 1) from the bottom up; each band takes
// the colour for its distance from the top, so the bottom band is
// StartColor and the top band EndColor.
void cLogo::DrawGradient(os::HDC dc) const {
    const int height = rect_.bottom - rect_.top;
    const int step = std::max(1, height / kShades);
    Colour current = start_;
    for (int bandBottom = rect_.bottom; bandBottom > rect_.top;) {
        const int bandTop = std::max(rect_.top, bandBottom - step);
        const os::HBRUSH brush = os::CreateSolidBrush(os::RGB(current.red, current.green, current.blue));
        os::FillRect(dc, {rect_.left, bandTop, rect_.right, bandBottom}, brush);
        os::DeleteObject(brush);
        bandBottom = bandTop;
        const int nextTop = std::max(rect_.top, bandBottom - step) - rect_.top;
        current = Between(static_cast<double>(height - nextTop) / height);
    }
}

void cLogo::DrawCaption(os::HDC dc) {
    if (caption_.empty()) return;
    if (rotatedFont_ == 0) {
        os::LOGFONT rotated = font_;
        rotated.lfEscapement = kUpwards;
        rotated.lfOrientation = kUpwards;
        rotatedFont_ = os::CreateFontIndirect(rotated);
    }
    const os::HGDIOBJ previous = os::SelectObject(dc, rotatedFont_);
    os::SetBkMode(dc, os::TRANSPARENT);
    os::SetTextColor(dc, os::RGB(255, 255, 255));
    const int height = rect_.bottom - rect_.top;
    os::TextOut(dc, rect_.left + kCaptionX, rect_.top + height - kCaptionFromBottom, caption_);
    os::SelectObject(dc, previous);
}

void cLogo::ReleaseRotatedFont() {
    if (rotatedFont_ == 0) return;
    os::DeleteObject(rotatedFont_);
    rotatedFont_ = 0;
}

}  // namespace app
