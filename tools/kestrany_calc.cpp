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
#include "calc/PackedTrainList.h"
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

// The result lines go out in blocks, so that a long list is never held as
// text whole.
class BlockOutput {
public:
    static constexpr std::size_t kBlock = 1 << 20;

    BlockOutput() { text_.reserve(kBlock + 4096); }

    std::string& Text() { return text_; }
    void Line() {
        if (text_.size() >= kBlock) Flush();
    }
    bool Flush() {
        written_ = written_ && Write(text_);
        text_.clear();
        return written_;
    }

private:
    std::string text_;
    bool written_ = true;
};

// The usual case: the results held as packed sort entries, each row rebuilt
// as it is written. False, with nothing written, when they do not pack.
bool WritePacked(const tools::CalcRequest& request, const runtime::NumberSeparators& separators, BlockOutput& out,
                 bool& written) {
    calc::PackedTrainList packed(request.inputs, request.gears);
    calc::SearchTrains(request.inputs, request.gears, packed);
    if (!packed.Complete()) return false;
    packed.Sort();
    calc::AppendHeaderLine(out.Text());
    calc::ResultLineWriter writer(request.gears, separators);
    for (std::size_t i = 0; i < packed.Size(); ++i) {
        writer.Append(out.Text(), packed.Row(i), i);
        out.Line();
    }
    written = out.Flush();
    return true;
}

// Any results: the full records, in the order SortedOrder names.
bool WriteRecords(const tools::CalcRequest& request, const runtime::NumberSeparators& separators, BlockOutput& out) {
    const std::vector<calc::TrainResult> list = calc::SearchTrains(request.inputs, request.gears);
    const std::vector<std::uint32_t> order = calc::SortedOrder(list, request.gears);
    calc::AppendHeaderLine(out.Text());
    calc::ResultLineWriter writer(request.gears, separators);
    for (std::size_t i = 0; i < order.size(); ++i) {
        writer.Append(out.Text(), list[order[i]], i);
        out.Line();
    }
    return out.Flush();
}

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

    BlockOutput out;
    bool written = true;
    if (!WritePacked(*request, separators, out, written)) written = WriteRecords(*request, separators, out);
    return Finish(written);
}
