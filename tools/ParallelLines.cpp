#include "ParallelLines.h"

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>

#include "calc/texts/ResultLineWriter.h"
#include "calc/work/HelperThread.h"

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

// The calling thread puts every block out, which takes about as long as
// filling one, so the helper fills two blocks of every three: those whose
// number is not a multiple of three. It fills them in two buffers by turns,
// and the calling thread puts each out when its turn comes and gives the
// buffer back.
bool IsHelperBlock(std::size_t block) { return block % 3 != 0; }

// Below this many blocks, starting the helper (its stack, its own memory)
// costs more than the blocks it fills save.
constexpr std::size_t kSharedFromBlocks = 6;

// The helper's buffer for one of its blocks.
std::size_t SlotOf(std::size_t block) { return (block - block / 3 - 1) % 2; }

class HelperBlocks {
public:
    explicit HelperBlocks(std::size_t blocks) : blocks_(blocks) {}

    // The helper's side: fills its blocks one after another.
    void Run(calc::SortedTrains& results, const calc::GearSet& gears, const runtime::NumberSeparators& separators) {
        try {
            calc::SortedTrains::RowReader reader = results.Reader();
            calc::ResultLineWriter writer(gears, separators);
            for (std::size_t block = 1; block < blocks_; block += IsHelperBlock(block + 1) ? 1 : 2) {
                Slot& slot = slots_[SlotOf(block)];
                {
                    std::unique_lock lock(mutex_);
                    changed_.wait(lock, [&] { return stop_ || slot.block == kFree; });
                    if (stop_) return;
                }
                slot.lines.Fill(reader, writer, block * kBlockRows, std::min((block + 1) * kBlockRows, results.Size()));
                std::lock_guard lock(mutex_);
                slot.block = block;
                changed_.notify_all();
            }
        } catch (...) {
            std::lock_guard lock(mutex_);
            failure_ = std::current_exception();
            stop_ = true;
            changed_.notify_all();
        }
    }

    // The caller's side: waits for the block, puts it and frees its buffer.
    // False when the helper failed or `put` did.
    bool Put(std::size_t block, const std::function<bool(std::string_view)>& put) {
        Slot& slot = slots_[SlotOf(block)];
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return failure_ || slot.block == block; });
            if (failure_) return false;
        }
        const bool written = put(slot.lines.Text());
        std::lock_guard lock(mutex_);
        slot.block = kFree;
        stop_ = stop_ || !written;
        changed_.notify_all();
        return written;
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
    static constexpr std::size_t kFree = static_cast<std::size_t>(-1);
    struct Slot {
        LineBlock lines;
        std::size_t block = kFree;
    };

    const std::size_t blocks_;
    Slot slots_[2];
    std::mutex mutex_;
    std::condition_variable changed_;
    bool stop_ = false;
    std::exception_ptr failure_;
};

}  // namespace

bool PutLinesInParallel(calc::SortedTrains& results, const calc::GearSet& gears,
                        const runtime::NumberSeparators& separators, const std::function<bool(std::string_view)>& put) {
    const std::size_t blocks = (results.Size() + kBlockRows - 1) / kBlockRows;
    HelperBlocks helper(blocks);
    std::thread other;
    if (blocks >= kSharedFromBlocks) {
        try {
            other = calc::StartHelperThread([&] { helper.Run(results, gears, separators); });
        } catch (const std::system_error&) {  // no thread to be had: the helper's blocks are filled here, in turn
        }
    }
    calc::SortedTrains::RowReader reader = results.Reader();
    calc::ResultLineWriter writer(gears, separators);
    LineBlock mine;
    bool written = true;
    try {
        for (std::size_t block = 0; written && block < blocks; ++block) {
            if (IsHelperBlock(block) && other.joinable()) {
                written = helper.Put(block, put);
                continue;
            }
            mine.Fill(reader, writer, block * kBlockRows, std::min((block + 1) * kBlockRows, results.Size()));
            written = put(mine.Text());
        }
    } catch (...) {
        helper.Stop();
        if (other.joinable()) other.join();
        throw;
    }
    helper.Stop();
    if (other.joinable()) other.join();
    helper.Rethrow();
    return written;
}

}  // namespace tools
