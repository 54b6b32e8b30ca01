#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CalcOptions.h"
#include "CalcProcess.h"

namespace {

const std::string kChartHeader = "thread; A; B; C; D; +/- %; pitch, mm; tpi; comm\r\n";

int CountLines(const std::string& text) {
    int lines = 0;
    for (std::size_t i = text.find("\r\n"); i != std::string::npos; i = text.find("\r\n", i + 2)) ++lines;
    return lines;
}

}  // namespace

TEST(KestranyCalcChart, ExactBytesOfASmallCase) {
    // 20 driving 40 on a 1.5 mm leadscrew cuts 0.75 mm, 33.8667 TPI: the
    // better of the two trains for both ME threads.
    CalcProcessRun run = RunCalcProcess("--chart me --gears 20,40");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, kChartHeader +
                           "ME 32 TPI; 20; ; ; 40; 5.8333; 0.75; 33.8667; \r\n"
                           "ME 40 TPI; 20; ; ; 40; -15.3333; 0.75; 33.8667; \r\n");

    run = RunCalcProcess("--chart=me --gears 20,40 --tolerance 10");
    EXPECT_EQ(run.out, kChartHeader + "ME 32 TPI; 20; ; ; 40; 5.8333; 0.75; 33.8667; \r\n");
    run = RunCalcProcess("--chart me --gears 20,40 --tolerance 5");
    EXPECT_EQ(run.out, kChartHeader);

    run = RunCalcProcess("--chart me --gears 40,0");
    EXPECT_EQ(run.out, kChartHeader + "ME 32 TPI; ; ; ; ; ; ; ; \r\nME 40 TPI; ; ; ; ; ; ; ; \r\n");
}

TEST(KestranyCalcChart, FactoryGearsAndAllFamilies) {
    CalcProcessRun run = RunCalcProcess("--chart ba,me");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(CountLines(run.out), 1 + 17 + 2);
    EXPECT_NE(run.out.find("\r\n0 BA; 80; 80; 40; 60; 0.0; 1.0; 25.4; \r\n"), std::string::npos) << run.out;

    // Every thread of every family, one line each, in family order.
    run = RunCalcProcess("--chart all");
    std::size_t threads = 0;
    for (const calc::ThreadFamily& family : calc::ThreadFamilies()) threads += family.threads.size();
    EXPECT_EQ(CountLines(run.out), static_cast<int>(1 + threads));
    EXPECT_TRUE(run.out.substr(kChartHeader.size()).starts_with("M1 × 0.25; ")) << run.out.substr(0, 200);
}

TEST(KestranyCalcChart, BadFamilyIsAnError) {
    for (const char* args : {"--chart xyz", "--chart unc,,unf", "--chart UNCX", "--chart", "--chart unc --pitch-mm 1"}) {
        CalcProcessRun run = RunCalcProcess(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << args << ": " << run.err;
        EXPECT_TRUE(run.err.ends_with("\n")) << args;
    }
}

TEST(CalcOptionsChart, FamiliesInTheOrderGivenEachOnce) {
    std::string error;
    // Names are matched without regard to case.
    auto request = tools::ParseCalcOptions({"--chart", "Unf,ALL,me", "--include-low"}, error);
    ASSERT_TRUE(request) << error;
    EXPECT_TRUE(request->chart);
    EXPECT_FALSE(request->chartTolerance);
    ASSERT_EQ(request->chartFamilies.size(), calc::ThreadFamilies().size());
    EXPECT_EQ(request->chartFamilies[0]->key, "unf");
    EXPECT_EQ(request->chartFamilies[1]->key, "metric-coarse");
    EXPECT_EQ(request->chartFamilies.back()->key, "dp");

    request = tools::ParseCalcOptions({"--tolerance", "0.5", "--chart", "bsw"}, error);
    ASSERT_TRUE(request) << error;
    EXPECT_EQ(request->chartFamilies.size(), 1u);
    EXPECT_EQ(request->chartTolerance, 0.5);

    EXPECT_FALSE(tools::ParseCalcOptions({"--chart", "bsw,"}, error));
    EXPECT_TRUE(error.starts_with("unknown thread family for --chart: '' (the families: metric-coarse, ")) << error;
}
