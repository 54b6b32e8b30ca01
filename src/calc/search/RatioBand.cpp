#include "calc/search/RatioBand.h"

#include <cmath>
#include <limits>

namespace calc {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A relative margin: the measures of a train differ from its ratio times the
// advance by a few units in the last place (about 1e-16), and the noise rule
// turns errors below 1e-9 percent (1e-11 relative) into 0; both lie far
// inside it.
constexpr double kMargin = 1e-9;

bool PositiveFinite(double v) { return v > 0 && std::isfinite(v); }

}  // namespace

RatioBand RatioBand::For(const SearchInputs& inputs) {
    const double advance = LeadAdvance(inputs);
    const double request = inputs.request;
    const double tolerance = inputs.tolerance;
    // Nothing is within a tolerance of 0 or less, nothing is near a request
    // of 0 (every error is infinite), and a train of pitch 0 is never listed.
    if (!(tolerance > 0) || !(request != 0) || advance == 0) return {1, 0};
    if (!PositiveFinite(advance) || !PositiveFinite(request) || !std::isfinite(tolerance))
        return {-kInfinity, kInfinity};

    // The thread measured (a pitch, or threads per inch) lies within
    // request·(1 ± t); a pitch is the ratio times the advance, and threads
    // per inch are 25.4 over the pitch.
    const double t = tolerance / 100;
    const double below = request * (1 - t), above = request * (1 + t);
    double low, high;
    if (inputs.requestTpi) {
        low = 25.4 / above / advance;
        high = below > 0 ? 25.4 / below / advance : kInfinity;
    } else {
        low = below > 0 ? below / advance : 0;
        high = above / advance;
    }
    return {low * (1 - kMargin), high * (1 + kMargin)};
}

}  // namespace calc
