#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace os {

// The whole content of a file; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces the file's content in one step: the bytes go into a temporary
// file in the same folder, which is flushed to disk and then renamed over
// the file. Until the rename the previous file stays whole; on any failure
// it is left as it was and the temporary file is removed. An existing file
// that the user may not write is not replaced. Returns false on failure.
// A symbolic link is written through (its target is replaced, the link stays).
// Leftovers of earlier replaces of the file that were cut short (the writer
// was killed) are removed first (see TemporaryFiles.h).
bool ReplaceFileContents(const std::string& path, const std::string& bytes);

// The same for content made piece by piece, so that a long file is never
// held whole: `produce` hands each piece to `put` in order, and returns
// false (or throws) to give up, as `put` returns false once a write fails.
// Running out of memory (std::bad_alloc) is passed on to the caller, after
// the temporary file is removed, so that it is not taken for a failed write.
using PieceWriter = std::function<bool(std::string_view)>;
bool ReplaceFileContentsBy(const std::string& path, const std::function<bool(const PieceWriter& put)>& produce);

// For tests that prove a failed write leaves the old file whole: the nth
// replace from now on (1 = the next one) fails at the given step, as a full
// disk or a refused rename would make it fail. 0 or None cancels the plan.
enum class WriteFault { None, Write, Rename };
void InjectWriteFault(int nth, WriteFault fault);

}  // namespace os
