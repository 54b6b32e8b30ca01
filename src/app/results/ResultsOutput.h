#pragma once

#include <cstdint>
#include <memory>

#include "app/preview/frmPrint.h"

namespace forms {
class Form;
}
namespace grid {
class VbGrid;
}

namespace app {

// The Print! button of a window that shows results, and the three ways out
// it leads to, each from the table the window's grid shows: the mouse
// button pressed on it chooses, the left one the preview, the right one the
// results file, any other way (the keyboard, the middle button) the
// printer. A pressed button is used by one click only, so that a key press
// after a click prints. Each way shows the wait cursor while it works.
class ResultsOutput {
public:
    ResultsOutput(const forms::Form& owner, const grid::VbGrid& grid) : owner_(owner), grid_(grid) {}

    // A mouse button went down on the button: 1 left, 2 right, 4 middle.
    void Pressed(std::int32_t button) { lastPressed_ = pending_ = button; }
    // The button was clicked (by the mouse or the keyboard).
    void Clicked();
    // The mouse button of the latest press: 0 none yet.
    std::int32_t LastPressed() const { return lastPressed_; }

    // Shows the preview window, created anew when there is none or the user
    // closed it, and draws the table on it afresh.
    void ShowPreview();
    // The grid shows other results now: an open preview draws them afresh
    // (it draws its rows from the grid's table, laid out for the earlier ones).
    void ResultsReplaced();
    // Saves the table as a CSV file under a name the user chooses.
    void ExportCsv();
    // Prints the table on the default printer.
    void PrintTable();
    // The preview window, nullptr before the first preview.
    frmPrint* Preview() { return preview_.get(); }

private:
    void DrawPreview();

    const forms::Form& owner_;
    const grid::VbGrid& grid_;
    std::unique_ptr<frmPrint> preview_;
    std::int32_t lastPressed_ = 0;
    std::int32_t pending_ = 0;  // the press the next click uses
};

}  // namespace app
