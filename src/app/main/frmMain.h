#pragma once

#include <cstdint>
#include <span>

#include "app/about/AboutWindow.h"
#include "app/chart/ChartHost.h"
#include "app/chart/ChartWindow.h"
#include "app/main/MainLayout.h"
#include "calc/gears/GearSet.h"
#include "forms/Form.h"
#include "forms/FormEvents.h"
#include <memory>

#include "app/results/ResultsGridEvents.h"
#include "app/results/ResultsOutput.h"
#include "app/results/ResultsTable.h"
#include "app/preview/frmPrint.h"
#include "grid/control/GridControl.h"
#include "grid/core/VbGrid.h"
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
class frmMain : public forms::FormEvents, public platform::ISubclass, public ChartHost {
public:
    frmMain();
    ~frmMain() override;
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    void Show() { form_.Show(); }
    forms::Form& Window() { return form_; }
    const forms::Form& Window() const { return form_; }
    const MainControls& Controls() const { return controls_; }
    const InputControls& Inputs() const override { return controls_.inputs; }
    grid::VbGrid& Grid() { return gridControl_->Grid(); }
    const grid::VbGrid& Grid() const { return gridControl_->Grid(); }
    grid::GridControl& GridView() { return *gridControl_; }
    const calc::GearSet& Gears() const override { return gears_; }
    calc::GearSet& Gears() { return gears_; }
    // The mouse button of the latest press on btnPrint: 0 none yet, 1 left, 2 right, 4 middle.
    std::int32_t LastPrintButton() const { return output_.LastPressed(); }
    // The About window that the system menu opens.
    AboutWindow& About() { return about_; }
    // The thread chart window that the system menu opens.
    ChartWindow& Chart() { return chart_; }

    std::span<forms::Control* const> GearBoxes() const override { return controls_.gearBoxes; }
    // The calculation from the window's inputs into the grid.
    void FindGearTrains();
    // What Calculate! does: the calculation, then Print! is enabled.
    void Calculate() override;
    // The ways out of the results (see ResultsOutput).
    void ExportCsv() { output_.ExportCsv(); }
    void ShowPreview() { output_.ShowPreview(); }
    void PrintTable() { output_.PrintTable(); }
    frmPrint* Preview() { return output_.Preview(); }

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
    void AppendAboutItem();
    void HookMessages();
    void UnhookMessages();

    // First: the controls raise Change while the window builds them, and
    // the chart hears of every change.
    ChartWindow chart_{*this};
    // The controls raise events while the layout builds them, before they are named.
    bool named_ = false;
    forms::Form form_;
    MainControls controls_;
    calc::GearSet gears_;
    // The latest calculation's results; the grid shows them, so they outlive it.
    std::unique_ptr<ResultsTable> results_;
    std::unique_ptr<grid::GridControl> gridControl_;  // draws on the vbGrid1 control
    grid::VbGrid& grid_;
    ResultsGridEvents gridEvents_;
    ResultsOutput output_{form_, grid_};
    platform::cSubclass hooks_;
    bool hooked_ = false;
    bool gearEditGuard_ = false;
    AboutWindow about_;
};

}  // namespace app
