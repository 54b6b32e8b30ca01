#include "app/about/AboutText.h"

#include "os/drawing/Colors.h"
#include "os/drawing/DeviceContext.h"
#include "os/drawing/Drawing.h"
#include "os/drawing/GdiObjects.h"
#include "os/drawing/Text.h"
#include "os/desktop/DateFormats.h"
#include "os/windows/Window.h"

namespace app {

namespace {

// Where the lines go, in client pixels: the name under the banner, the two
// small lines between the address and the OK button.
constexpr int kNameTop = 70;
constexpr int kNameBottom = 108;
constexpr int kVersionTop = 128;
constexpr int kLineHeight = 14;
constexpr double kSmallPoints = 8;

void PaintLine(os::HDC dc, const std::string& text, const os::LOGFONT& font, os::RECT box) {
    const os::HFONT made = os::CreateFontIndirect(font);
    const os::HGDIOBJ previous = os::SelectObject(dc, made);
    os::FillRect(dc, box, os::GetSysColorBrush(os::COLOR_BTNFACE));
    os::DrawText(dc, text, box, os::DT_CENTER | os::DT_SINGLELINE | os::DT_VCENTER | os::DT_NOPREFIX);
    os::SelectObject(dc, previous);
    os::DeleteObject(made);
}

os::LOGFONT SmallFont(const os::LOGFONT& windowFont) {
    os::LOGFONT font;
    font.lfFaceName = windowFont.lfFaceName;
    font.lfCharSet = windowFont.lfCharSet;
    font.lfHeight = os::FontHeightForPoints(kSmallPoints);
    return font;
}

}  // namespace

std::string VersionLine(const BuildStamp& stamp) {
    const std::string day = os::GetDateFormat(os::DATE_SHORTDATE, os::DateOfUnixTime(stamp.buildDay));
    return std::to_string(stamp.major) + "." + std::to_string(stamp.minor) + " Сборка " +
           std::to_string(stamp.revision) + " (" + day + ")";
}

void PaintAboutText(os::HWND window, const os::LOGFONT& windowFont, int stripRight) {
    os::RECT client;
    if (!os::GetClientRect(window, client)) return;
    const os::HDC dc = os::GetDC(window);
    if (dc == 0) return;
    os::SetBkMode(dc, os::TRANSPARENT);
    os::SetTextColor(dc, os::GetSysColor(os::COLOR_BTNTEXT));
    PaintLine(dc, kAboutNameLine, windowFont, {stripRight, kNameTop, client.right, kNameBottom});
    const os::LOGFONT small = SmallFont(windowFont);
    PaintLine(dc, VersionLine(ThisBuild()), small, {stripRight, kVersionTop, client.right, kVersionTop + kLineHeight});
    PaintLine(dc, kAboutNoticeLine, small,
              {stripRight, kVersionTop + kLineHeight, client.right, kVersionTop + 2 * kLineHeight});
    os::ReleaseDC(window, dc);
}

}  // namespace app
