#pragma once

#include <optional>
#include <string>

namespace os {

// The whole content of a file; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces the file's content in one step: the bytes go into a temporary
// file in the same folder, which is flushed to disk and then renamed over
// the file. Until the rename the previous file stays whole; on any failure
// it is left as it was and the temporary file is removed. An existing file
// that the user may not write is not replaced. Returns false on failure.
// A symbolic link is written through (its target is replaced, the link stays).
bool ReplaceFileContents(const std::string& path, const std::string& bytes);

// For tests that prove a failed write leaves the old file whole: the nth
// replace from now on (1 = the next one) fails at the given step, as a full
// disk or a refused rename would make it fail. 0 or None cancels the plan.
enum class WriteFault { None, Write, Rename };
void InjectWriteFault(int nth, WriteFault fault);

}  // namespace os
