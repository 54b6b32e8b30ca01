#pragma once

#include <cstdint>
#include <string_view>

namespace calc {

// The fit marks of a four-gear train: which of the three mounting faults it
// has. Its text is the marks that fired, in a fixed order, each ending in a
// blank: "sec D ", "sec A ", "low ".
class FitMarks {
public:
    enum Fault : std::uint8_t { None = 0, BFoulsLeadscrew = 1, CFoulsShaftA = 2, TooLow = 4 };

    constexpr FitMarks() = default;
    constexpr explicit FitMarks(std::uint8_t faults) : faults_(faults & 7) {}

    constexpr bool Has(Fault fault) const { return (faults_ & fault) != 0; }
    constexpr void Add(Fault fault) { faults_ |= fault; }
    constexpr bool Empty() const { return faults_ == 0; }
    constexpr std::uint8_t Bits() const { return faults_; }

    std::string_view Text() const;

    // The marks whose text this is; Empty() for a text that is not one.
    static FitMarks FromText(std::string_view text);

    bool operator==(const FitMarks&) const = default;

private:
    std::uint8_t faults_ = 0;
};

}  // namespace calc
