#include "calc/SearchInputs.h"

namespace calc {

double LeadAdvance(const SearchInputs& inputs) {
    double p = inputs.leadscrew;
    if (inputs.imperialLeadscrew) p = inputs.leadscrew == 0 ? 0 : 25.4 / inputs.leadscrew;
    if (inputs.ratioLeft != 0 && inputs.ratioRight != 0)
        p = static_cast<double>(inputs.ratioLeft) * p / static_cast<double>(inputs.ratioRight);
    return p;
}

}  // namespace calc
