#include "app/about/AboutLayout.h"

#include "app/about/frmAbout.h"
#include "forms/Form.h"

namespace app {

namespace {

constexpr int kClientWidth = 4215;
constexpr int kClientHeight = 2850;

}  // namespace

AboutControls BuildAboutLayout(forms::Form& form) {
    form.SetCaption("Startup");
    form.SetBorderStyle(forms::BorderFixedDialog);
    form.SetClientSize(kClientWidth, kClientHeight);

    forms::Control& image = form.AddControl(forms::ControlKind::Picture, "Image1", {150, 60, 3945, 975});
    image.SetToolTipText(kAboutBannerTip);

    forms::Control& link = form.AddControl(forms::ControlKind::Label, "Label1", {1260, 1680, 1515, 225});
    link.SetCaption(kContactAddress);
    link.SetAutoSize(true);  // the whole address shows, whatever the font
    link.SetVisible(false);

    forms::Control& font = form.AddControl(forms::ControlKind::Label, "lblFont", {2880, 0, 1215, 255});
    font.SetCaption("lblFont");
    font.SetFontName("Liberation Serif");
    font.SetVisible(false);

    forms::Control& ok = form.AddControl(forms::ControlKind::CommandButton, "cmdOk", {1560, 2400, 1095, 375});
    ok.SetCaption("OK");
    ok.SetDefault(true);
    ok.SetCancel(true);
    ok.SetVisible(false);
    return {image, link, font, ok};
}

}  // namespace app
