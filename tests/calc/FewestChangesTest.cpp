#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <functional>
#include <string>
#include <vector>

#include "calc/chart/FewestChanges.h"

using calc::GearSet;
using calc::TrainResult;

namespace {

// Slots 0..7 hold 20, 30, 40, 40, 50, 60, 70, 80 teeth.
const GearSet kGears({20, 30, 40, 40, 50, 60, 70, 80});

TrainResult Four(int a, int b, int c, int d, double err = 0) { return {a, b, c, d, 1, 25.4, err, {}}; }
TrainResult Two(int a, int d, double err = 0) { return {a, -1, -1, d, 1, 25.4, err, {}}; }

using Layers = std::vector<std::vector<TrainResult>>;

int PathChanges(const Layers& layers, const std::vector<std::size_t>& chosen) {
    int changes = 0;
    const TrainResult* previous = nullptr;
    for (std::size_t i = 0; i < layers.size(); ++i) {
        if (layers[i].empty()) continue;
        if (previous) changes += calc::GearChanges(*previous, layers[i][chosen[i]], kGears);
        previous = &layers[i][chosen[i]];
    }
    return changes;
}

// The fewest changes by trying every choice.
int BruteForceFewest(const Layers& layers) {
    int fewest = -1;
    std::vector<std::size_t> chosen(layers.size(), 0);
    std::function<void(std::size_t)> walk = [&](std::size_t i) {
        if (i == layers.size()) {
            const int changes = PathChanges(layers, chosen);
            if (fewest < 0 || changes < fewest) fewest = changes;
            return;
        }
        if (layers[i].empty()) return walk(i + 1);
        for (chosen[i] = 0; chosen[i] < layers[i].size(); ++chosen[i]) walk(i + 1);
    };
    walk(0);
    return fewest;
}

}  // namespace

TEST(FewestChanges, StudGearsWeighFourEndGearsOne) {
    const struct {
        TrainResult from, to;
        int changes;
    } cases[] = {
        {Four(0, 1, 2, 7), Four(0, 1, 2, 7), 0},
        {Four(0, 1, 2, 7), Four(4, 1, 2, 7), 1},
        {Four(0, 1, 2, 7), Four(0, 1, 2, 6), 1},
        {Four(0, 1, 2, 7), Four(0, 5, 2, 7), 4},
        {Four(0, 1, 2, 7), Four(0, 1, 4, 7), 4},
        {Four(0, 1, 2, 7), Four(7, 2, 1, 0), 10},
        {Four(0, 1, 2, 7), Four(0, 1, 3, 7), 0},  // slots 2 and 3 both hold 40 teeth
        {Four(0, 1, 2, 7), Two(0, 7), 8},         // the stud pair comes off
        {Two(0, 7), Two(0, 6), 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(calc::GearChanges(c.from, c.to, kGears), c.changes) << c.to.a << c.to.b << c.to.c << c.to.d;
        EXPECT_EQ(calc::GearChanges(c.to, c.from, kGears), c.changes);
    }
}

// Each layer lists its best train first. Expected: the choice, and the
// changes of the best trains and of the optimum.
TEST(FewestChanges, ShortestPathThroughTheLayers) {
    const struct {
        const char* name;
        Layers layers;
        std::vector<std::size_t> chosen;
        int bestChanges, fewest;
    } cases[] = {
        {"a second-best train keeps the stud pair for three threads",
         {{Four(0, 1, 2, 7)}, {Four(4, 5, 6, 7, 0.01), Four(4, 1, 2, 6, 0.02)}, {Four(0, 1, 2, 6)}},
         {0, 1, 0},
         19,
         3},
        {"ties go to the smaller error",
         {{Four(0, 1, 2, 7)}, {Four(4, 1, 2, 7, 0.05), Four(5, 1, 2, 7, -0.01)}, {Four(0, 1, 2, 7)}},
         {0, 1, 0},
         2,
         2},
        {"a thread without a train is passed over",
         {{Two(0, 7)}, {}, {Four(0, 1, 2, 7, 0.01), Two(0, 6, 0.02)}, {Two(1, 6)}},
         {0, 0, 1, 0},
         18,
         2},
        {"a lone thread keeps its best train", {{Four(0, 1, 2, 7), Two(1, 2, 0.3)}}, {0}, 0, 0},
        {"an empty chart", {}, {}, 0, 0},
    };
    for (const auto& c : cases) {
        const std::vector<std::size_t> chosen = calc::FewestChangesPath(c.layers, kGears);
        EXPECT_EQ(chosen, c.chosen) << c.name;
        EXPECT_EQ(PathChanges(c.layers, chosen), c.fewest) << c.name;
        EXPECT_EQ(PathChanges(c.layers, std::vector<std::size_t>(c.layers.size(), 0)), c.bestChanges) << c.name;
    }

    // Charts of every shape from a fixed sequence: the optimum of trying
    // every choice.
    unsigned seed = 12345;
    auto next = [&seed](unsigned range) { return (seed = seed * 1103515245u + 12345u) / 65536u % range; };
    for (int round = 0; round < 200; ++round) {
        Layers layers(1 + next(6));
        for (auto& layer : layers) {
            layer.resize(next(4));
            for (TrainResult& train : layer) {
                const int a = static_cast<int>(next(8)), d = static_cast<int>(next(8));
                train = next(3) == 0 ? Two(a, d, next(5) * 0.01)
                                     : Four(a, static_cast<int>(next(3)), static_cast<int>(next(3)), d, next(5) * 0.01);
            }
        }
        EXPECT_EQ(PathChanges(layers, calc::FewestChangesPath(layers, kGears)), BruteForceFewest(layers)) << round;
    }
}

namespace {

using calc::ThreadKind;

// Threads cut with the factory gears on a 1.5 mm leadscrew; 5.5 mm has no
// train within 0.1 %.
const calc::ThreadEntry kHandThreads[] = {{"0.25 mm", ThreadKind::Mm, 0.25},
                                          {"0.3 mm", ThreadKind::Mm, 0.3},
                                          {"5.5 mm", ThreadKind::Mm, 5.5},
                                          {"0.35 mm", ThreadKind::Mm, 0.35},
                                          {"0.4 mm", ThreadKind::Mm, 0.4}};
const calc::ThreadFamily kHandFamily{"hand", "Hand", kHandThreads};

std::string Gears(const calc::ChartRow& row, const GearSet& gears) {
    const calc::ChartTexts texts = calc::ChartRowTexts(row, gears, runtime::NumberSeparators{".", ""});
    return texts[1] + " " + texts[2] + " " + texts[3] + " " + texts[4];
}

}  // namespace

TEST(FewestChanges, TheChartChoosesAmongTheTrainsWithinTolerance) {
    const calc::ThreadFamily* families[] = {&kHandFamily};
    const calc::SearchInputs inputs;
    const GearSet gears;
    const auto best = calc::BuildThreadChart(families, gears, inputs);
    const auto fewest = calc::FewestChangesChart(best, gears, inputs, {0.1, 0.2});
    EXPECT_EQ(calc::ChartGearChanges(best, gears), 21);
    EXPECT_EQ(calc::ChartGearChanges(fewest, gears), 17);
    const char* chosen[] = {"40 60 20 80", "40 50 20 80", "80 50 80 35", "35 50 20 60", "40 50 20 60"};
    ASSERT_EQ(fewest.size(), std::size(chosen));
    for (std::size_t i = 0; i < fewest.size(); ++i) {
        EXPECT_EQ(fewest[i].thread, best[i].thread);
        EXPECT_EQ(Gears(fewest[i], gears), chosen[i]) << i;
        EXPECT_EQ(fewest[i].Within(0.1), i != 2) << i;
    }
    // The thread without a train in tolerance keeps its best train alone.
    EXPECT_EQ(calc::CandidateTrains(best[2], gears, inputs, 0.1).size(), 1u);
    EXPECT_EQ(fewest[2].train->err, best[2].train->err);
    // The candidates come best first and stop at the cap.
    const auto candidates = calc::CandidateTrains(best[0], gears, inputs, 0.1, 3);
    ASSERT_EQ(candidates.size(), 3u);
    EXPECT_EQ(calc::GearChanges(candidates[0], *best[0].train, gears), 0);
    EXPECT_LE(std::fabs(candidates[1].err), std::fabs(candidates[2].err));

    // Too few gears: no trains, nothing to change.
    const GearSet one({40});
    const auto empty = calc::BuildThreadChart(families, one, inputs);
    const auto still = calc::FewestChangesChart(empty, one, inputs, {0.1, 0.2});
    ASSERT_EQ(still.size(), empty.size());
    EXPECT_FALSE(still[0].train);
    EXPECT_EQ(calc::ChartGearChanges(still, one), 0);
}
