#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "CalcProcess.h"

namespace {

const std::string kSuggestHeader = "gear(s); threads gained; made exact; sum |error| %; threads\r\n";

}  // namespace

TEST(KestranyCalcSuggest, ExactBytesOfSmallCases) {
    // 1 mm on a 1.5 mm leadscrew needs the ratio 2/3: 20 and 40 make 1/2 and
    // 2, and a 30 driven by the 20 makes it exactly. Of the candidates 30,
    // 127 and second gears of 20 and 40, only the 30 helps.
    struct Case {
        const char* args;
        std::string out;
    };
    const Case cases[] = {
        {"--suggest --gears 20,40 --pitch-mm 1 --range 30-30", kSuggestHeader + "30; 1; 1; 0.0; 1 mm: 20-30 (0.0 %)\r\n"},
        {"--suggest --gears 20,40 --pitch-mm 1 --range 12-29", kSuggestHeader},
        // One thread: no pair can do more for it than the 30 alone.
        {"--suggest --pairs --gears 20,40 --pitch-mm 1 --range 30-30", kSuggestHeader},
    };
    for (const Case& c : cases) {
        const CalcProcessRun run = RunCalcProcess(c.args);
        EXPECT_EQ(run.status, 0) << c.args;
        EXPECT_EQ(run.err, "") << c.args;
        EXPECT_EQ(run.out, c.out) << c.args;
    }
}

TEST(KestranyCalcSuggest, BadOptionsAreErrors) {
    for (const char* args : {"--pairs --pitch-mm 1", "--range 20-30 --chart me", "--suggest", "--suggest --range 5 --tpi 8",
                             "--suggest --range 0-10 --tpi 8", "--suggest --range 50-40 --tpi 8",
                             "--suggest --range 10-401 --tpi 8", "--suggest --chart me --tpi 8"}) {
        const CalcProcessRun run = RunCalcProcess(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << args << ": " << run.err;
    }
}
