// kestrany-calc: the change-gear calculation on the command line. Prints
// the lines that saving the results grid writes after the same calculation.
#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "CalcOptions.h"
#include "ChartOutput.h"
#include "calc/ResultLineWriter.h"
#include "calc/ResultTexts.h"
#include "calc/TrainSortKeys.h"
#include "calc/TrainSearch.h"
#include "runtime/NumberSeparators.h"

namespace {

// Every failed write of the output (a full disk, a closed pipe or terminal)
// is one line on stderr and status 1, never a quiet success.
int Finish(bool written) {
    written = std::fflush(stdout) == 0 && written && !std::ferror(stdout);
    if (written) return 0;
    std::fprintf(stderr, "kestrany-calc: could not write the output: %s\n", std::strerror(errno));
    return 1;
}

bool Write(const std::string& text) { return std::fwrite(text.data(), 1, text.size(), stdout) == text.size(); }

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_NUMERIC, "");
    const runtime::NumberSeparators separators = runtime::SeparatorsFromCLocale();

    std::string error;
    auto request = tools::ParseCalcOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!request) {
        std::cerr << "kestrany-calc: " << error << " (see --help)\n";
        return 2;
    }
    if (request->help) return Finish(Write(tools::CalcUsage()));
    if (request->version) return Finish(Write(std::string("kestrany-calc ") + KESTRANY_VERSION + "\n"));

    if (request->chart) return Finish(Write(tools::ChartFileText(*request, separators)));

    const std::vector<calc::TrainResult> list = calc::SearchTrains(request->inputs, request->gears);
    const std::vector<std::uint32_t> order = calc::SortedOrder(list, request->gears);

    // The lines go out in blocks, so that a long list is never held as text whole.
    constexpr std::size_t kBlock = 1 << 20;
    std::string out;
    out.reserve(kBlock + 4096);
    bool written = true;
    auto flush = [&out, &written] {
        written = written && Write(out);
        out.clear();
    };
    calc::AppendHeaderLine(out);
    calc::ResultLineWriter writer(request->gears, separators);
    // The results are wanted in sorted order, scattered over the list: copy
    // them out a batch at a time (a plain copy loop keeps many reads in
    // flight), then write the batch.
    constexpr std::size_t kBatch = 4096;
    std::vector<calc::TrainResult> batch;
    batch.reserve(kBatch);
    for (std::size_t start = 0; start < order.size(); start += kBatch) {
        const std::size_t end = std::min(order.size(), start + kBatch);
        batch.clear();
        for (std::size_t i = start; i < end; ++i) batch.push_back(list[order[i]]);
        for (std::size_t i = start; i < end; ++i) {
            writer.Append(out, batch[i - start], i);
            if (out.size() >= kBlock) flush();
        }
    }
    flush();
    return Finish(written);
}
