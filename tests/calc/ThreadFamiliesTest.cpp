#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "calc/inputs/ThreadFamilies.h"

using calc::ThreadKind;

namespace {

const calc::ThreadEntry* FindThread(std::string_view name) {
    for (const calc::ThreadFamily& family : calc::ThreadFamilies())
        for (const calc::ThreadEntry& thread : family.threads)
            if (thread.name == name) return &thread;
    return nullptr;
}

}  // namespace

TEST(ThreadFamilies, StandardValues) {
    struct Case {
        const char* name;
        ThreadKind kind;
        double value;
    } cases[] = {
        {"M1 × 0.25", ThreadKind::Mm, 0.25},  {"M6 × 1", ThreadKind::Mm, 1.0},       {"M8 × 1.25", ThreadKind::Mm, 1.25},
        {"M10 × 1.5", ThreadKind::Mm, 1.5},   {"M12 × 1.75", ThreadKind::Mm, 1.75}, {"M64 × 6", ThreadKind::Mm, 6.0},
        {"Fine 0.2 mm", ThreadKind::Mm, 0.2}, {"Fine 3 mm", ThreadKind::Mm, 3.0},   {"1/4-20 UNC", ThreadKind::Tpi, 20},
        {"1/2-13 UNC", ThreadKind::Tpi, 13},  {"3/8-24 UNF", ThreadKind::Tpi, 24},  {"#10-32 UNF", ThreadKind::Tpi, 32},
        {"1/4\" BSW", ThreadKind::Tpi, 20},   {"1/2\" BSW", ThreadKind::Tpi, 12},   {"1/4\" BSF", ThreadKind::Tpi, 26},
        {"1/2\" BSP", ThreadKind::Tpi, 14},   {"1\" BSP", ThreadKind::Tpi, 11},     {"0 BA", ThreadKind::Mm, 1.0},
        {"2 BA", ThreadKind::Mm, 0.81},       {"4 BA", ThreadKind::Mm, 0.66},       {"ME 32 TPI", ThreadKind::Tpi, 32},
        {"ME 40 TPI", ThreadKind::Tpi, 40},   {"Module 1", ThreadKind::Mm, 3.14159265}, {"Module 1.5", ThreadKind::Mm, 4.71238898},
        {"DP 16", ThreadKind::Tpi, 5.09295818}, {"DP 8", ThreadKind::Tpi, 2.54647909},
    };
    for (const Case& c : cases) {
        const calc::ThreadEntry* thread = FindThread(c.name);
        ASSERT_NE(thread, nullptr) << c.name;
        EXPECT_EQ(thread->kind, c.kind) << c.name;
        EXPECT_NEAR(thread->value, c.value, 1e-8) << c.name;
    }
}

TEST(ThreadFamilies, KeysNamesAndOrder) {
    const char* keys[] = {"metric-coarse", "metric-fine", "unc", "unf", "bsw", "bsf",
                          "bsp",           "ba",          "me",  "module", "dp"};
    ASSERT_EQ(calc::ThreadFamilies().size(), std::size(keys));
    std::set<std::string> names;
    for (std::size_t f = 0; f < std::size(keys); ++f) {
        const calc::ThreadFamily& family = calc::ThreadFamilies()[f];
        EXPECT_EQ(family.key, keys[f]);
        EXPECT_EQ(calc::FindThreadFamily(keys[f]), &family);
        ASSERT_FALSE(family.threads.empty()) << keys[f];
        for (const calc::ThreadEntry& thread : family.threads) {
            EXPECT_TRUE(names.insert(std::string(thread.name)).second) << "twice: " << thread.name;
            EXPECT_TRUE(thread.value > 0 && std::isfinite(thread.value)) << thread.name;
        }
    }
    EXPECT_EQ(calc::FindThreadFamily("all"), nullptr);
    EXPECT_EQ(calc::FindThreadFamily("UNC"), nullptr);

    // Within a family the threads run from small to large: pitches grow, or
    // threads per inch fall; ME and the worms from fine to coarse as well.
    for (const char* key : {"metric-coarse", "unc", "unf", "bsw", "bsf", "bsp"}) {
        const auto threads = calc::FindThreadFamily(key)->threads;
        for (std::size_t i = 1; i < threads.size(); ++i) {
            const bool mm = threads[i].kind == ThreadKind::Mm;
            EXPECT_TRUE(mm ? threads[i].value >= threads[i - 1].value : threads[i].value <= threads[i - 1].value)
                << threads[i].name;
        }
    }
    // BA pitches are 0.9 to the power of the number, to two decimals.
    const auto ba = calc::FindThreadFamily("ba")->threads;
    for (std::size_t n = 0; n < ba.size(); ++n)
        EXPECT_NEAR(ba[n].value, std::round(std::pow(0.9, n) * 100) / 100, 1e-12) << ba[n].name;
}
