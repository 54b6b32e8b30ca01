// kestrany-calc: the change-gear calculation on the command line. Prints
// the lines that saving the results grid writes after the same calculation.
#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cerrno>
#include <cstdio>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "CalcOptions.h"
#include "ChartOutput.h"
#include "ChartRows.h"
#include "Complain.h"
#include "calc/chart/DoorSheet.h"
#include "NoTrainNotice.h"
#include "ParallelLines.h"
#include "SuggestOutput.h"
#include "calc/texts/ResultLineWriter.h"
#include "calc/texts/ResultTexts.h"
#include "calc/work/HelperTask.h"
#include "calc/work/HelperThread.h"
#include "calc/order/SortedTrains.h"
#ifdef KESTRANY_CALC_SHEETS
#include "os/sheet/SheetPdf.h"
#else
#include "SheetProgram.h"
#endif
#include "runtime/NumberSeparators.h"

#include <malloc.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

// Every failed write of the output (a full disk, a closed stream or terminal)
// is one line on stderr and status 1, never a quiet success. A pipe whose
// reader went away ends the program by SIGPIPE before this, quietly.
int Finish(bool written) {
    written = std::fflush(stdout) == 0 && written && !std::ferror(stdout);
    if (written) return 0;
    std::fprintf(stderr, "kestrany-calc: could not write the output: %s\n", std::strerror(errno));
    return 1;
}

bool Write(std::string_view text) { return std::fwrite(text.data(), 1, text.size(), stdout) == text.size(); }

// Writes the texts to standard output in one call where the system takes
// them all at once. Standard output is unbuffered, so nothing written
// through stdio waits behind them.
bool WriteAll(std::span<const std::string_view> texts) {
    std::vector<iovec> parts;
    for (std::string_view text : texts)
        if (!text.empty()) parts.push_back({const_cast<char*>(text.data()), text.size()});
    for (std::size_t first = 0; first < parts.size();) {
        const ssize_t n = writev(STDOUT_FILENO, parts.data() + first, static_cast<int>(parts.size() - first));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        for (auto done = static_cast<std::size_t>(n); done > 0;) {
            const std::size_t step = std::min(done, parts[first].iov_len);
            parts[first].iov_base = static_cast<char*>(parts[first].iov_base) + step;
            parts[first].iov_len -= step;
            done -= step;
            if (parts[first].iov_len == 0) ++first;
        }
    }
    return true;
}

// The result lines go out in blocks, so that a long list is never held as
// text whole.
class BlockOutput {
public:
    static constexpr std::size_t kBlock = 1 << 20;

    BlockOutput() : buffer_(new char[kBlock + calc::ResultLineWriter::kLineRoom]) {}

    void Put(std::string_view text) {
        for (std::size_t done = 0; done < text.size();) {
            const std::size_t part = std::min(text.size() - done, kBlock - used_);
            std::memcpy(buffer_.get() + used_, text.data() + done, part);
            used_ += part;
            done += part;
            if (used_ == kBlock) Flush();
        }
    }

    // Writes one result line, straight into the block where it can.
    void Line(calc::ResultLineWriter& writer, const calc::TrainResult& result, std::size_t rowIndex) {
        if (const char* end = writer.Write(buffer_.get() + used_, result, rowIndex)) {
            used_ = static_cast<std::size_t>(end - buffer_.get());
            if (used_ >= kBlock) Flush();
            return;
        }
        std::string line;
        writer.Append(line, result, rowIndex);
        Put(line);
    }

    bool Flush() {
        written_ = written_ && std::fwrite(buffer_.get(), 1, used_, stdout) == used_;
        used_ = 0;
        return written_;
    }

private:
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
    bool written_ = true;
};

void PutHeader(BlockOutput& out) {
    std::string header;
    calc::AppendHeaderLine(header);
    out.Put(header);
}

// The header and every result line, best first. When no train is within the
// tolerance, stderr tells how near the best one comes.
bool WriteResults(const tools::CalcRequest& request, const runtime::NumberSeparators& separators, BlockOutput& out) {
    calc::SortedTrains results(request.inputs, request.gears);
    PutHeader(out);
    if (results.Size() == 0)
        tools::Complain(tools::NoTrainNotice(request.gears, request.inputs, separators));
    if (results.ReadableInParallel() && calc::UsableProcessors() > 1)
        return out.Flush() && tools::PutLinesInParallel(results, request.gears, separators, WriteAll);
    calc::ResultLineWriter writer(request.gears, separators);
    for (std::size_t i = 0; i < results.Size(); ++i) out.Line(writer, results.Next(), i);
    return out.Flush();
}

// The chart as lines on stdout, or as the sheet for the lathe door in a
// PDF file; with --fewest-changes the changes both ways go to stderr.
int WriteChart(const tools::CalcRequest& request, const runtime::NumberSeparators& separators) {
    const tools::RequestedChart chart = tools::BuildRequestedChart(request);
    if (request.fewestChanges)
        tools::Complain(calc::GearChangesText(chart.fewestChanges, chart.bestTrainChanges));
    if (request.pdfPath.empty()) return Finish(Write(tools::ChartFileText(chart.rows, request.gears, separators)));
#ifdef KESTRANY_CALC_SHEETS
    const runtime::TextSheet sheet =
        calc::DoorSheet(chart.rows, request.gears, request.inputs, calc::TodayIsoDate(), separators);
    if (os::WriteTextSheetPdf(sheet, request.pdfPath, "Thread chart")) return 0;
    tools::Complain("could not write the PDF file '" + request.pdfPath + "'");
#endif
    return 1;
}

// Like other command-line tools, the program ends quietly by SIGPIPE when
// the reader of its output goes away (`kestrany-calc ... | head`), even
// when it was started with the signal ignored or blocked.
void EndQuietlyOnABrokenPipe() {
    std::signal(SIGPIPE, SIG_DFL);
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    sigprocmask(SIG_UNBLOCK, &pipeSignal, nullptr);
}

// Memory the program frees is kept for what it asks next (the sorted list,
// the blocks of lines) instead of going back to the system and coming back
// as fresh pages. One pool for all threads: a helper's blocks reuse it too.
//
// Fresh memory is made ready a page at a time, and on the virtual machines
// it was measured on each 4 KB page costs about 2 microseconds, as much as
// sorting what it holds. The pool's first 256 MB are therefore set aside at
// once, without being touched, and marked for 2 MB pages, which cost about a
// tenth as much for the same memory: a long list then takes a few dozen
// pages instead of tens of thousands. Memory never touched takes nothing; if
// the room cannot be set aside, the pool grows page by page as before.
void PrepareMemory() {
    mallopt(M_ARENA_MAX, 1);
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    constexpr std::size_t kRoom = std::size_t{256} << 20, kLargePage = std::size_t{2} << 20;
    void* room = std::malloc(kRoom);
    if (room == nullptr) return;
    const auto start = (reinterpret_cast<std::uintptr_t>(room) + kLargePage - 1) & ~(kLargePage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(room) + kRoom) & ~(kLargePage - 1);
    std::free(room);  // stays in the pool: the trim threshold is above it
    if (end > start) madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
}

}  // namespace

int main(int argc, char** argv) {
    PrepareMemory();
    EndQuietlyOnABrokenPipe();
    // Every text goes out as a large block of its own: stdio's buffer would
    // only split each into a write of whole buffers and a write of the rest.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::setlocale(LC_NUMERIC, "");
    const runtime::NumberSeparators separators = runtime::SeparatorsFromCLocale();

    std::string error;
    auto request = tools::ParseCalcOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!request) {
        tools::Complain(error + " (see --help)");
        return 2;
    }
    if (request->help) return Finish(Write(tools::CalcUsage()));
    if (request->version) return Finish(Write(std::string("kestrany-calc ") + KESTRANY_VERSION + "\n"));

    if (request->suggest) return Finish(Write(tools::SuggestionFileText(*request, separators)));
#ifndef KESTRANY_CALC_SHEETS
    if (request->chart && !request->pdfPath.empty()) return tools::RunSheetProgram(argv);
#endif
    if (request->chart) return WriteChart(*request, separators);

    // The helper thread starts while the search is prepared, ready when
    // the search can be shared.
    calc::WarmHelper();
    BlockOutput out;
    // With every line written and flushed, the program ends at once: its
    // memory and its helper thread end with it, and waiting for the helper
    // to stop, or freeing the list piece by piece, would only take time.
    std::_Exit(Finish(WriteResults(*request, separators, out)));
}
