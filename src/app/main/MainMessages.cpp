// The main window's own messages: its minimum size, and the Thread chart and
// About items of its system menu, which open those windows.
#include "app/files/LanguageFile.h"
#include "app/files/LanguageTexts.h"
#include "app/main/MainLayout.h"
#include "app/main/frmMain.h"
#include "forms/Screen.h"
#include "os/windows/Menu.h"
#include "os/windows/Messages.h"
#include "platform/MSubclass.h"
#include "runtime/HandlerBoundary.h"
#include "runtime/Rounding.h"

namespace app {

namespace {

// Pixels of a twips length, through whole twips per pixel.
std::int32_t MinimumPixels(double twips, double twipsPerPixel) {
    return static_cast<std::int32_t>(runtime::RoundHalfEven(twips / runtime::RoundHalfEven(twipsPerPixel)));
}

bool IsSystemMenuOpening(os::LPARAM lParam) { return os::HIWORD(static_cast<std::uintptr_t>(lParam)) != 0; }

// A system menu item's text, its first letter the access key.
std::string MenuItemText(const LanguageText& text) {
    std::string item = "&";
    item += ReadLangText(text);
    return item;
}

}  // namespace

void frmMain::WindowProc(os::HWND window, os::UINT message, os::WPARAM wParam, os::LPARAM lParam,
                         os::LRESULT& result) {
    switch (message) {
    case os::WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<os::MINMAXINFO*>(lParam);
        info->ptMinTrackSize = {MinimumPixels(kMinTrackWidth, forms::TwipsPerPixelX()),
                                MinimumPixels(kMinTrackHeight, forms::TwipsPerPixelY())};
        result = 0;
        return;
    }
    case os::WM_SYSCOMMAND:
        if (wParam == kAboutMenuId) {
            about_.Show();
            result = 0;
            return;
        }
        if (wParam == kChartMenuId) {
            chart_.Show();
            result = 0;
            return;
        }
        break;
    case os::WM_INITMENUPOPUP:
        if (IsSystemMenuOpening(lParam))
            for (os::UINT_PTR item : {kChartMenuId, kAboutMenuId})
                os::EnableMenuItem(static_cast<os::HMENU>(wParam), item, os::MF_BYCOMMAND | os::MF_ENABLED);
        break;
    default: break;
    }
    result = platform::MSubclass::PassOn(window, message, wParam, lParam);
}

void frmMain::AppendAboutItem() {
    const os::HMENU menu = os::GetSystemMenu(form_.hWnd(), false);
    os::AppendMenu(menu, os::MF_SEPARATOR, 0, "");
    os::AppendMenu(menu, os::MF_STRING, kChartMenuId, MenuItemText(kChartMenuText));
    os::AppendMenu(menu, os::MF_STRING, kAboutMenuId, MenuItemText(kAboutMenuText));
}

void frmMain::HookMessages() {
    for (os::UINT message : {os::WM_GETMINMAXINFO, os::WM_SYSCOMMAND, os::WM_INITMENUPOPUP})
        hooks_.Attach(this, form_.hWnd(), message);
    hooked_ = true;
}

void frmMain::UnhookMessages() {
    if (!hooked_) return;
    hooked_ = false;
    for (os::UINT message : {os::WM_GETMINMAXINFO, os::WM_SYSCOMMAND, os::WM_INITMENUPOPUP})
        runtime::RunHandler([&] { hooks_.Detach(this, form_.hWnd(), message); });
}

}  // namespace app
