#include "ParallelLines.h"

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "calc/texts/ResultLineWriter.h"
#include "calc/work/HelperTask.h"

namespace tools {

namespace {

constexpr std::size_t kBlockRows = 4096;

// The lines of one block of rows, written straight into a buffer that grows
// when a line might not fit. The length written is kept in a local while
// the block is filled: the helper's blocks lie next to what the calling
// thread writes, and a write to a shared cache line at every line would
// make each thread wait for the other's.
class LineBlock {
public:
    void Fill(calc::SortedTrains::RowReader& reader, calc::ResultLineWriter& writer, std::size_t first,
              std::size_t end) {
        std::size_t used = 0;
        for (std::size_t i = first; i < end; ++i) {
            Room(used, calc::ResultLineWriter::kLineRoom);
            const calc::TrainResult& row = reader.Row(i);
            if (const char* lineEnd = writer.Write(buffer_.get() + used, row, i)) {
                used = static_cast<std::size_t>(lineEnd - buffer_.get());
                continue;
            }
            std::string line;
            writer.Append(line, row, i);
            Room(used, line.size());
            std::copy(line.begin(), line.end(), buffer_.get() + used);
            used += line.size();
        }
        used_ = used;
    }

    std::string_view Text() const { return {buffer_.get(), used_}; }

private:
    void Room(std::size_t used, std::size_t more) {
        if (used + more <= capacity_) return;
        const std::size_t capacity = std::max(2 * capacity_, used + more + kBlockRows * 64);
        std::unique_ptr<char[]> bigger(new char[capacity]);
        std::copy(buffer_.get(), buffer_.get() + used, bigger.get());
        buffer_ = std::move(bigger);
        capacity_ = capacity;
    }

    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t used_ = 0;
};

// A single block is filled here: there is nothing to share.
constexpr std::size_t kSharedFromBlocks = 2;

// The blocks are filled by the calling thread and a helper, each taking the
// next block not yet taken, so that a helper that starts late or runs slowly
// leaves more to the other. The calling thread also puts every block out, in
// order, and takes a block to fill only while the next to put is not ready.
// Block k is filled in buffer k % kBuffers, which is free once block
// k - kBuffers has been put.
class SharedBlocks {
public:
    // The calling thread puts every block, so the helper fills more of
    // them; with four buffers it waited for a free one for 2 to 7 ms of a
    // list of 400,000 rows.
    static constexpr std::size_t kBuffers = 8;

    SharedBlocks(calc::SortedTrains& results, const calc::GearSet& gears,
                 const runtime::NumberSeparators& separators)
        : results_(results),
          gears_(gears),
          separators_(separators),
          blocks_((results.Size() + kBlockRows - 1) / kBlockRows) {}

    std::size_t Blocks() const { return blocks_; }

    // The helper's side: fills blocks until none is left to take.
    void Help() {
        try {
            calc::SortedTrains::RowReader reader = results_.Reader();
            calc::ResultLineWriter writer(gears_, separators_);
            for (;;) {
                std::size_t block;
                {
                    std::unique_lock lock(mutex_);
                    changed_.wait(lock, [&] { return stop_ || next_ == blocks_ || next_ < put_ + kBuffers; });
                    if (stop_ || next_ == blocks_) return;
                    block = next_++;
                }
                Fill(block, reader, writer);
            }
        } catch (...) {
            std::lock_guard lock(mutex_);
            failure_ = std::current_exception();
            stop_ = true;
            changed_.notify_all();
        }
    }

    // The calling thread's side: puts every block in order, filling blocks
    // itself while the next is not ready. The blocks after it that are
    // ready too go with it in one call: one large write costs less than
    // several small ones. False when `put` failed.
    bool PutAll(const PutTexts& put) {
        calc::SortedTrains::RowReader reader = results_.Reader();
        calc::ResultLineWriter writer(gears_, separators_);
        for (std::size_t block = 0; block < blocks_;) {
            if (!AwaitOrFill(block, reader, writer)) return false;
            const std::size_t end = ReadyFrom(block);
            std::string_view texts[kBuffers];
            for (std::size_t b = block; b < end; ++b) texts[b - block] = buffers_[b % kBuffers].lines.Text();
            const bool written = put(std::span<const std::string_view>(texts, end - block));
            std::lock_guard lock(mutex_);
            for (; block < end; ++block) buffers_[block % kBuffers].block = kNone;
            put_ = end;
            stop_ = stop_ || !written;
            changed_.notify_all();
            if (!written) return false;
        }
        return true;
    }

    void Stop() {
        std::lock_guard lock(mutex_);
        stop_ = true;
        changed_.notify_all();
    }

    // Rethrows what ended the helper, if anything did.
    void Rethrow() const {
        if (failure_) std::rethrow_exception(failure_);
    }

private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    struct Buffer {
        LineBlock lines;
        std::size_t block = kNone;  // the block it holds, once filled
    };

    void Fill(std::size_t block, calc::SortedTrains::RowReader& reader, calc::ResultLineWriter& writer) {
        Buffer& buffer = buffers_[block % kBuffers];
        buffer.lines.Fill(reader, writer, block * kBlockRows, std::min((block + 1) * kBlockRows, results_.Size()));
        std::lock_guard lock(mutex_);
        buffer.block = block;
        changed_.notify_all();
    }

    // The end of the run of filled blocks from `block`, which is filled.
    std::size_t ReadyFrom(std::size_t block) {
        std::lock_guard lock(mutex_);
        std::size_t end = block + 1;
        while (end < blocks_ && end < block + kBuffers && buffers_[end % kBuffers].block == end) ++end;
        return end;
    }

    // Waits until `block` is filled, filling the next blocks not yet taken
    // meanwhile. False when the helper failed.
    bool AwaitOrFill(std::size_t block, calc::SortedTrains::RowReader& reader, calc::ResultLineWriter& writer) {
        std::unique_lock lock(mutex_);
        for (;;) {
            if (failure_) return false;
            if (buffers_[block % kBuffers].block == block) return true;
            if (next_ < blocks_ && next_ < block + kBuffers) {
                const std::size_t mine = next_++;
                lock.unlock();
                Fill(mine, reader, writer);
                lock.lock();
                continue;
            }
            changed_.wait(lock);
        }
    }

    calc::SortedTrains& results_;
    const calc::GearSet& gears_;
    const runtime::NumberSeparators& separators_;
    const std::size_t blocks_;
    Buffer buffers_[kBuffers];
    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t next_ = 0;  // the first block not yet taken
    std::size_t put_ = 0;   // blocks put so far
    bool stop_ = false;
    std::exception_ptr failure_;
};

}  // namespace

bool PutLinesInParallel(calc::SortedTrains& results, const calc::GearSet& gears,
                        const runtime::NumberSeparators& separators, const PutTexts& put) {
    SharedBlocks shared(results, gears, separators);
    std::optional<calc::HelperTask> helper;
    if (shared.Blocks() >= kSharedFromBlocks) helper.emplace([&] { shared.Help(); });
    bool written = false;
    try {
        written = shared.PutAll(put);
    } catch (...) {
        shared.Stop();
        helper.reset();
        throw;
    }
    shared.Stop();
    if (helper) helper->Wait();
    shared.Rethrow();
    return written;
}

}  // namespace tools
