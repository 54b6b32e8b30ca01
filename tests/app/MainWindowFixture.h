#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "TempFolder.h"
#include "app/files/Paths.h"
#include "app/main/frmMain.h"
#include "os/printing/PrinterPage.h"
#include "os/desktop/EventLoop.h"

// A main window whose settings and language files live in a fresh folder.
// Nothing reaches a real printer: the tests see a system without one unless
// they put a stand-in in place.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        app::SetIniPath(folder.File("kestrany.ini"));
        app::SetLangPath(folder.File("lang.txt"));
        os::SetPrinterStandIn({os::PrinterStandIn::Kind::NoPrinter, {}});
    }
    ~MainWindowTest() override {
        window.reset();
        app::SetIniPath("");
        app::SetLangPath("");
        os::SetPrinterStandIn({});
    }

    // Creates the window and runs its load sequence, shown or not.
    app::frmMain& Open(bool show = true) {
        window = std::make_unique<app::frmMain>();
        if (show) window->Show();
        else window->Window().Load();
        os::ProcessPendingEvents();
        return *window;
    }
    // Closes the window as the user does (the settings are written) and drops it.
    void CloseWindow() {
        window->Window().Close();
        window.reset();
    }
    const app::MainControls& Controls() const { return window->Controls(); }
    const app::InputControls& Inputs() const { return window->Inputs(); }
    forms::Control& GearBox(int n) const { return *window->Controls().gearBoxes[static_cast<std::size_t>(n)]; }
    std::string Ini() const { return TempFolder::Read(folder.File("kestrany.ini")); }
    void WriteIni(const std::string& text) const { TempFolder::Write(folder.File("kestrany.ini"), text); }
    void WriteLang(const std::string& text) const { TempFolder::Write(folder.File("lang.txt"), text); }
    std::vector<std::int32_t> GearList() const { return window->Gears().Counts(); }

    TempFolder folder;
    std::unique_ptr<app::frmMain> window;
};
