#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "CalcOptions.h"
#include "CalcProcess.h"
#include "PrintedText.h"
#include "TempFolder.h"

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

TEST(KestranyCalcChart, FewestChangesAndTheSheetForTheLatheDoor) {
    // The changes both ways go to stderr; the chart keeps its threads.
    const CalcProcessRun best = RunCalcProcess("--chart metric-coarse");
    CalcProcessRun run = RunCalcProcess("--chart metric-coarse --fewest-changes");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(CountLines(run.out), CountLines(best.out));
    EXPECT_NE(run.out, best.out);
    int fewest = -1, bestTrains = -1;
    ASSERT_EQ(std::sscanf(run.err.c_str(),
                          "kestrany-calc: Gear changes: %d with the fewest changes, %d with the best trains\n", &fewest,
                          &bestTrains),
              2)
        << run.err;
    EXPECT_LT(fewest, bestTrains);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;

    // The sheet goes into the file, every thread once; nothing on stdout.
    const TempFolder folder;
    const std::string pdf = folder.File("door.pdf");
    run = RunCalcProcess("--chart ba,me --fewest-changes --pdf " + pdf);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const PrintedText printed(pdf);
    ASSERT_TRUE(printed.Readable());
    for (const char* key : {"ba", "me"})
        for (const calc::ThreadEntry& thread : calc::FindThreadFamily(key)->threads)
            EXPECT_EQ(printed.Count(PrintedText::Words(std::string(thread.name))), 1u) << thread.name;
    EXPECT_TRUE(PrintedText::StartsWith(printed.Pages().at(0), {"Gears", "20", "20", "30"}));

    // A file that cannot be written is one line on stderr and no file.
    run = RunCalcProcess("--chart me --pdf " + folder.File("missing/door.pdf"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(KestranyCalcChart, BadFamilyIsAnError) {
    for (const char* args : {"--chart xyz", "--chart unc,,unf", "--chart UNCX", "--chart", "--chart unc --pitch-mm 1",
                             "--pitch-mm 1 --fewest-changes", "--pitch-mm 1 --pdf x.pdf", "--chart me --pdf="}) {
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
