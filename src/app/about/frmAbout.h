#pragma once

#include "app/files/TimerHandler.h"
#include "app/about/AboutLayout.h"
#include "app/about/cLogo.h"
#include "forms/Form.h"
#include "forms/FormEvents.h"
#include "os/types/GdiTypes.h"
#include "platform/ISubclass.h"
#include "platform/cSubclass.h"
#include "platform/objTimer.h"

namespace app {

// The program's contact address, shown as a link in the About window.
inline constexpr const char* kContactAddress = "kestrany@example.org";
// The banner's tooltip, shown only in the first moments after opening.
inline constexpr const char* kAboutBannerTip = "Kestrany: change gears for cutting threads";

// The About window: the logo strip, the banner, the painted name and version
// lines, the contact address as a link and OK; creating it applies the
// language file (the title, OK). Not modal. Closing it
// detaches its messages; the object is then spent.
class frmAbout : public forms::FormEvents, public platform::ISubclass {
public:
    frmAbout();
    ~frmAbout() override;
    frmAbout(const frmAbout&) = delete;
    frmAbout& operator=(const frmAbout&) = delete;

    // Shows the window (loading it the first time) and brings it to the front.
    void Show();
    // True once the window has been closed.
    bool Closed() const { return closed_; }

    forms::Form& Window() { return form_; }
    const forms::Form& Window() const { return form_; }
    const AboutControls& Controls() const { return controls_; }
    cLogo& Logo() { return logo_; }
    platform::objTimer& LinkTim() { return linkTim_; }
    platform::objTimer& Timer1() { return timer1_; }
    // The font the window's name line is painted in (set at load).
    const os::LOGFONT& WindowFont() const { return windowFont_; }

    // Window events.
    void Load() override;
    void Unload(bool& cancel) override;
    void Click(forms::Control& control) override;
    void MouseMove(forms::Control& control, std::int16_t button, std::int16_t shift, float x, float y) override;

    // The window's own messages: hit test and activation.
    std::int32_t MsgResponse() const override { return platform::response::Consume; }
    void WindowProc(os::HWND window, os::UINT message, os::WPARAM wParam, os::LPARAM lParam,
                    os::LRESULT& result) override;

private:
    void SetUpLogo();
    void Repaint();
    void OnActivation(bool active);
    bool InStrip(os::POINT screenPoint) const;
    void LinkHovered();
    void LinkTimTick();
    void OpenMail();
    void Timer1Tick();
    void HookMessages();
    void UnhookMessages();

    forms::Form form_;
    AboutControls controls_;
    cLogo logo_;
    os::LOGFONT windowFont_;
    TimerHandler linkTimHandler_;
    TimerHandler timer1Handler_;
    platform::objTimer linkTim_;
    platform::objTimer timer1_;
    platform::cSubclass hooks_;
    bool hooked_ = false;
    bool closed_ = false;
};

}  // namespace app
