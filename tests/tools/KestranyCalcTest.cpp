#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "CalcOptions.h"
#include "calc/texts/ResultLineWriter.h"
#include "calc/texts/ResultTexts.h"
#include "calc/order/SortedTrains.h"

namespace {

struct CalcRun {
    std::string out;
    std::string err;
    int status = -1;
};

// Runs kestrany-calc with `args` in the C locale and collects what it prints.
CalcRun RunCalc(const std::string& args, const std::string& locale = "C") {
    std::string errFile = testing::TempDir() + "kestrany_calc_stderr.txt";
    std::string command = "LC_ALL=" + locale + " " KESTRANY_CALC_PATH " " + args + " 2>" + errFile;
    CalcRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    if (FILE* f = fopen(errFile.c_str(), "rb")) {
        while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) run.err.append(buffer, n);
        fclose(f);
    }
    return run;
}

const std::string kHeader = " ; A; B; C; D; +/- %; pitch, mm; tpi; comm\r\n";

int Lines(const std::string& text) {
    int lines = 0;
    for (std::size_t i = text.find("\r\n"); i != std::string::npos; i = text.find("\r\n", i + 2)) ++lines;
    return lines;
}

}  // namespace

TEST(KestranyCalc, ExactBytesOfASmallCase) {
    CalcRun run = RunCalc("--gears 40,40 --pitch-mm 1.5");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kHeader + "1; 40; ; ; 40; 0.0; 1.5; 16.9333; \r\n");
    EXPECT_EQ(run.err, "");
}

TEST(KestranyCalc, FactoryCaseAndOptions) {
    CalcRun run = RunCalc("--pitch-mm 1.0");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Lines(run.out), 27);
    EXPECT_EQ(run.out.substr(kHeader.size(), 31), "1; 80; 80; 40; 60; 0.0; 1.0; 25");
    EXPECT_NE(run.out.find("\r\n26; 20; ; ; 30; 0.0; 1.0; 25.4; \r\n"), std::string::npos);

    EXPECT_EQ(Lines(RunCalc("--pitch-mm=1.0 --include-intersecting").out), 40);
    EXPECT_EQ(Lines(RunCalc("--pitch-mm 1.75 --include-low --include-intersecting").out), 34);
    EXPECT_EQ(Lines(RunCalc("--tpi 29").out), 15);  // default tolerance 0.2 for TPI
    EXPECT_EQ(Lines(RunCalc("--tpi 28").out), 1);
    EXPECT_GT(Lines(RunCalc("--tpi 28 --tolerance 5").out), 1);
    EXPECT_EQ(Lines(RunCalc("--pitch-mm 0.75 --ratio 30:40").out), 27);
}

// Finding nothing is not an error: the header alone, status 0, and stderr
// tells how near the best train comes.
TEST(KestranyCalc, NothingFoundIsNotAnError) {
    struct Case {
        const char* args;
        const char* err;
    } cases[] = {
        {"--pitch-mm 1000", "kestrany-calc: no train within 0.1 %; the best is 80/20/80/20 at -97.6 %\n"},
        {"--tpi 20", "kestrany-calc: no train within 0.2 %; the best is 60/40/45/80 at 0.3457 %\n"},
        {"--pitch-mm 1.3 --tolerance 0.01",
         "kestrany-calc: no train within 0.01 %; the best is 80/40/35/80 at 0.9615 %\n"},
        {"--gears 40,40 --pitch-mm 1.6", "kestrany-calc: no train within 0.1 %; the best is 40/40 at -6.25 %\n"},
        {"--gears 40 --pitch-mm 1.5", "kestrany-calc: no train within 0.1 %; the gears make no train\n"},
    };
    for (const Case& c : cases) {
        CalcRun run = RunCalc(c.args);
        EXPECT_EQ(run.status, 0) << c.args;
        EXPECT_EQ(run.out, kHeader) << c.args;
        EXPECT_EQ(run.err, c.err) << c.args;
    }
}

// A bad option or value is one line on stderr that says what is wrong, and status 2.
TEST(KestranyCalc, BadInputGivesStatusTwo) {
    struct Case {
        const char* args;
        const char* says;
    } cases[] = {
        {"--pitch-mm abc", "not a number for --pitch-mm: 'abc'"},
        {"--bogus --pitch-mm 1", "unknown option: --bogus"},
        {"", "give the thread wanted"},
        {"--pitch-mm 1 --tpi 8", "give only one of --pitch-mm and --tpi"},
        {"--gears 20,x,30 --pitch-mm 1", "not a number for --gears slot 2: 'x'"},
        {"--pitch-mm", "--pitch-mm needs a value"},
        {"--tolerance 1e999 --pitch-mm 1", "not a number for --tolerance"},
        {"--gears 1e20 --pitch-mm 1", "value out of range for --gears slot 1"},
        // Tooth counts are whole numbers from 1 up; 0 or nothing is an empty slot.
        {"--gears -50,-60 --pitch-mm 1.25", "--gears slot 1: a tooth count is a whole number from 1 up"},
        {"--gears 40,60.6 --pitch-mm 1.25",
         "--gears slot 2: a tooth count is a whole number from 1 up (0 or "
         "nothing for an empty slot), got '60.6'"},
        {"--gears 40,,-0 --pitch-mm 1.25", "--gears slot 3: a tooth count"},
        // Pitch, TPI and leadscrew above 0, the tolerance 0 or more.
        {"--pitch-mm -1.25", "--pitch-mm must be greater than 0, got '-1.25'"},
        {"--pitch-mm 0", "--pitch-mm must be greater than 0, got '0'"},
        {"--tpi 0", "--tpi must be greater than 0, got '0'"},
        {"--tpi -8", "--tpi must be greater than 0"},
        {"--leadscrew-mm -1.5 --pitch-mm 1", "--leadscrew-mm must be greater than 0, got '-1.5'"},
        {"--leadscrew-tpi 0 --pitch-mm 1", "--leadscrew-tpi must be greater than 0"},
        {"--tolerance -1 --pitch-mm 1", "--tolerance must be 0 or more, got '-1'"},
        // The ratio: L:R, both sides whole numbers from 1 up.
        {"--ratio 40 --pitch-mm 1", "--ratio wants L:R, two whole numbers from 1 up, got '40'"},
        {"--ratio 1:2:3 --pitch-mm 1", "--ratio wants L:R, two whole numbers from 1 up, got '1:2:3'"},
        {"--ratio 0:40 --pitch-mm 1", "--ratio wants L:R"},
        {"--ratio 40:-30 --pitch-mm 1", "--ratio wants L:R"},
        {"--ratio 40:30.5 --pitch-mm 1", "--ratio wants L:R"},
        // Each option once.
        {"--pitch-mm 1.25 --pitch-mm 1.5", "--pitch-mm is given more than once"},
        {"--tpi 8 --tpi=9", "--tpi is given more than once"},
        {"--gears 40,40 --gears 20,20 --pitch-mm 1", "--gears is given more than once"},
        {"--include-low --include-low --pitch-mm 1", "--include-low is given more than once"},
        {"--leadscrew-mm 2 --leadscrew-tpi 8 --pitch-mm 1", "give only one of --leadscrew-mm and --leadscrew-tpi"},
        // A wrong family is answered with the list.
        {"--chart unx",
         "unknown thread family for --chart: 'unx' (the families: metric-coarse, metric-fine, unc, "
         "unf, bsw, bsf, bsp, ba, me, module, dp, all)"},
    };
    for (const Case& c : cases) {
        CalcRun run = RunCalc(c.args);
        EXPECT_EQ(run.status, 2) << c.args;
        EXPECT_EQ(run.out, "") << c.args;
        EXPECT_EQ(run.err.rfind("kestrany-calc: ", 0), 0u) << c.args;
        EXPECT_NE(run.err.find(c.says), std::string::npos) << c.args << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.args;
    }
    EXPECT_EQ(RunCalc("--help").status, 0);
}

namespace {

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

}  // namespace

// Trains that tie on every compared key keep the place the record sort gives them.
TEST(KestranyCalc, EqualErrorTrainsInTheirExactOrder) {
    auto lines = Split(RunCalc("--gears 20,25,30,35,40,45,50,55,60,65,70,75,80 --pitch-mm 1.25 --tolerance 10 "
                               "--include-low --include-intersecting")
                           .out);
    ASSERT_GT(lines.size(), 1042u);
    EXPECT_EQ(lines[1041].rfind("1041; 25; 65; 70; 30; 7.6923; ", 0), 0u) << lines[1041];
    EXPECT_EQ(lines[1042].rfind("1042; 25; 65; 70; 35; -7.6923; ", 0), 0u) << lines[1042];
}

// Trains that cut an inch thread exactly have an error of exactly 0: no
// "-0.0", and an exact train that can be mounted comes before every marked one.
// Long lists are searched and written by two threads: the bytes are those
// of the sorted rows written one by one, with gears that repeat (the search
// in one piece) and without (shared).
TEST(KestranyCalc, LongListsAsTheRowsWrittenOneByOne) {
    struct Case {
        std::vector<std::int32_t> counts;
        double tolerance;
    };
    std::vector<std::int32_t> fiftySix, repeated;
    for (std::int32_t n = 20; n < 76; ++n) fiftySix.push_back(n);
    repeated = fiftySix;
    repeated.back() = 40;
    const Case cases[] = {{fiftySix, 0.3}, {fiftySix, 2}, {repeated, 2}};
    for (const Case& c : cases) {
        calc::SearchInputs inputs;
        inputs.request = 1.0;
        inputs.tolerance = c.tolerance;
        inputs.includeLow = inputs.includeIntersecting = true;
        const calc::GearSet gears(c.counts);
        calc::SortedTrains rows(inputs, gears);
        std::string expected;
        calc::AppendHeaderLine(expected);
        calc::ResultLineWriter writer(gears, runtime::NumberSeparators{});
        for (std::size_t i = 0; i < rows.Size(); ++i) writer.Append(expected, rows.Row(i), i);
        std::string list;
        for (std::int32_t n : c.counts) list += (list.empty() ? "" : ",") + std::to_string(n);
        const CalcRun run =
            RunCalc("--gears " + list + " --pitch-mm 1.0 --include-low --include-intersecting --tolerance " +
                    std::to_string(c.tolerance));
        EXPECT_EQ(run.status, 0);
        EXPECT_GT(rows.Size(), 10000u);
        EXPECT_TRUE(run.out == expected) << c.tolerance << ": " << run.out.size() << " bytes against "
                                         << expected.size();
    }
}

TEST(KestranyCalc, ExactInchThreadsHaveNoError) {
    for (const char* args : {"--leadscrew-tpi 6 --tpi 18 --include-low --include-intersecting",
                             "--leadscrew-tpi 8 --tpi 18", "--leadscrew-tpi 8 --tpi 18 --include-low"}) {
        auto lines = Split(RunCalc(args).out);
        ASSERT_GT(lines.size(), 2u) << args;
        bool markedSeen = false;
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const std::string& line = lines[i];
            EXPECT_EQ(line.find("; -0.0; "), std::string::npos) << args << ": " << line;
            if (line.find("; 0.0; ") == std::string::npos) break;  // the exact trains come first
            const bool marked = line.back() != ' ' || line.substr(line.size() - 2) != "; ";
            EXPECT_FALSE(markedSeen && !marked) << args << ": unmarked after marked at " << line;
            markedSeen = markedSeen || marked;
        }
    }
}

// --help and --version answer alone, on stdout, with status 0, and need no thread.
TEST(KestranyCalc, HelpAndVersion) {
    struct Case {
        const char* args;
        std::string starts;
    } cases[] = {
        {"--version", "kestrany-calc " KESTRANY_VERSION "\n"},
        {"--pitch-mm 1 --version", "kestrany-calc " KESTRANY_VERSION "\n"},
        {"--help", "Usage: kestrany-calc "},
        {"-h", "Usage: kestrany-calc "},
    };
    for (const Case& c : cases) {
        CalcRun run = RunCalc(c.args);
        EXPECT_EQ(run.status, 0) << c.args;
        EXPECT_EQ(run.out.rfind(c.starts, 0), 0u) << c.args << ": " << run.out;
        EXPECT_EQ(run.err, "") << c.args;
    }
    EXPECT_EQ(RunCalc("--version").out, "kestrany-calc " KESTRANY_VERSION "\n");
    const std::string help = RunCalc("--help").out;
    for (const char* option : {"--gears", "--leadscrew-mm", "--leadscrew-tpi", "--ratio", "--pitch-mm", "--tpi",
                               "--tolerance", "--include-low", "--include-intersecting", "--version", "at most 56",
                               "(default: 20,20,30,35,40,40,45,50,60,60,80,80)", "(default 1.5)", "(default 40:40)",
                               "(default 0.1 for mm, 0.2 for TPI)", "(default 12-150)"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
}

TEST(CalcOptions, ReadsEveryOption) {
    std::string error;
    auto request = tools::ParseCalcOptions(
        {"--gears", "20,,30,0,40", "--leadscrew-tpi", "16", "--ratio", "30:40", "--tpi", "12", "--include-low"}, error);
    ASSERT_TRUE(request) << error;
    EXPECT_EQ(request->gears.Counts(), (std::vector<std::int32_t>{20, 0, 30, 0, 40}));
    EXPECT_TRUE(request->inputs.imperialLeadscrew);
    EXPECT_EQ(request->inputs.leadscrew, 16);
    EXPECT_EQ(request->inputs.ratioLeft, 30);
    EXPECT_EQ(request->inputs.ratioRight, 40);
    EXPECT_TRUE(request->inputs.requestTpi);
    EXPECT_EQ(request->inputs.request, 12);
    EXPECT_EQ(request->inputs.tolerance, 0.2);
    EXPECT_TRUE(request->inputs.includeLow);
    EXPECT_FALSE(request->inputs.includeIntersecting);
}

// Output that cannot be written (a full disk, a closed stream) is one line
// on stderr and status 1, for the results as for --help and --version.
TEST(KestranyCalc, FailedWritesOfTheOutputAreReported) {
    const std::string command = KESTRANY_CALC_PATH;
    for (const char* args : {"--pitch-mm 1.0", "--pitch-mm 1.0 --tolerance 5", "--chart all", "--help", "--version"}) {
        SCOPED_TRACE(args);
        for (const std::string& sink : {std::string(" >/dev/full"), std::string(" >&-")}) {
            const std::string errFile = testing::TempDir() + "kestrany_calc_full.txt";
            const int raw = std::system((command + " " + args + sink + " 2>" + errFile).c_str());
            ASSERT_TRUE(WIFEXITED(raw));
            EXPECT_EQ(WEXITSTATUS(raw), 1) << sink;
            std::string err;
            if (FILE* f = std::fopen(errFile.c_str(), "rb")) {
                char buffer[512];
                for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) err.append(buffer, n);
                std::fclose(f);
            }
            EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
            EXPECT_EQ(err.rfind("kestrany-calc: could not write the output", 0), 0u) << err;
        }
    }
}

// A reader that goes away (`kestrany-calc ... | head`) ends the program
// quietly by SIGPIPE, as it ends other tools: no message, status 141 in the
// shell, also when the program was started with the signal ignored.
TEST(KestranyCalc, AReaderThatGoesAwayEndsItQuietly) {
    std::string gears = "20";
    for (int n = 21; n < 76; ++n) gears += "," + std::to_string(n);
    for (const char* ignored : {"", "trap '' PIPE; "}) {
        const std::string statusFile = testing::TempDir() + "kestrany_calc_pipe_status.txt";
        const std::string errFile = testing::TempDir() + "kestrany_calc_pipe_err.txt";
        const std::string command = std::string(ignored) + "{ " KESTRANY_CALC_PATH " --gears " + gears +
                                    " --pitch-mm 1 --tolerance 5 2>" + errFile + "; echo $? >" + statusFile +
                                    "; } | head -c 100 >/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0) << ignored;
        std::string status, err;
        char buffer[512];
        for (auto [file, text] : {std::pair{&statusFile, &status}, std::pair{&errFile, &err}})
            if (FILE* f = std::fopen(file->c_str(), "rb")) {
                for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) text->append(buffer, n);
                std::fclose(f);
            }
        EXPECT_EQ(status, "141\n") << ignored;
        EXPECT_EQ(err, "") << ignored;
    }
}

// Tooth counts are taken up to the largest 32-bit count, as the window's
// boxes take them, and no more gears than the window has boxes.
TEST(KestranyCalc, GearCountsAndSlotsAsTheWindowTakesThem) {
    CalcRun largest = RunCalc("--gears 2147483647,2147483647 --pitch-mm 1.5");
    EXPECT_EQ(largest.status, 0) << largest.err;
    EXPECT_EQ(Lines(largest.out), 2);
    EXPECT_EQ(RunCalc("--gears 2147483648,20 --pitch-mm 1.5").status, 2);

    std::string slots = "20";
    for (int n = 1; n < 56; ++n) slots += ",20";
    EXPECT_EQ(RunCalc("--gears " + slots + " --pitch-mm 1.5").status, 0);
    CalcRun tooMany = RunCalc("--gears " + slots + ",20 --pitch-mm 1.5");
    EXPECT_EQ(tooMany.status, 2);
    EXPECT_NE(tooMany.err.find("at most 56"), std::string::npos) << tooMany.err;
}

// Whatever is typed, a bad value gives one line on stderr.
TEST(KestranyCalc, ABadValueWithControlCharactersIsStillOneLine) {
    std::string error;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--pitch-mm", ";x\n-g\x13"}, std::vector<std::string>{"--ra\ntio", "1"},
          std::vector<std::string>{"--ratio", "a\rb"}}) {
        EXPECT_FALSE(tools::ParseCalcOptions(args, error));
        EXPECT_EQ(error.find_first_of("\r\n\x13"), std::string::npos) << error;
    }
    tools::ParseCalcOptions({"--pitch-mm", "1\n"}, error);
    EXPECT_EQ(error, "not a number for --pitch-mm: '1\\x0a'");
}
