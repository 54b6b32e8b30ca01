#pragma once

#include <cstdint>
#include <string>

#include "app/AboutWindow.h"
#include "app/ChartWindow.h"
#include "calc/GearSet.h"
#include "forms/Form.h"
#include "forms/FormEvents.h"
#include <memory>

#include "app/ResultsGridEvents.h"
#include "app/frmPrint.h"
#include "grid/GridControl.h"
#include "grid/VbGrid.h"
#include "platform/ISubclass.h"
#include "platform/cSubclass.h"

namespace app {

// The system-menu command that opens the About window.
inline constexpr os::UINT_PTR kAboutMenuId = 1000;
// The system-menu command that opens the thread chart.
inline constexpr os::UINT_PTR kChartMenuId = 1001;

// The main window: the gear list, the inputs, the results grid and the
// commands. Creating it builds the factory gear list and applies the
// language file; showing it runs the load sequence.
class frmMain : public forms::FormEvents, public platform::ISubclass {
public:
    frmMain();
    ~frmMain() override;
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    void Show() { form_.Show(); }
    forms::Form& Window() { return form_; }
    const forms::Form& Window() const { return form_; }
    // The control of that name (and index); error 730 when there is none.
    forms::Control& Item(const std::string& name, std::int32_t index = -1) const;
    grid::VbGrid& Grid() { return gridControl_->Grid(); }
    const grid::VbGrid& Grid() const { return gridControl_->Grid(); }
    grid::GridControl& GridView() { return *gridControl_; }
    const calc::GearSet& Gears() const { return gears_; }
    calc::GearSet& Gears() { return gears_; }
    // The mouse button of the latest press on btnPrint: 0 none yet, 1 left, 2 right, 4 middle.
    std::int32_t LastPrintButton() const { return lastPrintButton_; }
    // The About window that the system menu opens.
    AboutWindow& About() { return about_; }
    // The thread chart window that the system menu opens.
    ChartWindow& Chart() { return chart_; }

    // The calculation from the window's inputs into the grid.
    void FindGearTrains();
    // Saves the grid as a CSV file under a name the user chooses.
    void ExportCsv();
    // Shows the preview window, created anew when there is none or the user
    // closed it, and draws the table on it afresh.
    void ShowPreview();
    // Prints the table on the default printer.
    void PrintTable();
    // The preview window, nullptr before the first preview.
    frmPrint* Preview() { return preview_.get(); }

    // Window events.
    void Load() override;
    void Resize() override;
    void Unload(bool& cancel) override;
    void Change(forms::Control& control) override;
    void Click(forms::Control& control) override;
    void MouseDown(forms::Control& control, std::int16_t button, std::int16_t shift, float x, float y) override;

    // The window's own messages: size query, system command, menu opening.
    std::int32_t MsgResponse() const override { return platform::response::Consume; }
    void WindowProc(os::HWND window, os::UINT message, os::WPARAM wParam, os::LPARAM lParam,
                    os::LRESULT& result) override;

private:
    void GearBoxChanged(forms::Control& box);
    void ShowFocusTrain();
    void RequiredPitchChanged();
    void CalculateClicked();
    void PrintClicked();
    void AppendAboutItem();
    void HookMessages();
    void UnhookMessages();

    // First: the controls raise Change while the window builds them, and
    // the chart hears of every change.
    ChartWindow chart_{*this};
    forms::Form form_;
    calc::GearSet gears_;
    std::unique_ptr<grid::GridControl> gridControl_;  // draws on the vbGrid1 control
    grid::VbGrid& grid_;
    ResultsGridEvents gridEvents_;
    platform::cSubclass hooks_;
    bool hooked_ = false;
    std::unique_ptr<frmPrint> preview_;
    std::int32_t lastPrintButton_ = 0;
    bool gearEditGuard_ = false;
    AboutWindow about_;
};

}  // namespace app
