#pragma once

#include <span>

#include "app/results/InputControls.h"

namespace calc {
class GearSet;
}
namespace forms {
class Control;
}

namespace app {

// What the thread chart and the gear suggestion use of the window they
// belong to: its inputs (the include options, leadscrew, ratio, tolerances
// and thread), its gears and gear boxes, and its calculation. The main
// window implements it; the chart knows it only through this.
class ChartHost {
public:
    // The input controls; the chart also puts a thread into them to calculate it.
    virtual const InputControls& Inputs() const = 0;
    virtual const calc::GearSet& Gears() const = 0;
    // The gear boxes, one per slot of the gears.
    virtual std::span<forms::Control* const> GearBoxes() const = 0;
    // The calculation from the window's inputs into its results, as its
    // calculate command runs it.
    virtual void Calculate() = 0;

protected:
    ~ChartHost() = default;
};

}  // namespace app
