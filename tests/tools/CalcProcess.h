#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

// What one run of kestrany-calc printed, and its exit status.
struct CalcProcessRun {
    std::string out;
    std::string err;
    int status = -1;
};

// Runs kestrany-calc with `args` (shell words) in the given locale.
inline CalcProcessRun RunCalcProcess(const std::string& args, const std::string& locale = "C") {
    const std::string errFile = testing::TempDir() + "kestrany_calc_chart_stderr.txt";
    const std::string command = "LC_ALL=" + locale + " " KESTRANY_CALC_PATH " " + args + " 2>" + errFile;
    CalcProcessRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    if (FILE* f = fopen(errFile.c_str(), "rb")) {
        while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) run.err.append(buffer, n);
        fclose(f);
    }
    return run;
}
