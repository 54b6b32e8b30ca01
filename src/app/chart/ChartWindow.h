#pragma once

#include <memory>

namespace app {

class ChartHost;
class frmChart;

// The one thread chart window of the main window: choosing it again while
// it is open shows the same window; once closed, the next choice makes a
// new one.
class ChartWindow {
public:
    explicit ChartWindow(ChartHost& main);
    ~ChartWindow();
    ChartWindow(const ChartWindow&) = delete;
    ChartWindow& operator=(const ChartWindow&) = delete;

    void Show();
    // Works an open chart out afresh once the main window's inputs, which
    // changed, have rested for a moment.
    void Refresh();
    // Closes an open chart.
    void Close();
    // The open chart window, nullptr when there is none.
    frmChart* Current() const;

private:
    ChartHost& main_;
    std::unique_ptr<frmChart> window_;
};

}  // namespace app
