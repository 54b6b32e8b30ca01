#include "calc/inputs/SearchInputs.h"

namespace calc {

double LeadAdvance(const SearchInputs& inputs) {
    // A leadscrew of 0 or less is no leadscrew: nothing can be cut with it.
    if (!(inputs.leadscrew > 0)) return 0;
    double p = inputs.imperialLeadscrew ? 25.4 / inputs.leadscrew : inputs.leadscrew;
    if (inputs.ratioLeft > 0 && inputs.ratioRight > 0)
        p = static_cast<double>(inputs.ratioLeft) * p / static_cast<double>(inputs.ratioRight);
    return p;
}

}  // namespace calc
