#pragma once

#include <array>
#include <charconv>
#include <cstdint>
#include <string>

// The inputs a fresh start offers, the same in the window (when the settings
// file lacks a key) and in kestrany-calc (when an option is left out).
namespace calc::factory {

// The change gears a new lathe comes with, slot by slot.
inline constexpr std::array<std::int32_t, 12> kGears = {20, 20, 30, 35, 40, 40, 45, 50, 60, 60, 80, 80};

// The leadscrew: metric, 1.5 mm per turn; an imperial one is offered as 16 threads per inch.
inline constexpr bool kImperialLeadscrew = false;
inline constexpr double kLeadscrewMm = 1.5;
inline constexpr double kLeadscrewTpi = 16;

// The fixed ratio ahead of the change gears.
inline constexpr std::int32_t kRatioLeft = 40;
inline constexpr std::int32_t kRatioRight = 40;

// The thread is asked for as a pitch in mm; the error accepted, in percent,
// depends on how it is asked for.
inline constexpr bool kRequestTpi = false;
inline constexpr double kToleranceMm = 0.1;
inline constexpr double kToleranceTpi = 0.2;
inline constexpr double Tolerance(bool requestTpi) { return requestTpi ? kToleranceTpi : kToleranceMm; }

// Trains that may be too small to reach, or whose gears foul a shaft, are left out.
inline constexpr bool kIncludeLow = false;
inline constexpr bool kIncludeIntersecting = false;

// The tooth counts a gear suggestion tries, besides 127 and the gears owned.
inline constexpr std::int32_t kSuggestLowest = 12;
inline constexpr std::int32_t kSuggestHighest = 150;

// A factory value as a box or a help text shows it: the shortest text that
// reads back as exactly the value, with "." as the decimal mark whatever the
// user's regional settings ("1.5", "16", "0.1").
inline std::string FactoryText(double value) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

}  // namespace calc::factory
