#pragma once

#include <cstdint>
#include <string>

namespace calc {
class GearSet;
}
namespace forms {
class Control;
class Form;
}

namespace app {

// What the thread chart and the gear suggestion use of the window they
// belong to: its inputs (the include options, leadscrew, ratio, tolerances
// and thread), its gears and gear boxes, and its calculation. The main
// window implements it; the chart knows it only through this.
class ChartHost {
public:
    virtual const forms::Form& Window() const = 0;
    // The control of that name (and index); error 730 when there is none.
    virtual forms::Control& Item(const std::string& name, std::int32_t index = -1) const = 0;
    virtual const calc::GearSet& Gears() const = 0;
    // How many gear boxes (t_gears) the window has.
    virtual std::int32_t GearBoxCount() const = 0;
    // The calculation from the window's inputs into its results.
    virtual void FindGearTrains() = 0;

protected:
    ~ChartHost() = default;
};

}  // namespace app
