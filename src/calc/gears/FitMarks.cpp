#include "calc/gears/FitMarks.h"

namespace calc {

namespace {
constexpr std::string_view kTexts[8] = {
    "",                    // none
    "sec D ",              // B fouls the leadscrew
    "sec A ",              // C fouls the shaft of A
    "sec D sec A ",
    "low ",                // too small to reach
    "sec D low ",
    "sec A low ",
    "sec D sec A low ",
};
}  // namespace

std::string_view FitMarks::Text() const { return kTexts[faults_]; }

FitMarks FitMarks::FromText(std::string_view text) {
    for (std::uint8_t bits = 0; bits < 8; ++bits)
        if (kTexts[bits] == text) return FitMarks(bits);
    return FitMarks();
}

}  // namespace calc
