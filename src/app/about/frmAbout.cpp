#include "app/about/frmAbout.h"

#include "app/about/AboutBanner.h"
#include "app/about/AboutLayout.h"
#include "app/about/AboutText.h"
#include "app/files/LanguageFile.h"
#include "forms/Screen.h"
#include "os/drawing/Colors.h"
#include "os/drawing/GdiObjects.h"
#include "os/painting/Painting.h"
#include "os/windows/Window.h"

namespace app {

namespace {

constexpr int kStripWidth = 18;  // pixels
constexpr double kWindowFontPoints = 24;
constexpr double kCaptionPoints = 8;
constexpr std::int32_t kBannerTipDelay = 200;  // ms
constexpr const char* kLogoCaption = "KESTRANY";

// The caption's font: the program's sans, bold.
os::LOGFONT CaptionFont() {
    os::LOGFONT font;
    font.lfFaceName = "Liberation Sans";
    font.lfHeight = os::FontHeightForPoints(kCaptionPoints);
    font.lfWeight = os::FW_BOLD;
    return font;
}

// Centred on the screen.
void Centre(forms::Form& form) {
    const auto left = static_cast<std::int32_t>((forms::ScreenWidth() - form.Width()) / 2);
    const auto top = static_cast<std::int32_t>((forms::ScreenHeight() - form.Height()) / 2);
    form.Move(left, top, form.Width(), form.Height());
}

}  // namespace

frmAbout::frmAbout()
    : form_("frmAbout", *this),
      controls_(BuildAboutLayout(form_)),
      linkTimHandler_([this] { LinkTimTick(); }),
      timer1Handler_([this] { Timer1Tick(); }),
      linkTim_(&linkTimHandler_),
      timer1_(&timer1Handler_) {
    ApplyLanguage(form_);
    os::AttachSurface(form_.hWnd());
    DrawAboutBanner(*controls_.banner.Picture());
    timer1_.SetInterval(kBannerTipDelay);
}

frmAbout::~frmAbout() {
    linkTim_.SetEnabled(false);
    timer1_.SetEnabled(false);
    UnhookMessages();
}

void frmAbout::Show() {
    if (closed_) return;
    const bool shown = form_.Visible();
    form_.Show();
    if (shown) form_.BringToFront();
}

void frmAbout::Load() {
    windowFont_ = os::LOGFONT{};
    windowFont_.lfFaceName = controls_.fontSample.FontName();
    windowFont_.lfHeight = os::FontHeightForPoints(kWindowFontPoints);
    windowFont_.lfWeight = os::FW_BOLD;
    windowFont_.lfItalic = true;
    controls_.link.SetVisible(true);
    controls_.ok.SetVisible(true);
    Centre(form_);
    SetUpLogo();
    Repaint();
    timer1_.SetEnabled(true);
    HookMessages();
}

void frmAbout::SetUpLogo() {
    logo_.SetFont(CaptionFont());
    logo_.SetCaption(kLogoCaption);
    logo_.SetDrawingObject(form_.hWnd());
    os::RECT client;
    os::GetClientRect(form_.hWnd(), client);
    logo_.SetRect(0, 0, kStripWidth, client.bottom);
}

// What the window shows is kept on its surface: the strip and the lines are
// drawn there, and nothing is left waiting to be erased.
void frmAbout::Repaint() {
    os::ValidateRect(form_.hWnd(), nullptr);
    logo_.Draw();
    PaintAboutText(form_.hWnd(), windowFont_, logo_.Rect().right);
}

void frmAbout::Unload(bool& /*cancel*/) {
    linkTim_.SetEnabled(false);
    timer1_.SetEnabled(false);
    UnhookMessages();
    closed_ = true;
}

void frmAbout::Click(forms::Control& control) {
    if (&control == &controls_.ok) form_.Close();
    else if (&control == &controls_.link) OpenMail();
}

void frmAbout::MouseMove(forms::Control& control, std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/,
                         float /*y*/) {
    if (&control == &controls_.link) LinkHovered();
}

void frmAbout::Timer1Tick() {
    controls_.banner.SetToolTipText("");
    timer1_.SetEnabled(false);
}

}  // namespace app
