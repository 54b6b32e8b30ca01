#include "calc/inputs/ThreadFamilies.h"

#include <array>
#include <numbers>

namespace calc {

namespace {

constexpr ThreadKind kMm = ThreadKind::Mm;
constexpr ThreadKind kTpi = ThreadKind::Tpi;
constexpr double kPi = std::numbers::pi;

// ISO 261 coarse pitches, first and second choice sizes.
constexpr ThreadEntry kMetricCoarse[] = {
    {"M1 × 0.25", kMm, 0.25},  {"M1.1 × 0.25", kMm, 0.25}, {"M1.2 × 0.25", kMm, 0.25}, {"M1.4 × 0.3", kMm, 0.3},
    {"M1.6 × 0.35", kMm, 0.35}, {"M1.8 × 0.35", kMm, 0.35}, {"M2 × 0.4", kMm, 0.4},     {"M2.2 × 0.45", kMm, 0.45},
    {"M2.5 × 0.45", kMm, 0.45}, {"M3 × 0.5", kMm, 0.5},     {"M3.5 × 0.6", kMm, 0.6},   {"M4 × 0.7", kMm, 0.7},
    {"M4.5 × 0.75", kMm, 0.75}, {"M5 × 0.8", kMm, 0.8},     {"M6 × 1", kMm, 1.0},       {"M7 × 1", kMm, 1.0},
    {"M8 × 1.25", kMm, 1.25},   {"M10 × 1.5", kMm, 1.5},    {"M12 × 1.75", kMm, 1.75},  {"M14 × 2", kMm, 2.0},
    {"M16 × 2", kMm, 2.0},      {"M18 × 2.5", kMm, 2.5},    {"M20 × 2.5", kMm, 2.5},    {"M22 × 2.5", kMm, 2.5},
    {"M24 × 3", kMm, 3.0},      {"M27 × 3", kMm, 3.0},      {"M30 × 3.5", kMm, 3.5},    {"M33 × 3.5", kMm, 3.5},
    {"M36 × 4", kMm, 4.0},      {"M39 × 4", kMm, 4.0},      {"M42 × 4.5", kMm, 4.5},    {"M45 × 4.5", kMm, 4.5},
    {"M48 × 5", kMm, 5.0},      {"M52 × 5", kMm, 5.0},      {"M56 × 5.5", kMm, 5.5},    {"M60 × 5.5", kMm, 5.5},
    {"M64 × 6", kMm, 6.0},
};

// The fine pitches of ISO 261 up to 3 mm.
constexpr ThreadEntry kMetricFine[] = {
    {"Fine 0.2 mm", kMm, 0.2},   {"Fine 0.25 mm", kMm, 0.25}, {"Fine 0.35 mm", kMm, 0.35}, {"Fine 0.5 mm", kMm, 0.5},
    {"Fine 0.75 mm", kMm, 0.75}, {"Fine 1 mm", kMm, 1.0},     {"Fine 1.25 mm", kMm, 1.25}, {"Fine 1.5 mm", kMm, 1.5},
    {"Fine 2 mm", kMm, 2.0},     {"Fine 3 mm", kMm, 3.0},
};

// Unified coarse, numbered sizes #1 to #12, then 1/4" to 2".
constexpr ThreadEntry kUnc[] = {
    {"#1-64 UNC", kTpi, 64},        {"#2-56 UNC", kTpi, 56},        {"#3-48 UNC", kTpi, 48},
    {"#4-40 UNC", kTpi, 40},        {"#5-40 UNC", kTpi, 40},        {"#6-32 UNC", kTpi, 32},
    {"#8-32 UNC", kTpi, 32},        {"#10-24 UNC", kTpi, 24},       {"#12-24 UNC", kTpi, 24},
    {"1/4-20 UNC", kTpi, 20},       {"5/16-18 UNC", kTpi, 18},      {"3/8-16 UNC", kTpi, 16},
    {"7/16-14 UNC", kTpi, 14},      {"1/2-13 UNC", kTpi, 13},       {"9/16-12 UNC", kTpi, 12},
    {"5/8-11 UNC", kTpi, 11},       {"3/4-10 UNC", kTpi, 10},       {"7/8-9 UNC", kTpi, 9},
    {"1-8 UNC", kTpi, 8},           {"1 1/8-7 UNC", kTpi, 7},       {"1 1/4-7 UNC", kTpi, 7},
    {"1 3/8-6 UNC", kTpi, 6},       {"1 1/2-6 UNC", kTpi, 6},       {"1 3/4-5 UNC", kTpi, 5},
    {"2-4 1/2 UNC", kTpi, 4.5},
};

// Unified fine, #0 to #12, then 1/4" to 1 1/2".
constexpr ThreadEntry kUnf[] = {
    {"#0-80 UNF", kTpi, 80},     {"#1-72 UNF", kTpi, 72},     {"#2-64 UNF", kTpi, 64},
    {"#3-56 UNF", kTpi, 56},     {"#4-48 UNF", kTpi, 48},     {"#5-44 UNF", kTpi, 44},
    {"#6-40 UNF", kTpi, 40},     {"#8-36 UNF", kTpi, 36},     {"#10-32 UNF", kTpi, 32},
    {"#12-28 UNF", kTpi, 28},    {"1/4-28 UNF", kTpi, 28},    {"5/16-24 UNF", kTpi, 24},
    {"3/8-24 UNF", kTpi, 24},    {"7/16-20 UNF", kTpi, 20},   {"1/2-20 UNF", kTpi, 20},
    {"9/16-18 UNF", kTpi, 18},   {"5/8-18 UNF", kTpi, 18},    {"3/4-16 UNF", kTpi, 16},
    {"7/8-14 UNF", kTpi, 14},    {"1-12 UNF", kTpi, 12},      {"1 1/8-12 UNF", kTpi, 12},
    {"1 1/4-12 UNF", kTpi, 12},  {"1 3/8-12 UNF", kTpi, 12},  {"1 1/2-12 UNF", kTpi, 12},
};

// British Standard Whitworth, 1/8" to 2".
constexpr ThreadEntry kBsw[] = {
    {"1/8\" BSW", kTpi, 40},      {"5/32\" BSW", kTpi, 32},     {"3/16\" BSW", kTpi, 24},
    {"7/32\" BSW", kTpi, 24},     {"1/4\" BSW", kTpi, 20},      {"5/16\" BSW", kTpi, 18},
    {"3/8\" BSW", kTpi, 16},      {"7/16\" BSW", kTpi, 14},     {"1/2\" BSW", kTpi, 12},
    {"9/16\" BSW", kTpi, 12},     {"5/8\" BSW", kTpi, 11},      {"11/16\" BSW", kTpi, 11},
    {"3/4\" BSW", kTpi, 10},      {"7/8\" BSW", kTpi, 9},       {"1\" BSW", kTpi, 8},
    {"1 1/8\" BSW", kTpi, 7},     {"1 1/4\" BSW", kTpi, 7},     {"1 3/8\" BSW", kTpi, 6},
    {"1 1/2\" BSW", kTpi, 6},     {"1 5/8\" BSW", kTpi, 5},     {"1 3/4\" BSW", kTpi, 5},
    {"1 7/8\" BSW", kTpi, 4.5},   {"2\" BSW", kTpi, 4.5},
};

// British Standard Fine, 3/16" to 2".
constexpr ThreadEntry kBsf[] = {
    {"3/16\" BSF", kTpi, 32},     {"7/32\" BSF", kTpi, 28},     {"1/4\" BSF", kTpi, 26},
    {"9/32\" BSF", kTpi, 26},     {"5/16\" BSF", kTpi, 22},     {"3/8\" BSF", kTpi, 20},
    {"7/16\" BSF", kTpi, 18},     {"1/2\" BSF", kTpi, 16},      {"9/16\" BSF", kTpi, 16},
    {"5/8\" BSF", kTpi, 14},      {"11/16\" BSF", kTpi, 14},    {"3/4\" BSF", kTpi, 12},
    {"7/8\" BSF", kTpi, 11},      {"1\" BSF", kTpi, 10},        {"1 1/8\" BSF", kTpi, 9},
    {"1 1/4\" BSF", kTpi, 9},     {"1 3/8\" BSF", kTpi, 8},     {"1 1/2\" BSF", kTpi, 8},
    {"1 5/8\" BSF", kTpi, 8},     {"1 3/4\" BSF", kTpi, 7},     {"2\" BSF", kTpi, 7},
};

// British Standard Pipe (ISO 228 and ISO 7), 1/8" to 4".
constexpr ThreadEntry kBsp[] = {
    {"1/8\" BSP", kTpi, 28},     {"1/4\" BSP", kTpi, 19},     {"3/8\" BSP", kTpi, 19},
    {"1/2\" BSP", kTpi, 14},     {"5/8\" BSP", kTpi, 14},     {"3/4\" BSP", kTpi, 14},
    {"7/8\" BSP", kTpi, 14},     {"1\" BSP", kTpi, 11},       {"1 1/4\" BSP", kTpi, 11},
    {"1 1/2\" BSP", kTpi, 11},   {"1 3/4\" BSP", kTpi, 11},   {"2\" BSP", kTpi, 11},
    {"2 1/2\" BSP", kTpi, 11},   {"3\" BSP", kTpi, 11},       {"3 1/2\" BSP", kTpi, 11},
    {"4\" BSP", kTpi, 11},
};

// British Association, 0 BA to 16 BA: pitch 0.9 to the power of the
// number, in mm, rounded to two decimals as the standard gives it.
constexpr ThreadEntry kBa[] = {
    {"0 BA", kMm, 1.0},   {"1 BA", kMm, 0.9},   {"2 BA", kMm, 0.81},  {"3 BA", kMm, 0.73},
    {"4 BA", kMm, 0.66},  {"5 BA", kMm, 0.59},  {"6 BA", kMm, 0.53},  {"7 BA", kMm, 0.48},
    {"8 BA", kMm, 0.43},  {"9 BA", kMm, 0.39},  {"10 BA", kMm, 0.35}, {"11 BA", kMm, 0.31},
    {"12 BA", kMm, 0.28}, {"13 BA", kMm, 0.25}, {"14 BA", kMm, 0.23}, {"15 BA", kMm, 0.21},
    {"16 BA", kMm, 0.19},
};

// Model Engineer: the two constant-pitch series.
constexpr ThreadEntry kMe[] = {
    {"ME 32 TPI", kTpi, 32},
    {"ME 40 TPI", kTpi, 40},
};

// Metric worms: axial pitch π × module, modules of the first series.
constexpr ThreadEntry kModule[] = {
    {"Module 0.5", kMm, kPi * 0.5},  {"Module 0.6", kMm, kPi * 0.6}, {"Module 0.8", kMm, kPi * 0.8},
    {"Module 1", kMm, kPi * 1.0},    {"Module 1.25", kMm, kPi * 1.25}, {"Module 1.5", kMm, kPi * 1.5},
    {"Module 2", kMm, kPi * 2.0},    {"Module 2.5", kMm, kPi * 2.5}, {"Module 3", kMm, kPi * 3.0},
    {"Module 4", kMm, kPi * 4.0},
};

// Diametral pitch worms: axial pitch π / DP inches, so DP / π threads per inch.
constexpr ThreadEntry kDp[] = {
    {"DP 8", kTpi, 8 / kPi},   {"DP 10", kTpi, 10 / kPi}, {"DP 12", kTpi, 12 / kPi}, {"DP 14", kTpi, 14 / kPi},
    {"DP 16", kTpi, 16 / kPi}, {"DP 18", kTpi, 18 / kPi}, {"DP 20", kTpi, 20 / kPi}, {"DP 24", kTpi, 24 / kPi},
    {"DP 32", kTpi, 32 / kPi}, {"DP 40", kTpi, 40 / kPi}, {"DP 48", kTpi, 48 / kPi},
};

constexpr std::array kFamilies = {
    ThreadFamily{"metric-coarse", "Metric coarse", kMetricCoarse},
    ThreadFamily{"metric-fine", "Metric fine", kMetricFine},
    ThreadFamily{"unc", "UNC", kUnc},
    ThreadFamily{"unf", "UNF", kUnf},
    ThreadFamily{"bsw", "BSW", kBsw},
    ThreadFamily{"bsf", "BSF", kBsf},
    ThreadFamily{"bsp", "BSP", kBsp},
    ThreadFamily{"ba", "BA", kBa},
    ThreadFamily{"me", "ME", kMe},
    ThreadFamily{"module", "Module worms", kModule},
    ThreadFamily{"dp", "DP worms", kDp},
};

}  // namespace

std::span<const ThreadFamily> ThreadFamilies() { return kFamilies; }

const ThreadFamily* FindThreadFamily(std::string_view key) {
    for (const ThreadFamily& family : kFamilies)
        if (family.key == key) return &family;
    return nullptr;
}

}  // namespace calc
