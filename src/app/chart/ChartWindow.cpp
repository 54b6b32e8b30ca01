#include "app/chart/ChartWindow.h"

#include "app/chart/frmChart.h"

namespace app {

ChartWindow::ChartWindow(ChartHost& main) : main_(main) {}

ChartWindow::~ChartWindow() = default;

void ChartWindow::Show() {
    if (window_ && window_->Closed()) window_.reset();
    if (!window_) window_ = std::make_unique<frmChart>(main_);
    window_->Show();
}

void ChartWindow::Refresh() {
    if (frmChart* chart = Current()) chart->RecalculateSoon();
}

void ChartWindow::Close() {
    if (frmChart* chart = Current()) chart->Window().Close();
}

frmChart* ChartWindow::Current() const { return window_ && !window_->Closed() ? window_.get() : nullptr; }

}  // namespace app
