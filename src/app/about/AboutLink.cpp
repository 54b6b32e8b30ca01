// The contact address of the About window as a link: blue and underlined
// while the mouse is over it, the mail program on a click.
#include "app/about/frmAbout.h"
#include "forms/Screen.h"
#include "os/commoncontrols/CommonControls.h"
#include "os/drawing/Colors.h"
#include "os/types/GdiTypes.h"
#include "os/desktop/Shell.h"
#include "os/windows/Window.h"

namespace app {

namespace {

constexpr std::int32_t kLinkWatch = 30;  // ms
constexpr os::OLE_COLOR kLinkBlue = os::RGB(0, 0, 255);
constexpr os::OLE_COLOR kButtonText = os::SystemColorBase + os::COLOR_BTNTEXT;
constexpr const char* kMailSubject = "kestrany";

}  // namespace

void frmAbout::LinkHovered() {
    forms::Control& link = controls_.link;
    if (link.FontUnderline()) return;
    link.SetFontUnderline(true);
    link.SetForeColor(kLinkBlue);
    linkTim_.SetInterval(kLinkWatch);
    linkTim_.SetEnabled(true);
}

// Once the pointer is no longer strictly inside the label, the link looks
// like text again and the watch ends.
void frmAbout::LinkTimTick() {
    forms::Control& link = controls_.link;
    os::POINT cursor;
    os::GetCursorPos(cursor);
    os::ScreenToClient(form_.hWnd(), cursor);
    const double x = cursor.x * forms::TwipsPerPixelX();
    const double y = cursor.y * forms::TwipsPerPixelY();
    const bool inside =
        link.Left() < x && x < link.Left() + link.Width() && link.Top() < y && y < link.Top() + link.Height();
    if (inside) return;
    linkTim_.SetEnabled(false);
    link.SetForeColor(kButtonText);
    link.SetFontUnderline(false);
}

// A desktop without a mail program is passed over.
void frmAbout::OpenMail() {
    const std::string address = "mailto:" + controls_.link.Caption() + "?subject=" + kMailSubject;
    os::ShellExecute(form_.hWnd(), "open", address, "", "", os::SW_HIDE);
}

}  // namespace app
